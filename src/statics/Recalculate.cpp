// The recalculation pipeline. Every number is checked against its range (model/Ranges.h) and
// against its span before it enters the model, so every millimetre value and sum fits int32.
// Lengths entered in metres become whole millimetres by MetresToMm; the slope's cosine is a
// float for loads and holes, while the spans divide by it at full precision, as the program has
// always done.
#include "statics/Recalculate.h"

#include "model/ConversionError.h"
#include "model/Numbers.h"
#include "model/Ranges.h"
#include "statics/SlopeConversion.h"
#include "statics/Statics.h"
#include "statics/TableCells.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace balka {

namespace {

const char* const kProgramTitle = "Драволит-Балка";

// The spans divide by the cosine at full precision; loads and holes use the statics' float.
double SlopeCosineExact(float angleDegrees) {
    return std::cos(static_cast<double>(angleDegrees) * std::numbers::pi / 180.0);
}

float ReadAngle(const std::string& text) {
    const char* const place = "Геометрия, угол наклона: ";
    float angle = 0;
    try {
        angle = TextToFloat(text);
    } catch (const ConversionError& error) {
        throw ConversionError(place + std::string(error.what()));
    }
    if (!IsWithin(Quantity::SlopeAngle, angle)) {
        throw ConversionError(place + std::string("значение \"") + text +
                              "\" недопустимо: " + RangeRequirement(Quantity::SlopeAngle) + ".");
    }
    return angle;
}

// The span a load or hole row names: only an existing one.
int32_t SpanNumber(const TableCell& cell, int32_t spanCount) {
    const int32_t number = CellInt(cell);
    if (number < 1 || number > spanCount) {
        RefuseCell(cell, "у балки нет пролета с таким номером (пролетов " +
                             std::to_string(spanCount) + ")");
    }
    return number;
}

float Metres(int32_t mm) {
    return static_cast<float>(mm) * 0.001f;
}

const char* const kInputErrorStatus = "Статус - ошибка в исходных данных";
const char* const kCannotCarryStatus = "Статус - опоры не удерживают балку";

// After a value that does not convert or lies out of range: no spans that could be taken for
// this project's, an empty picture, and a status bar that shows only what is known.
void ShowInputStop(TBeam& beam, const std::string& slopeText, MainView& view) {
    beam.Spans.clear();
    beam.TotalLength = 0;
    beam.TotalSlopeLength = 0;
    view.ClearDrawing();
    const std::optional<float> angle = TryTextToFloat(slopeText);
    const bool angleKnown = angle && IsWithin(Quantity::SlopeAngle, *angle);
    view.SetStatusText(PanelAngle, "Угол - " + (angleKnown ? FormatCompact(*angle) + "°" : "..."));
    view.SetStatusText(PanelLength, "Длина - ...");
    view.SetStatusText(PanelMass, "Масса - ...");
    view.SetStatusText(PanelStatus, kInputErrorStatus);
}

} // namespace

std::string ProgramCaption(const TBeam& beam, bool modified) {
    std::string caption = kProgramTitle;
    if (!beam.FilePath.empty()) {
        caption += " - " + beam.FileName;
        if (modified) {
            caption += "*";
        }
    }
    return caption;
}

void ReadSpans(TBeam& beam, const RecalcInputs& inputs) {
    beam.SlopeAngle = ReadAngle(inputs.SlopeText);
    const double c = SlopeCosineExact(beam.SlopeAngle);
    beam.TotalLength = 0;
    beam.TotalSlopeLength = 0;
    beam.Spans.clear();
    for (int row = 1; row <= beam.SpanCount; ++row) {
        const TableCell cell{inputs.Spans, "Геометрия", 1, row};
        const float length = CellWithin(cell, Quantity::SpanLength);
        const auto slopeLength = static_cast<float>(length / c);
        if (!IsWithin(Quantity::SpanSlopeLength, slopeLength)) {
            RefuseCell(cell, "при угле наклона " + FormatCompact(beam.SlopeAngle) + "° " +
                                 RangeRequirement(Quantity::SpanSlopeLength));
        }
        TSpan span;
        span.Length = MetresToMm(length);
        span.SlopeLength = MetresToMm(slopeLength);
        beam.TotalLength += span.Length;
        beam.TotalSlopeLength += span.SlopeLength;
        beam.Spans.push_back(std::move(span));
    }
    const auto supportCode = [](int index, int32_t previous) {
        return (index >= 0 && index <= 2) ? index + 1 : previous;
    };
    beam.LeftSupport = supportCode(inputs.LeftSupportIndex, beam.LeftSupport);
    beam.RightSupport = supportCode(inputs.RightSupportIndex, beam.RightSupport);
}

