// The template's checks and the rebuilding of the beam. Lengths are horizontal metres, the
// angle degrees; the derived slope value and the generated load are computed as 32-bit floats.
#include "editors/TemplateDialog.h"

#include "editors/WindowModels.h"
#include "model/Numbers.h"
#include "model/Ranges.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace balka {

namespace {

constexpr float kDegree = std::numbers::pi_v<float> / 180.0f;

// Support list items of the geometry editor.
constexpr int kHingeItem = 0;
constexpr int kFreeItem = 2;

// A value box's messages: empty, not a number, not greater than zero.
struct ValueMessages {
    const char* Empty;
    const char* NotNumber;
    const char* NotPositive;
};

const ValueMessages kLoadMessages{
    "Укажите значение нагрузки.",
    "Значение в поле ''Нормативная нагрузка, кг/м2'' не является числом.",
    "Значение нагрузки должно быть больше нуля."};
const ValueMessages kStepMessages{"Укажите значение шага балок.",
                                  "Значение в поле ''Шаг балок, м'' не является числом.",
                                  "Значение шага балок должно быть больше нуля."};
const ValueMessages kYfMessages{"Укажите значение коэффициента надежности.",
                                "Значение в поле ''Коэффициент надежности'' не является числом.",
                                "Значение коэффициента надежности должно быть больше нуля."};

} // namespace

TemplateDialog::TemplateDialog(WindowModels& models) : models_(models) {}

void TemplateDialog::cbSpansChange(int spanNumber) {
    SpanNumber = spanNumber < 1 ? 1 : (spanNumber > MaxSpans ? MaxSpans : spanNumber);
    SyncAngleAndHeight();
    RequestRefresh();
}

void TemplateDialog::cbLeftClick(bool checked) {
    LeftChecked = checked;
    RequestRefresh();
}

void TemplateDialog::cbRightClick(bool checked) {
    RightChecked = checked;
    RequestRefresh();
}

void TemplateDialog::TextChanged(Box box, const std::string& text) {
    Text(box) = text;
    const bool slopeInput =
        (box >= Box::L1 && box <= Box::L5) || box == Box::Angle || box == Box::Height;
    if (slopeInput) {
        // Writing the derived box would run the synchronisation once more, which gives the same
        // text again; one pass is therefore the whole effect.
        SyncAngleAndHeight();
        RequestRefresh();
    }
}

bool TemplateDialog::BoxKeyPress(NumericBox& box, char32_t key) const {
    return FilterNumericKey(box, key, MinusSign::Refused, NumberKind::Real);
}

bool TemplateDialog::IsBoxEnabled(Box box) const {
    if (box == Box::Left) {
        return LeftChecked;
    }
    if (box == Box::Right) {
        return RightChecked;
    }
    if (box >= Box::L1 && box <= Box::L5) {
        return static_cast<int>(box) - static_cast<int>(Box::L1) + 1 <= SpanNumber;
    }
    return true;
}

std::string TemplateDialog::SchemeName() const {
    return std::string(LeftChecked ? "K" : "") + "L" + std::to_string(SpanNumber) +
           (RightChecked ? "K" : "");
}

std::string TemplateDialog::BoxName(Box box) {
    switch (box) {
    case Box::Left:
        return "leLeft";
    case Box::Right:
        return "leRight";
    case Box::Angle:
        return "leAngle";
    case Box::Height:
        return "leH";
    case Box::Step:
        return "leStep";
    case Box::Load:
        return "leLoad";
    case Box::Yf:
        return "leYf";
    default:
        return "leL" + std::to_string(static_cast<int>(box) - static_cast<int>(Box::L1) + 1);
    }
}

void TemplateDialog::SyncAngleAndHeight() {
    std::optional<float> total = 0.0f;
    for (int span = 1; span <= SpanNumber && total; ++span) {
        const std::optional<float> length =
            TryTextToFloat(SpanTexts[static_cast<size_t>(span - 1)]);
        total = length ? std::optional<float>(*total + *length) : std::nullopt;
    }
    if (FixedValue == Fixed::Angle) {
        const std::optional<float> angle = TryTextToFloat(AngleText);
        const float height = (total && angle) ? std::tan(*angle * kDegree) * *total : std::nanf("");
        HeightText = std::isfinite(height) ? FormatCompact(height) : std::string();
        return;
    }
    const std::optional<float> height = TryTextToFloat(HeightText);
    // A zero sum of spans is a failed division, as it always was: the angle is emptied.
    const float angle = (total && height && *total != 0.0f)
                            ? std::atan(*height / *total) * 180.0f / std::numbers::pi_v<float>
                            : std::nanf("");
    AngleText = std::isfinite(angle) ? FormatCompact(angle) : std::string();
}

