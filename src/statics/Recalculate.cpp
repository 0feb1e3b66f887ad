// The recalculation pipeline. Lengths entered in metres become whole millimetres by
// MetresToMm; the slope's cosine is a float for loads and holes, while the spans divide by it
// at full precision, as the program has always done.
#include "statics/Recalculate.h"

#include "model/ConversionError.h"
#include "model/Numbers.h"
#include "statics/SlopeConversion.h"
#include "statics/Statics.h"

#include <cmath>
#include <numbers>

namespace balka {

namespace {

const char* const kProgramTitle = "Драволит-Балка";

// The spans divide by the cosine at full precision; loads and holes use the statics' float.
double SlopeCosineExact(float angleDegrees) {
    return std::cos(static_cast<double>(angleDegrees) * std::numbers::pi / 180.0);
}

// Reads one cell, naming the table, the row and the column when it does not convert.
template <typename Convert>
auto ReadCell(const TextTable& table, const char* tableName, int column, int row, Convert convert) {
    try {
        return convert(table.Cell(column, row));
    } catch (const ConversionError& error) {
        throw ConversionError(std::string(tableName) + ", строка " + std::to_string(row) +
                              ", столбец \"" + table.Cell(column, 0) + "\": " + error.what());
    }
}

float CellFloat(const TextTable& table, const char* tableName, int column, int row) {
    return ReadCell(table, tableName, column, row,
                    [](const std::string& t) { return TextToFloat(t); });
}

double CellDouble(const TextTable& table, const char* tableName, int column, int row) {
    return ReadCell(table, tableName, column, row,
                    [](const std::string& t) { return TextToDouble(t); });
}

int32_t CellInt(const TextTable& table, const char* tableName, int column, int row) {
    return ReadCell(table, tableName, column, row,
                    [](const std::string& t) { return TextToInt(t); });
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
    try {
        beam.SlopeAngle = TextToFloat(inputs.SlopeText);
    } catch (const ConversionError& error) {
        throw ConversionError(std::string("Геометрия, угол наклона: ") + error.what());
    }
    const double c = SlopeCosineExact(beam.SlopeAngle);
    beam.TotalLength = 0;
    beam.TotalSlopeLength = 0;
    beam.Spans.clear();
    for (int row = 1; row <= beam.SpanCount; ++row) {
        const float length = CellFloat(inputs.Spans, "Геометрия", 1, row);
        const auto slopeLength = static_cast<float>(length / c);
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
    const char* const name = "Нагрузки";
    for (int row = 1; row <= beam.LoadCount; ++row) {
        const int32_t spanNumber = CellInt(loads, name, 1, row);
        const int32_t type = CellInt(loads, name, 2, row);
        const float f = CellFloat(loads, name, 3, row);
        const float yf = CellFloat(loads, name, 4, row);
        const float kd = CellFloat(loads, name, 5, row);
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
        // A row naming no existing span cannot come from the editors; it is skipped.
        if (type < LoadWholeSpan || type > LoadPoint || spanNumber < 1 ||
            spanNumber > beam.SpanCount) {
            continue;
        }
        TSpan& span = beam.Spans[static_cast<size_t>(spanNumber - 1)];
        if (type == LoadWholeSpan) {
            load.NormalValue = c * c * load.DesignValue;
            load.Length = span.Length;
            load.SlopeLength = span.SlopeLength;
        } else {
            const float x = CellFloat(loads, name, 6, row);
            load.Start = MetresToMm(x);
            load.SlopeStart = MetresToMm(x / c);
            if (type == LoadPartSpan) {
                const float s = CellFloat(loads, name, 7, row);
                load.NormalValue = c * c * load.DesignValue;
                load.Length = MetresToMm(s);
                load.SlopeLength = MetresToMm(s / c);
            } else {
                load.NormalValue = c * load.DesignValue;
            }
        }
        span.Loads.push_back(load);
    }
}

void ReadHoles(TBeam& beam, const TextTable& holes) {
    const char* const name = "Отверстия";
    const float c = SlopeCosine(beam.SlopeAngle);
    for (int row = 1; row <= beam.HoleCount; ++row) {
        const int32_t p = CellInt(holes, name, 1, row) - 1;
        const int32_t d = CellInt(holes, name, 2, row);
        const int32_t x = MetresToMm(CellDouble(holes, name, 3, row));
        const int32_t y = MetresToMm(CellDouble(holes, name, 4, row));
        if (p < 0 || p >= beam.SpanCount) {
            continue;
        }
        const int32_t h = d / 2;
        TWeak weak;
        weak.Diameter = d;
        weak.OffsetX = x;
        weak.OffsetY = y;
        weak.ZoneStart = static_cast<int32_t>(static_cast<float>(x - h) - c * 200.0f);
        weak.ZoneEnd = static_cast<int32_t>(static_cast<float>(x + h) + c * 200.0f);
        TSpan& span = beam.Spans[static_cast<size_t>(p)];
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
    if (beam.SpanCount != 0) {
        view.ShowSchemeView();
        ReadSpans(beam, inputs);
        ReadLoads(beam, inputs.Loads);
        ReadHoles(beam, inputs.Holes);
        view.DrawScheme(beam);
        if (CannotCarryLoad(beam)) {
            // Nothing computed may be used by the design or the report.
            beam.SchemeReady = false;
            beam.Calculated = false;
            return RecalcOutcome::StoppedUnstable;
        }
        RunStatics(beam);
        view.DrawDiagrams(beam);
        beam.SchemeReady = beam.LoadCount != 0;
    } else {
        view.ClearDrawing();
        beam.SchemeReady = false;
        beam.TotalSlopeLength = 0;
    }
    beam.Calculated = false;
    ShowAngleAndLength(beam, view);
    ShowMass(beam, inputs.Section, view);
    ShowStatus(beam, view);
    return RecalcOutcome::Finished;
}

} // namespace balka