void ReadLoads(TBeam& beam, const TextTable& loads) {
    for (int row = 1; row <= beam.LoadCount; ++row) {
        const auto cell = [&](int column) { return TableCell{loads, "Нагрузки", column, row}; };
        const int32_t type = CellInt(cell(2));
        if (type < LoadWholeBeam || type > LoadPoint) {
            RefuseCell(cell(2), "тип нагрузки должен быть 1, 2, 3 или 4");
        }
        // A whole-beam load keeps whatever span number its row shows; it acts on every span.
        const int32_t spanNumber =
            type == LoadWholeBeam ? CellInt(cell(1)) : SpanNumber(cell(1), beam.SpanCount);
        const float f = CellWithin(cell(3), Quantity::LoadValue);
        const float yf = CellWithin(cell(4), Quantity::LoadFactor);
        const float kd = CellWithin(cell(5), Quantity::DurationFactor);
        const float c = SlopeCosine(beam.SlopeAngle);

        TLoad load;
        load.Type = type;
        load.DesignValue = f * yf;
        load.F = f;
        load.Yf = yf;
        load.Kd = kd;
        load.ToDraw = true;
        if (type == LoadWholeBeam) {
            load.NormalValue = c * c * load.DesignValue;
            for (TSpan& span : beam.Spans) {
                TLoad copy = load;
                copy.Length = span.Length;
                copy.SlopeLength = span.SlopeLength;
                span.Loads.push_back(copy);
            }
            continue;
        }
        TSpan& span = beam.Spans[static_cast<size_t>(spanNumber - 1)];
        const std::string spanText = "пролета " + std::to_string(spanNumber) + " длиной " +
                                     FormatMetres(Metres(span.Length)) + " м";
        if (type == LoadWholeSpan) {
            load.NormalValue = c * c * load.DesignValue;
            load.Length = span.Length;
            load.SlopeLength = span.SlopeLength;
        } else if (type == LoadPartSpan) {
            const float x = CellWithin(cell(6), Quantity::LoadStart);
            const float s = CellWithin(cell(7), Quantity::LoadLength);
            if (!PartLoadFitsSpan(Metres(span.Length), x, s)) {
                RefuseCell(cell(7), "нагрузка выходит за пределы " + spanText);
            }
            load.NormalValue = c * c * load.DesignValue;
            load.Start = MetresToMm(x);
            load.SlopeStart = MetresToMm(x / c);
            load.Length = MetresToMm(s);
            load.SlopeLength = MetresToMm(s / c);
        } else {
            const float x = CellWithin(cell(6), Quantity::PointPosition);
            if (!WithinSpan(Metres(span.Length), x)) {
                RefuseCell(cell(6),
                           "сосредоточенная нагрузка должна стоять в пределах " + spanText);
            }
            load.NormalValue = c * load.DesignValue;
            load.Start = MetresToMm(x);
            load.SlopeStart = MetresToMm(x / c);
        }
        span.Loads.push_back(load);
    }
}

