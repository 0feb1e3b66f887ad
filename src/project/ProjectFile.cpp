// Sections and keys of the project file, in the order they are written. The names are the
// file's own: files written by every earlier version of the program carry them.
#include "project/ProjectFile.h"

#include "model/FileAccess.h"
#include "model/Profile.h"
#include "model/Ranges.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>

namespace balka {

namespace {

constexpr std::string_view kGeometry = "Геометрия";
constexpr std::string_view kSpanCount = "Количество пролетов";
constexpr std::string_view kAngle = "Угол";
constexpr std::string_view kLeftSupport = "Левая опора";
constexpr std::string_view kRightSupport = "Правая опора";
constexpr std::string_view kSpanSection = "Пролет ";
constexpr std::string_view kLoads = "Нагрузки";
constexpr std::string_view kLoadCount = "Количество нагрузок";
constexpr std::string_view kLoadSection = "Нагрузка ";
constexpr std::string_view kHoles = "Отверстия";
constexpr std::string_view kHoleCount = "Количество отверстий";
constexpr std::string_view kHoleSection = "Отверстие ";

// The keys of one row's section, for table columns 1, 2, ... in order.
constexpr std::array<std::string_view, 1> kSpanKeys = {"Длина"};
constexpr std::array<std::string_view, 7> kLoadKeys = {
    "Пролет",   "Тип",  "Значение", "Коэффициент надежности", "Коэффициент длительности",
    "Привязка", "Длина"};
// "х" and "у" are Cyrillic letters, as in every file written so far.
constexpr std::array<std::string_view, 4> kHoleKeys = {"Пролет", "Диаметр", "Привязка х",
                                                       "Привязка у"};

// A missing cell key reads as this text.
constexpr std::string_view kCellDefault = "1";

// What one editor table looks like in the file.
struct TableLayout {
    std::string_view CountSection;
    std::string_view CountKey;
    std::string_view RowSection;            // followed by the row number
    std::span<const std::string_view> Keys; // for columns 1, 2, ...
    std::string_view Name;                  // for messages, genitive plural
    int32_t MaxRows;
};

constexpr TableLayout kSpansLayout{kGeometry, kSpanCount, kSpanSection,
                                   kSpanKeys, "пролетов", kMaxSpanCount};
constexpr TableLayout kLoadsLayout{kLoads,    kLoadCount, kLoadSection,
                                   kLoadKeys, "нагрузок", kMaxLoadCount};
constexpr TableLayout kHolesLayout{kHoles,    kHoleCount,  kHoleSection,
                                   kHoleKeys, "отверстий", kMaxHoleCount};

// The sections of which a project file has at least one.
constexpr std::string_view kProjectSections[] = {kGeometry, kLoads, kHoles, "Расчет"};

// Reads what the file holds and lists what a complete project has and the file lacks.
class ProfileReader {
  public:
    explicit ProfileReader(const Profile& profile) : profile_(profile) {}

    std::string Text(std::string_view section, std::string_view key, std::string_view fallback) {
        if (!Has(section, key)) {
            return std::string(fallback);
        }
        return *profile_.FindValue(section, key);
    }

    // A whole number; a value that does not convert reads as `fallback` and is listed.
    int32_t Integer(std::string_view section, std::string_view key, int32_t fallback) {
        if (!Has(section, key)) {
            return fallback;
        }
        const std::optional<int32_t> value = profile_.FindInteger(section, key);
        if (!value) {
            NoteValue(section, key);
            return fallback;
        }
        return *value;
    }

    // A value that reads but names nothing the project knows.
    void NoteValue(std::string_view section, std::string_view key) {
        missing_.push_back(Where(section) + std::string(key) + " = " +
                           *profile_.FindValue(section, key));
    }

    void Note(std::vector<std::string> items) {
        missing_.insert(missing_.end(), items.begin(), items.end());
    }

    std::vector<std::string> TakeMissing() { return std::move(missing_); }

  private:
    static std::string Where(std::string_view section) { return "[" + std::string(section) + "] "; }

    // A missing section is listed once, however many of its keys are read.
    bool Has(std::string_view section, std::string_view key) {
        if (!profile_.HasSection(section)) {
            const std::string item = "раздел [" + std::string(section) + "]";
            if (std::find(missing_.begin(), missing_.end(), item) == missing_.end()) {
                missing_.push_back(item);
            }
            return false;
        }
        if (!profile_.FindValue(section, key)) {
            missing_.push_back(Where(section) + std::string(key));
            return false;
        }
        return true;
    }