bool TemplateDialog::ApplyTemplate() {
    std::vector<float> lengths;
    const auto readLength = [&](Box box) {
        const std::optional<float> length = ReadLength(box);
        if (length) {
            lengths.push_back(*length);
        }
        return length.has_value();
    };
    if (LeftChecked && !readLength(Box::Left)) {
        return false;
    }
    for (int span = 1; span <= SpanNumber; ++span) {
        if (!readLength(SpanBox(span))) {
            return false;
        }
    }
    if (RightChecked && !readLength(Box::Right)) {
        return false;
    }

    if (AngleText.empty()) {
        return Refuse("Укажите угол наклона балки.", Box::Angle);
    }
    const std::optional<float> angle = TryTextToFloat(AngleText);
    if (!angle) {
        return Refuse("Значение угла наклона не является числом.", Box::Angle);
    }
    if (CompareWithTolerance(0, *angle) == -1) {
        return Refuse("Значение угла не может быть отрицательным.", Box::Angle);
    }
    if (IsAboveHighest(Quantity::SlopeAngle, *angle)) {
        return Refuse(TooLargeMessage(Quantity::SlopeAngle), Box::Angle);
    }

    const auto readValue = [&](Box box, const ValueMessages& messages,
                               Quantity quantity) -> std::optional<float> {
        const std::string& text = Text(box);
        if (text.empty()) {
            Refuse(messages.Empty, box);
            return std::nullopt;
        }
        const std::optional<float> value = TryTextToFloat(text);
        if (!value) {
            Refuse(messages.NotNumber, box);
            return std::nullopt;
        }
        if (CompareWithTolerance(0, *value) != 1) {
            Refuse(messages.NotPositive, box);
            return std::nullopt;
        }
        if (IsAboveHighest(quantity, *value)) {
            Refuse(TooLargeMessage(quantity), box);
            return std::nullopt;
        }
        return value;
    };
    const std::optional<float> load = readValue(Box::Load, kLoadMessages, Quantity::AreaLoad);
    if (!load) {
        return false;
    }
    const std::optional<float> step = readValue(Box::Step, kStepMessages, Quantity::BeamStep);
    if (!step) {
        return false;
    }
    const std::optional<float> yf = readValue(Box::Yf, kYfMessages, Quantity::LoadFactor);
    if (!yf) {
        return false;
    }

    TBeam& beam = models_.Beam;
    GeometryEditor& geometry = models_.Geometry;
    geometry.ClearSpans();
    for (const float length : lengths) {
        if (beam.SpanCount > 0) {
            geometry.Grid.AppendRow();
        }
        ++beam.SpanCount;
        geometry.Grid.SetCell(1, beam.SpanCount, FormatMetres(length));
    }
    geometry.LeftSupportIndex = LeftChecked ? kFreeItem : kHingeItem;
    geometry.RightSupportIndex = RightChecked ? kFreeItem : kHingeItem;
    geometry.AngleText = AngleText;
    geometry.RenumberSpans();
    models_.Loads.RefreshSpanList();
    models_.Holes.RefreshSpanList();

    LoadsEditor& loads = models_.Loads;
    loads.ClearLoads();
    const std::vector<std::string> loadRow = {
        "0", "1", FormatCompact(*load * *step), FormatCompact(*yf), "1", " ", " "};
    for (size_t column = 0; column < loadRow.size(); ++column) {
        loads.Grid.SetCell(static_cast<int>(column) + 1, 1, loadRow[column]);
    }
    beam.LoadCount = 1;
    loads.RenumberLoads();

    // Holes keep their span numbers; those that no longer fit the new spans go.
    models_.Holes.DropHolesOutsideSpans();
    models_.Recalculate();
    return true;
}

std::string& TemplateDialog::Text(Box box) {
    return const_cast<std::string&>(static_cast<const TemplateDialog*>(this)->BoxText(box));
}

const std::string& TemplateDialog::BoxText(Box box) const {
    switch (box) {
    case Box::Left:
        return LeftText;
    case Box::Right:
        return RightText;
    case Box::Angle:
        return AngleText;
    case Box::Height:
        return HeightText;
    case Box::Step:
        return StepText;
    case Box::Load:
        return LoadText;
    case Box::Yf:
        return YfText;
    default:
        return SpanTexts[static_cast<size_t>(static_cast<int>(box) - static_cast<int>(Box::L1))];
    }
}

std::optional<float> TemplateDialog::ReadLength(Box box) {
    const std::string& text = Text(box);
    if (text.empty()) {
        Refuse("Укажите значение длины.", box);
        return std::nullopt;
    }
    const std::optional<float> length = TryTextToFloat(text);
    if (!length) {
        Refuse("Значение в поле ''" + BoxName(box) + "'' не является числом.", box);
        return std::nullopt;
    }
    if (CompareWithTolerance(0, *length) != 1) {
        Refuse("Значение длины должно быть больше нуля.", box);
        return std::nullopt;
    }
    if (IsAboveHighest(Quantity::SpanLength, *length)) {
        Refuse(TooLargeMessage(Quantity::SpanLength), box);
        return std::nullopt;
    }
    return length;
}

bool TemplateDialog::Refuse(const std::string& message, Box box) {
    models_.Messages.ShowMessage(message);
    if (view_ != nullptr) {
        view_->FocusField(BoxName(box));
    }
    return false;
}

void TemplateDialog::RequestRefresh() {
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

} // namespace balka
