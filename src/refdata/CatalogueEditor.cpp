#include "refdata/CatalogueEditor.h"

#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/Ranges.h"
#include "model/TextEncoding.h"

#include <cmath>
#include <cstdint>

namespace balka {

namespace {

// The refusals of the two add buttons, width box first.
struct AddMessages {
    const char* Empty;
    const char* NotAboveZero;
    const char* Duplicate;
};

constexpr AddMessages WidthMessages = {"Укажите значение добавляемой толщины.",
                                       "Значение толщины должно быть больше нуля.",
                                       "Такое значение толщины уже есть в сортаменте."};
constexpr AddMessages HeightMessages = {"Укажите значение добавляемой высоты.",
                                        "Значение высоты должно быть больше нуля.",
                                        "Такое значение высоты уже есть в сортаменте."};
constexpr const char* NotANumber = "Указанное значение не является числом.";

std::vector<std::string> SizeTexts(const std::vector<int32_t>& sizes) {
    std::vector<std::string> texts;
    for (const int32_t size : sizes) {
        texts.push_back(std::to_string(size));
    }
    return texts;
}

} // namespace

CatalogueEditor::CatalogueEditor(std::filesystem::path file, MessageSink& messages)
    : file_(std::move(file)), messages_(messages), grid_({"", ""}) {}

void CatalogueEditor::LoadCatalogue() {
    const auto bytes = ReadWholeFile(file_);
    CatalogueReading reading = bytes ? ParseCatalogue(DecodeFileText(*bytes))
                                     : CatalogueReading{std::nullopt, "файл не удалось прочитать"};
    if (!reading.Catalogue) {
        messages_.ShowMessage("Произошли ошибки при загрузке сортамента. Проверьте наличие в одной "
                              "директории с программой файла ''sortament.txt''. Файл \"" +
                              file_.string() + "\", " + reading.Fault + ".");
        reading.Catalogue = SectionCatalogue{};
    }
    Adopt(std::move(*reading.Catalogue));
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

void CatalogueEditor::AddWidth(std::string_view boxText) {
    AddSize(Axis::Width, boxText);
}

void CatalogueEditor::AddHeight(std::string_view boxText) {
    AddSize(Axis::Height, boxText);
}

void CatalogueEditor::AddSize(Axis axis, std::string_view boxText) {
    const AddMessages& messages = axis == Axis::Width ? WidthMessages : HeightMessages;
    const char* box = axis == Axis::Width ? "edWidth" : "edHeight";
    const auto refuse = [&](const std::string& text) {
        messages_.ShowMessage(text);
        Focus(box);
    };
    if (boxText.empty()) {
        refuse(messages.Empty);
        return;
    }
    const auto number = TryTextToDouble(boxText);
    // A pasted fraction counts by its whole part; sizes beyond int32 are no size at all.
    const double whole = number ? std::trunc(*number) : 0.0;
    if (!number || whole > INT32_MAX) {
        refuse(NotANumber);
        return;
    }
    if (whole <= 0) {
        refuse(messages.NotAboveZero);
        return;
    }
    const Quantity range = axis == Axis::Width ? Quantity::SectionWidth : Quantity::SectionHeight;
    if (IsAboveHighest(range, static_cast<float>(whole))) {
        refuse(TooLargeMessage(range));
        return;
    }
    const auto size = static_cast<int32_t>(whole);
    const bool present =
        axis == Axis::Width ? HasWidth(catalogue_, size) : HasHeight(catalogue_, size);
    if (present) {
        messages_.ShowMessage(messages.Duplicate);
        return;
    }
    SectionCatalogue changed = catalogue_;
    if (axis == Axis::Width) {
        InsertWidth(changed, size);
    } else {
        InsertHeight(changed, size);
    }
    if (Store(std::move(changed))) {
        Notify(Change::SizeLists);
    }
}

void CatalogueEditor::DeleteRow(int row) {
    if (row >= 1 && static_cast<size_t>(row) <= catalogue_.Widths.size()) {
        SectionCatalogue changed = catalogue_;
        RemoveWidth(changed, static_cast<size_t>(row - 1));
        if (!Store(std::move(changed))) {
            return;
        }
    }
    Notify(Change::SizeLists);
}

void CatalogueEditor::DeleteColumn(int column) {
    if (column >= 1 && static_cast<size_t>(column) <= catalogue_.Heights.size()) {
        SectionCatalogue changed = catalogue_;
        RemoveHeight(changed, static_cast<size_t>(column - 1));
        if (!Store(std::move(changed))) {
            return;
        }
    }
    Notify(Change::SizeLists);
}

void CatalogueEditor::ToggleSize(int column, int row) {
    if (row < 1 || static_cast<size_t>(row) > catalogue_.Widths.size() || column < 1 ||
        static_cast<size_t>(column) > catalogue_.Heights.size()) {
        return;
    }
    SizeMark& mark =
        catalogue_.Marks[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)];
    if (mark == SizeMark::None) {
        return;
    }
    mark = mark == SizeMark::Available ? SizeMark::Unavailable : SizeMark::Available;
    grid_.SetCell(column, row, std::string(1, static_cast<char>(mark)));
    // The grid keeps the new mark even when the file cannot take it.
    if (!ReadWholeFile(file_)) {
        messages_.ShowMessage(
            "Изменения не были внесены в файл ''sortament.txt'', так как он отсутсвует.");
    } else {
        try {
            WriteFileReplacing(file_, FormatCatalogue(catalogue_));
        } catch (const FileError& error) {
            messages_.ShowMessage(error.what());
        }
    }
    Notify(Change::Availability);
    Focus("bOK");
}

CatalogueEditor::Geometry CatalogueEditor::Sizes() const {
    const int n = static_cast<int>(catalogue_.Widths.size());
    const int m = static_cast<int>(catalogue_.Heights.size());
    Geometry geometry;
    geometry.GridHeight = n > 9 ? 22 + RowHeight * n : 184;
    geometry.GridWidth = m > 9 ? 43 + ColumnWidth * m : 394;
    geometry.WindowWidth = geometry.GridWidth + 24;
    geometry.WindowHeight = geometry.GridHeight + 145;
    return geometry;
}

std::vector<std::string> CatalogueEditor::WidthTexts() const {
    return SizeTexts(catalogue_.Widths);
}

std::vector<std::string> CatalogueEditor::HeightTexts() const {
    return SizeTexts(catalogue_.Heights);
}

bool CatalogueEditor::IsAvailable(std::string_view widthText, std::string_view heightText) const {
    const std::vector<std::string> widths = WidthTexts();
    const std::vector<std::string> heights = HeightTexts();
    for (size_t j = 0; j < widths.size(); ++j) {
        if (widths[j] != widthText) {
            continue;
        }
        for (size_t k = 0; k < heights.size(); ++k) {
            if (heights[k] == heightText) {
                return catalogue_.Marks[j][k] == SizeMark::Available;
            }
        }
        return false;
    }
    return false;
}

bool CatalogueEditor::Store(SectionCatalogue changed) {
    try {
        WriteFileReplacing(file_, FormatCatalogue(changed));
    } catch (const FileError& error) {
        messages_.ShowMessage(error.what());
        return false;
    }
    Adopt(std::move(changed));
    return true;
}

void CatalogueEditor::Adopt(SectionCatalogue catalogue) {
    catalogue_ = std::move(catalogue);
    std::vector<std::string> headers = {""};
    for (const std::string& height : HeightTexts()) {
        headers.push_back(height);
    }
    if (headers.size() == 1) {
        headers.emplace_back();
    }
    grid_ = TextTable(std::move(headers));
    grid_.SetDataRowCount(static_cast<int>(catalogue_.Widths.size()));
    const std::vector<std::string> widths = WidthTexts();
    for (size_t j = 0; j < widths.size(); ++j) {
        const int row = static_cast<int>(j) + 1;
        grid_.SetCell(0, row, widths[j]);
        for (size_t k = 0; k < catalogue_.Heights.size(); ++k) {
            grid_.SetCell(static_cast<int>(k) + 1, row,
                          std::string(1, static_cast<char>(catalogue_.Marks[j][k])));
        }
    }
}

void CatalogueEditor::Notify(Change change) const {
    if (view_ != nullptr) {
        view_->Refresh();
    }
    if (OnChanged) {
        OnChanged(change);
    }
}

void CatalogueEditor::Focus(const char* controlName) const {
    if (view_ != nullptr) {
        view_->FocusField(controlName);
    }
}

} // namespace balka
