// The exact Russian wording of the result lines; the holes are numbered over the whole beam.
#include "design/ResultSummary.h"

#include "model/Numbers.h"

#include <string>
#include <utility>

namespace balka {
namespace {

// The fixed parts of one verdict line: "<symbol> > <limit>, a > b [unit], проверка <what> ...".
struct CheckWording {
    const char* Symbol;
    const char* Limit;
    const char* Unit;
    const char* What;
};

constexpr CheckWording BendingWording{"M", "Mпред", "кг*м", "по моменту"};
constexpr CheckWording ShearWording{"Q", "Qпред", "кг", "по поперечной силе"};
constexpr CheckWording StabilityWording{"G", "Gпред", "МПа", "по устойчивости"};
constexpr CheckWording DeflectionWording{"U", "Uпред", "мм", "по прогибам"};

class SummaryWriter {
  public:
    explicit SummaryWriter(TBeamCalc& calc) : calc_(calc) { calc_.AllChecksPassed = true; }

    void Check(const CheckWording& wording, float value, float limit) {
        const bool fails = ExceedsLimit(value, limit);
        const std::string sign = fails ? " > " : " < ";
        std::string text = std::string(wording.Symbol) + sign + wording.Limit + ", " +
                           FormatCompact(value) + sign + FormatCompact(limit) + " [" +
                           wording.Unit + "], проверка " + wording.What +
                           (fails ? " не выполняется." : " выполняется.");
        if (fails) {
            Fail(std::move(text));
        } else {
            Add(std::move(text));
        }
    }

    void Add(std::string text, TResultStyle style = TResultStyle::Normal) {
        lines_.push_back(TResultLine{std::move(text), style});
    }

    void Fail(std::string text) {
        calc_.AllChecksPassed = false;
        Add(std::move(text), TResultStyle::Failed);
    }

    std::vector<TResultLine> Take() { return std::move(lines_); }

  private:
    TBeamCalc& calc_;
    std::vector<TResultLine> lines_;
};

void WriteSpanLines(SummaryWriter& writer, const TSpanCalc& span) {
    writer.Check(StabilityWording, span.Stress, span.StressLimit);
    writer.Check(DeflectionWording, span.Deflection, span.DeflectionLimit);
}

void WriteHoleLines(SummaryWriter& writer, const TBeam& beam) {
    writer.Add("");
    writer.Add("Проверка ослабленных сечений", TResultStyle::SpanHeading);
    int number = 0;
    for (size_t spanIndex = 0; spanIndex < beam.Spans.size(); ++spanIndex) {
        for (const TWeak& hole : beam.Spans[spanIndex].Weaks) {
            ++number;
            writer.Add("");
            writer.Add("Ослабление " + std::to_string(number) + ", пролет " +
                           std::to_string(spanIndex + 1) + ".",
                       TResultStyle::HoleHeading);
            if (hole.Outside) {
                writer.Add("Вертикальная привязка отверстия ''у'' находится вне пределов "
                           "сечения.");
                writer.Add("Данное отверстие в проверках не учитывалось.");
            } else if (hole.TooWeak) {
                writer.Fail("Отверстие имеет недопустимо большие размеры.");
            } else {
                writer.Check(BendingWording, hole.ZoneMaxM, hole.MomentCapacity);
                writer.Check(ShearWording, hole.ZoneMaxQ, hole.ShearCapacity);
            }
        }
    }
}

} // namespace

std::vector<TResultLine> WriteResultSummary(TBeamCalc& calc, const TBeam& beam) {
    SummaryWriter writer(calc);
    writer.Check(BendingWording, calc.MaxMoment, calc.MomentCapacity);
    writer.Check(ShearWording, calc.MaxShear, calc.ShearCapacity);
    if (calc.SpanCalcs.size() == 1) {
        WriteSpanLines(writer, calc.SpanCalcs.front());
    } else if (!calc.SpanCalcs.empty()) {
        writer.Add("");
        for (size_t i = 0; i < calc.SpanCalcs.size(); ++i) {
            if (i > 0) {
                writer.Add("");
            }
            writer.Add("Пролет " + std::to_string(i + 1), TResultStyle::SpanHeading);
            WriteSpanLines(writer, calc.SpanCalcs[i]);
        }
    }
    if (beam.HoleCount > 0) {
        WriteHoleLines(writer, beam);
    }
    return writer.Take();
}

TPanelColour VerdictColour(const TBeamCalc& calc) {
    return calc.AllChecksPassed ? TPanelColour{0, 202, 0} : TPanelColour{255, 0, 0};
}

} // namespace balka