void ReadHoles(TBeam& beam, const TextTable& holes) {
    const float c = SlopeCosine(beam.SlopeAngle);
    for (int row = 1; row <= beam.HoleCount; ++row) {
        const auto cell = [&](int column) { return TableCell{holes, "Отверстия", column, row}; };
        const int32_t p = SpanNumber(cell(1), beam.SpanCount) - 1;
        TSpan& span = beam.Spans[static_cast<size_t>(p)];
        const int32_t d = CellInt(cell(2));
        if (!IsWithin(Quantity::HoleDiameter, static_cast<float>(d))) {
            RefuseCell(cell(2), RangeRequirement(Quantity::HoleDiameter));
        }
        const double xMetres = CellDouble(cell(3));
        if (!IsWithin(Quantity::HolePosition, static_cast<float>(xMetres)) ||
            !WithinSpan(Metres(span.Length), static_cast<float>(xMetres))) {
            RefuseCell(cell(3), "отверстие должно лежать в пределах пролета " +
                                    std::to_string(p + 1) + " длиной " +
                                    FormatMetres(Metres(span.Length)) + " м");
        }
        const double yMetres = CellDouble(cell(4));
        if (!IsWithin(Quantity::HoleHeight, static_cast<float>(yMetres))) {
            RefuseCell(cell(4), RangeRequirement(Quantity::HoleHeight));
        }
        const int32_t x = MetresToMm(xMetres);
        const int32_t y = MetresToMm(yMetres);
        const int32_t h = d / 2;
        TWeak weak;
        weak.Diameter = d;
        weak.OffsetX = x;
        weak.OffsetY = y;
        weak.ZoneStart = static_cast<int32_t>(static_cast<float>(x - h) - c * 200.0f);
        weak.ZoneEnd = static_cast<int32_t>(static_cast<float>(x + h) + c * 200.0f);
        if (p == 0 && weak.ZoneStart < 0) {
            weak.ZoneStart = 0;
        }
        if (p == beam.SpanCount - 1 && weak.ZoneEnd > span.Length) {
            weak.ZoneEnd = span.Length;
        }
        span.Weaks.push_back(weak);
    }
}

void ShowAngleAndLength(const TBeam& beam, MainView& view) {
    view.SetStatusText(PanelAngle, "Угол - " + FormatCompact(beam.SlopeAngle) + "°");
    view.SetStatusText(
        PanelLength,
        "Длина - " + FormatCompact(static_cast<float>(beam.TotalSlopeLength) * 0.001f) + " м");
}

void ShowMass(const TBeam& beam, const SectionTexts& section, MainView& view) {
    if (beam.TotalSlopeLength == 0) {
        view.SetStatusText(PanelMass, "Масса - 0 кг");
        return;
    }
    const auto count = TryTextToInt(section.ElementCount);
    const auto width = TryTextToFloat(section.Width);
    const auto height = TryTextToFloat(section.Height);
    if (!count || !width || !height) {
        view.SetStatusText(PanelMass, "Масса - ...");
        return;
    }
    const float mass = static_cast<float>(beam.TotalSlopeLength) * 0.001f * (*width * 0.001f) *
                       (*height * 0.001f) * 420.0f * static_cast<float>(*count);
    view.SetStatusText(PanelMass, "Масса - " + FormatCompact(mass) + " кг");
}

void ShowStatus(const TBeam& beam, MainView& view) {
    if (!beam.SchemeReady) {
        view.SetStatusText(PanelStatus, "Статус - формирование схемы");
    } else if (beam.Calculated) {
        view.SetStatusText(PanelStatus, "Статус - готов отчет");
    } else {
        view.SetStatusText(PanelStatus, "Статус - готов к расчету");
    }
}

RecalcOutcome Recalculate(TBeam& beam, const RecalcInputs& inputs, MainView& view) {
    if (!beam.FilePath.empty()) {
        view.SetCaption(ProgramCaption(beam, true));
    }
    // Whatever follows, no earlier result stands: the report goes, and the design and the report
    // refuse until this run has finished.
    view.ShowSchemeView();
    beam.SchemeReady = false;
    beam.Calculated = false;
    if (beam.SpanCount == 0) {
        view.ClearDrawing();
        beam.TotalSlopeLength = 0;
    } else {
        try {
            ReadSpans(beam, inputs);
            ReadLoads(beam, inputs.Loads);
            ReadHoles(beam, inputs.Holes);
        } catch (const ConversionError&) {
            ShowInputStop(beam, inputs.SlopeText, view);
            throw;
        }
        view.DrawScheme(beam);
        if (CannotCarryLoad(beam)) {
            view.DrawCannotCarryNotice();
            ShowAngleAndLength(beam, view);
            ShowMass(beam, inputs.Section, view);
            view.SetStatusText(PanelStatus, kCannotCarryStatus);
            return RecalcOutcome::StoppedUnstable;
        }
        RunStatics(beam);
        view.DrawDiagrams(beam);
        beam.SchemeReady = beam.LoadCount != 0;
    }
    ShowAngleAndLength(beam, view);
    ShowMass(beam, inputs.Section, view);
    ShowStatus(beam, view);
    return RecalcOutcome::Finished;
}

} // namespace balka