    const Profile& profile_;
    std::vector<std::string> missing_;
};

std::string RowSection(const TableLayout& layout, int32_t row) {
    return std::string(layout.RowSection) + std::to_string(row);
}

void CheckCount(const TextTable& table, int32_t count, const TableLayout& layout) {
    if (count < 0 || count > table.RowCount() - 1) {
        throw std::invalid_argument("Количество " + std::string(layout.Name) +
                                    " не совпадает с таблицей: " + std::to_string(count) + ".");
    }
}

void WriteRows(Profile& profile, const TextTable& table, int32_t count, const TableLayout& layout) {
    for (int32_t row = 1; row <= count; ++row) {
        const std::string section = RowSection(layout, row);
        int column = 1;
        for (const std::string_view key : layout.Keys) {
            profile.WriteString(section, key, table.Cell(column++, row));
        }
    }
}

int32_t ReadCount(ProfileReader& reader, const TableLayout& layout,
                  const std::filesystem::path& path) {
    const int32_t count = reader.Integer(layout.CountSection, layout.CountKey, 0);
    if (count > layout.MaxRows) {
        throw FileError("Файл \"" + path.string() + "\" поврежден: раздел [" +
                        std::string(layout.CountSection) + "], ключ \"" +
                        std::string(layout.CountKey) + "\": количество " +
                        std::string(layout.Name) + " " + std::to_string(count) +
                        " больше допустимого (" + std::to_string(layout.MaxRows) + ").");
    }
    return count < 0 ? 0 : count;
}

// Rows past the file's sections still count: they read as the default cells.
void ReadRows(ProfileReader& reader, TextTable& table, int32_t count, const TableLayout& layout) {
    table.SetDataRowCount(count);
    for (int32_t row = 1; row <= count; ++row) {
        const std::string section = RowSection(layout, row);
        table.SetCell(0, row, std::to_string(row));
        int column = 1;
        for (const std::string_view key : layout.Keys) {
            table.SetCell(column++, row, reader.Text(section, key, kCellDefault));
        }
    }
}

// Codes 1..3 of the file are items 0..2 of the end-support list; the list takes no other item.
int32_t ReadSupport(ProfileReader& reader, std::string_view key) {
    const int32_t code = reader.Integer(kGeometry, key, 0);
    if (code >= 1 && code <= 3) {
        return code - 1;
    }
    if (code != 0) {
        reader.NoteValue(kGeometry, key);
    }
    return kNoSupportChosen;
}

int32_t SupportCode(int32_t index) {
    return index == kNoSupportChosen ? 0 : index + 1;
}

} // namespace

void WriteProjectFile(const std::filesystem::path& path, const ProjectData& data) {
    CheckCount(data.Spans, data.SpanCount, kSpansLayout);
    CheckCount(data.Loads, data.LoadCount, kLoadsLayout);
    CheckCount(data.Holes, data.HoleCount, kHolesLayout);

    Profile profile;
    profile.WriteInteger(kGeometry, kSpanCount, data.SpanCount);
    profile.WriteString(kGeometry, kAngle, data.Angle);
    profile.WriteInteger(kGeometry, kLeftSupport, SupportCode(data.LeftSupportIndex));
    profile.WriteInteger(kGeometry, kRightSupport, SupportCode(data.RightSupportIndex));
    WriteRows(profile, data.Spans, data.SpanCount, kSpansLayout);
    profile.WriteInteger(kLoads, kLoadCount, data.LoadCount);
    WriteRows(profile, data.Loads, data.LoadCount, kLoadsLayout);
    profile.WriteInteger(kHoles, kHoleCount, data.HoleCount);
    WriteRows(profile, data.Holes, data.HoleCount, kHolesLayout);
    WriteDesignSettings(profile, data.Design);
    WriteProfileFile(path, profile);
}

ProjectFileContents ReadProjectFile(const std::filesystem::path& path) {
    const Profile profile = ReadProfileFile(path);
    const bool isProject =
        std::any_of(std::begin(kProjectSections), std::end(kProjectSections),
                    [&](std::string_view section) { return profile.HasSection(section); });
    if (!isProject) {
        throw FileError("Файл \"" + path.string() +
                        "\" не является файлом проекта балки: в нем нет ни одного из разделов "
                        "[Геометрия], [Нагрузки], [Отверстия], [Расчет].");
    }
    ProfileReader reader(profile);
    ProjectFileContents contents;
    ProjectData& data = contents.Data;
    data.SpanCount = ReadCount(reader, kSpansLayout, path);
    data.Angle = reader.Text(kGeometry, kAngle, "0");
    data.LeftSupportIndex = ReadSupport(reader, kLeftSupport);
    data.RightSupportIndex = ReadSupport(reader, kRightSupport);
    ReadRows(reader, data.Spans, data.SpanCount, kSpansLayout);
    data.LoadCount = ReadCount(reader, kLoadsLayout, path);
    ReadRows(reader, data.Loads, data.LoadCount, kLoadsLayout);
    data.HoleCount = ReadCount(reader, kHolesLayout, path);
    ReadRows(reader, data.Holes, data.HoleCount, kHolesLayout);
    data.Design = ReadDesignSettings(profile);
    reader.Note(DesignSettingsGaps(profile));
    contents.Missing = reader.TakeMissing();
    return contents;
}

} // namespace balka
