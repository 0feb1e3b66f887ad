// Sections and keys of the project file, in the order they are written. The names are the
// file's own: files written by every earlier version of the program carry them.
#include "project/ProjectFile.h"

#include "model/FileAccess.h"
#include "model/Profile.h"

#include <array>
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
};

constexpr TableLayout kSpansLayout{kGeometry, kSpanCount, kSpanSection, kSpanKeys, "пролетов"};
constexpr TableLayout kLoadsLayout{kLoads, kLoadCount, kLoadSection, kLoadKeys, "нагрузок"};
constexpr TableLayout kHolesLayout{kHoles, kHoleCount, kHoleSection, kHoleKeys, "отверстий"};

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

int32_t ReadCount(const Profile& profile, const TableLayout& layout,
                  const std::filesystem::path& path) {
    const int32_t count = profile.ReadInteger(layout.CountSection, layout.CountKey, 0);
    if (count > kMaxProjectRows) {
        throw FileError("Файл \"" + path.string() + "\" поврежден: количество " +
                        std::string(layout.Name) + " " + std::to_string(count) +
                        " больше допустимого (" + std::to_string(kMaxProjectRows) + ").");
    }
    return count < 0 ? 0 : count;
}

// Rows past the file's sections still count: they read as the default cells.
void ReadRows(const Profile& profile, TextTable& table, int32_t count, const TableLayout& layout) {
    table.SetDataRowCount(count);
    for (int32_t row = 1; row <= count; ++row) {
        const std::string section = RowSection(layout, row);
        table.SetCell(0, row, std::to_string(row));
        int column = 1;
        for (const std::string_view key : layout.Keys) {
            table.SetCell(column++, row, profile.ReadString(section, key, kCellDefault));
        }
    }
}

// Codes 1..3 of the file are items 0..2 of the end-support list; the list takes no other item.
int32_t SupportIndex(int32_t code) {
    return code >= 1 && code <= 3 ? code - 1 : kNoSupportChosen;
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

ProjectData ReadProjectFile(const std::filesystem::path& path) {
    const Profile profile = ReadProfileFile(path);
    ProjectData data;
    data.SpanCount = ReadCount(profile, kSpansLayout, path);
    data.Angle = profile.ReadString(kGeometry, kAngle, "0");
    data.LeftSupportIndex = SupportIndex(profile.ReadInteger(kGeometry, kLeftSupport, 0));
    data.RightSupportIndex = SupportIndex(profile.ReadInteger(kGeometry, kRightSupport, 0));
    ReadRows(profile, data.Spans, data.SpanCount, kSpansLayout);
    data.LoadCount = ReadCount(profile, kLoadsLayout, path);
    ReadRows(profile, data.Loads, data.LoadCount, kLoadsLayout);
    data.HoleCount = ReadCount(profile, kHolesLayout, path);
    ReadRows(profile, data.Holes, data.HoleCount, kHolesLayout);
    data.Design = ReadDesignSettings(profile);
    return data;
}

} // namespace balka
