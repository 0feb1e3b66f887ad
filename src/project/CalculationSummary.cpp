// Millimetres of the model are shown as metres, as the editors show them; the supports'
// positions stay whole millimetres, exact beyond 10 m.
#include "project/CalculationSummary.h"

#include "model/Numbers.h"

namespace balka {

namespace {

std::string Metres(int32_t millimetres) {
    return FormatCompact(static_cast<float>(millimetres) * 0.001f);
}

std::string SupportName(int32_t code) {
    switch (code) {
    case SupportHinge:
        return "шарнир";
    case SupportFixed:
        return "заделка";
    case SupportFree:
        return "консоль";
    default:
        return "не задана";
    }
}

std::string ReactionLines(const TSupportReactions& reactions) {
    std::string text;
    if (reactions.Sloped && !reactions.Supports.empty()) {
        text += "Балка наклонная: реакции опор - вертикальные силы\n";
    }
    int number = 1;
    for (const TSupportReaction& support : reactions.Supports) {
        text += "Опора " + std::to_string(number++) + ", x = " + std::to_string(support.X) +
                " мм: расчетная реакция " + FormatCompact(support.Design) + " кг, нормативная " +
                FormatCompact(support.Normative) + " кг, длительная " +
                FormatCompact(support.LongTerm) + " кг";
        if (support.Moment) {
            text += ", момент в заделке " + FormatCompact(*support.Moment) + " кг*м";
        }
        text += "\n";
    }
    return text;
}

} // namespace

std::string CalculationSummary(const TBeam& beam, const TSupportReactions& reactions) {
    std::string text = "Пролетов: " + std::to_string(beam.SpanCount) +
                       ", нагрузок: " + std::to_string(beam.LoadCount) +
                       ", отверстий: " + std::to_string(beam.HoleCount) + "\n";
    if (beam.SpanCount == 0) {
        return text;
    }
    text += "Угол наклона: " + FormatCompact(beam.SlopeAngle) +
            "°, длина: " + Metres(beam.TotalLength) +
            " м, по скату: " + Metres(beam.TotalSlopeLength) + " м\n";
    text += "Опоры: слева " + SupportName(beam.LeftSupport) + ", справа " +
            SupportName(beam.RightSupport) + "\n";
    int number = 1;
    for (const TSpan& span : beam.Spans) {
        text += "Пролет " + std::to_string(number++) + ": L = " + Metres(span.Length) +
                " м, MA = " + FormatCompact(span.MA) + " кг*м, MB = " + FormatCompact(span.MB) +
                " кг*м, Mmax = " + FormatCompact(span.MMax) + " кг*м при x = " + Metres(span.XMax) +
                " м\n";
    }
    text += "Наибольший момент: " + FormatCompact(beam.MaxAbsM) +
            " кг*м, наибольшая поперечная сила: " + FormatCompact(beam.MaxAbsQ) + " кг\n";
    text += ReactionLines(reactions);
    return text;
}

} // namespace balka
