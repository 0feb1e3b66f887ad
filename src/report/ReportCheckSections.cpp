// The report's sections from the bending check to the literature list. Lengths printed in the
// stability and deflection blocks are millimetres along the slope; positions in the tables are
// metres. Every "<" and ">" of the text is written as a character reference, so no reader takes
// a comparison for a tag; numbers in formulas carry the report's decimal separator.
#include "report/ReportCheckSections.h"

#include "design/HoleChecks.h"
#include "report/ReportText.h"

#include <algorithm>
#include <cstddef>

namespace balka {

using report::F;
using report::I;
using report::TableStart;
using report::Title;

namespace {

// The shear-deformation coefficient c of the deflection formula, the same for every span.
constexpr float ShearDeformationFactor = 19.2f;
// The shape factor kф of the moment diagram when the user gives none.
constexpr float DefaultShapeFactor = 1.13f;

// "0,142 · lp / h + 1,76 · h / lp" of formula 24, with the lengths as given (symbols or numbers).
std::string KpmLengthTerms(const std::string& lp, const std::string& h) {
    return F(0.142f) + " &middot; " + lp + " / " + h + " + " + F(1.76f) + " &middot; " + h + " / " +
           lp;
}

// The stability inputs are -1 when the user left them empty; the design takes a positive value
// as given, and so does the report.
bool IsGiven(float value) {
    return value > 0;
}

// The spans that have both a beam span and a design record.
std::size_t ReportedSpanCount(const TReportInput& input) {
    return std::min(input.Beam.Spans.size(), input.Calc.SpanCalcs.size());
}

// "<b>Пролет N.</b><br>" before every span block, only when the beam has several spans.
std::string SpanBlocks(const TReportInput& input,
                       std::string (*block)(const TReportInput&, std::size_t)) {
    const std::size_t count = ReportedSpanCount(input);
    if (count == 1) {
        return block(input, 0);
    }
    std::string html;
    for (std::size_t i = 0; i < count; ++i) {
        html += "<b>Пролет " + I(static_cast<int32_t>(i + 1)) + ".</b><br>";
        html += block(input, i);
    }
    return html;
}

bool IsSingleCantilever(const TBeam& beam) {
    return beam.SpanCount == 1 &&
           (beam.LeftSupport == SupportFree || beam.RightSupport == SupportFree);
}

// Where the largest deflection of a span lies, m from its left end. The single cantilever's
// deflection is that of its free end, which its closed formula does not place; the report
// names the free end.
float DeflectionPosition(const TReportInput& input, std::size_t span) {
    const TBeam& beam = input.Beam;
    if (IsSingleCantilever(beam)) {
        return beam.LeftSupport == SupportFree
                   ? 0.0f
                   : static_cast<float>(beam.Spans[span].SlopeLength) * 0.001f;
    }
    return input.Calc.SpanCalcs[span].MaxDeflectionX;
}

std::string StabilityBlock(const TReportInput& input, std::size_t span) {
    const TBeamCalc& calc = input.Calc;
    const TSpanCalc& spanCalc = calc.SpanCalcs[span];
    const std::string lp = IsGiven(calc.Lp)
                               ? F(calc.Lp * 1000)
                               : F(static_cast<float>(input.Beam.Spans[span].SlopeLength));
    const std::string moment = IsGiven(calc.MomentLp) ? F(calc.MomentLp) : F(spanCalc.MaxMoment);
    const std::string kf = F(IsGiven(calc.Kf) ? calc.Kf : DefaultShapeFactor);
    const std::string b = I(calc.WidthMm);
    const std::string h = I(calc.HeightMm);
    const std::string m = I(calc.RestraintCount);
    const bool restrained = calc.RestraintCount >= 0;

    std::string html = "Расстояние между точками раскрепления сжатой кромки, "
                       R"(l<font size="1"> p</font> = )" +
                       lp + " мм.<br>";
    html += R"(Максимальный момент на участке l<font size="1"> p</font>, M = )" + moment +
            " кг&middot;м.<br>";
    html += R"(Коэффициент формы эпюры на участке l<font size="1"> p</font>, )"
            R"(k<font size="1"> ф</font> = )" +
            kf + ".<br>";
    if (restrained) {
        html += "Количество точек раскрепления растянутой кромки, m = " + m + ".<br>";
    }
    html += R"(Определим коэффициент &phi;<font size="1"> м</font>.<br>)";
    html += R"(&phi;<font size="1"> м</font> = 140 &middot; )" + b + "&sup2; &middot; " + kf +
            " / (" + lp + " &middot; " + h + ") = " + F(spanCalc.PhiM) + " .<br>";
    if (restrained) {
        html += R"(Так как растянутая кромка на участке l<font size="1"> p</font> раскреплена )"
                R"(из плоскости, коэффициент &phi;<font size="1"> м</font> )"
                R"(умножим на коэффициент k<font size="1"> пм</font>.<br>)";
        if (calc.RestraintCount < 4) {
            html += R"(k<font size="1"> пм</font> = 1 + [)" + KpmLengthTerms(lp, h) +
                    " - 1] &middot; [" + m + "&sup2; / (" + m +
                    "&sup2; + 1)] = " + F(spanCalc.Kpm) + ".<br>";
        } else {
            html += "Количество точек раскрепления растянутой кромки более трех, "
                    "следовательно выражение "
                    "[m&sup2; / (m&sup2; + 1)] из формулы 24 [1] принимаем равным единице.<br>"
                    R"(k<font size="1"> пм</font> = 1 + [)" +
                    KpmLengthTerms(lp, h) + " - 1] &middot; 1 = " + F(spanCalc.Kpm) + ".<br>";
        }
        html += R"(&phi;<font size="1"> м</font> = &phi;<font size="1"> м</font>)"
                R"( &middot; k<font size="1"> пм</font> = )" +
                F(spanCalc.PhiM) + " &middot; " + F(spanCalc.Kpm) + " = " + F(spanCalc.PhiMTotal) +
                ".<br>";
    }
    html += "Определим максимальное напряжение изгиба &sigma;.<br>";
    html += "&sigma; = (10) &middot; " + moment + " / (" + F(spanCalc.PhiMTotal) + " &middot; " +
            F(calc.SectionModulus) + ") = " + F(spanCalc.Stress) + " МПа.<br>";
    if (spanCalc.Stress > spanCalc.StressLimit) {
        html += "Условие 22 [1] не выполняется (&sigma; &gt; R , " + F(spanCalc.Stress) + " &gt; " +
                F(spanCalc.StressLimit) +
                "), устойчивость плоской формы деформирования не обеспечена.<br><br>";
    } else {
        html += "Условие 22 [1] выполняется (&sigma; &lt; R , " + F(spanCalc.Stress) + " &lt; " +
                F(spanCalc.StressLimit) +
                "), устойчивость плоской формы деформирования обеспечена.<br><br>";
    }
    return html;
}

std::string DeflectionBlock(const TReportInput& input, std::size_t span) {
    const TBeamCalc& calc = input.Calc;
    const TSpanCalc& spanCalc = calc.SpanCalcs[span];
    const TSpan& beamSpan = input.Beam.Spans[span];
    const std::string l = I(beamSpan.SlopeLength);
    const std::string h = I(calc.HeightMm);
    const std::string c = F(ShearDeformationFactor);
    const std::string n = F(spanCalc.DeflectionDivisor);
    const std::string limit = F(spanCalc.DeflectionLimit);

    std::string html = "Расчетная длина пролета, l = " + l + " мм.<br>";
    html += R"(Прогиб без учета деформаций сдвига, U<font size="1"> 0</font> = )" +
            F(spanCalc.BendingDeflection) +
            " мм (из решения "
            "дифференциального уравнения изогнутой оси балки, координата максимального "
            "прогиба x = " +
            F(DeflectionPosition(input, span)) + " м).<br>";
    html += "Высота сечения, h = " + h + " мм.<br>";
    html += "Коэффициент учета влияния деформаций сдвига, c = " + c + ".<br>";
    html += "Определим максимальный прогиб U.<br>";
    html += "U = [1 + " + c + " &middot; (" + h + " / " + l + ")&sup2;] &middot; " +
            F(spanCalc.BendingDeflection) + " / 1 = " + F(spanCalc.Deflection) + " мм.<br>";
    html += R"(Определим предельно допустимый прогиб U<font size="1"> пред</font>.<br>)";
    html += "Доля пролета, составляющая предельно-допустимый прогиб - 1 / " + n + ".<br>";
    if (beamSpan.Type == 4 || beamSpan.Type == 5) {
        html += "Так как пролет консольный, расчетную длину нужно удвоить в соответствии "
                "с примечанием 1 к табл.Е.1 [3].<br>"
                R"(U<font size="1"> пред</font> = 2 &middot; l / )" +
                n + " = 2 &middot; " + l + " / " + n + " = " + limit + " мм. <br>";
    } else {
        html += R"(U<font size="1"> пред</font> = l / )" + n + " = " + l + " / " + n + " = " +
                limit + " мм. <br>";
    }
    if (spanCalc.Deflection > spanCalc.DeflectionLimit) {
        html += "Так как максимальный прогиб больше предельно-допустимого (" +
                F(spanCalc.Deflection) + " &gt; " + limit +
                "), необходимая жесткость не обеспечена.<br><br>";
    } else {
        html += "Так как максимальный прогиб меньше предельно-допустимого (" +
                F(spanCalc.Deflection) + " &lt; " + limit +
                "), необходимая жесткость обеспечена.<br><br>";
    }
    return html;
}

std::string Cell(const std::string& value) {
    return "<td>" + value + "</td>";
}

std::string HoleRow(const TWeak& hole, int32_t number, int32_t span) {
    std::string html = R"(<tr align="center">)";
    html += Cell(I(number)) + Cell(I(span)) + Cell(I(hole.Diameter)) +
            Cell(F(static_cast<float>(hole.OffsetX) * 0.001f)) +
            Cell(F(static_cast<float>(hole.OffsetY) * 0.001f));
    if (hole.Outside) {
        html += R"(<td colspan="8">вертикальная привязка ''у'' находится вне сечения</td>)";
    } else if (hole.TooWeak) {
        html += R"(<td colspan="8">не выполняются требования п.6.2 [1]</td>)";
    } else {
        html += Cell(F(hole.NetModulus)) + Cell(F(hole.NetInertia)) +
                Cell(F(hole.NetStaticMoment)) + Cell(F(hole.MomentCapacity)) +
                Cell(F(hole.ZoneMaxM)) + Cell(F(hole.ShearCapacity)) + Cell(F(hole.ZoneMaxQ));
        html += HoleVerdict(hole) == THoleVerdict::Failed ? "<td>не проходит</td>"
                                                          : "<td>проходит</td>";
    }
    html += "</tr>";
    return html;
}

} // namespace

std::string MomentCheckSection(const TReportInput& input) {
    const TBeamCalc& calc = input.Calc;
    const std::string m = F(calc.MaxMoment);
    const std::string capacity = F(calc.MomentCapacity);
    std::string html = Title("Проверка по моменту");
    html += "Для определения предельно-допустимого момента преобразуем формулу 17 [1].<br><br>";
    html += R"(<div align="center">М<font size="1"> пред</font> = W &middot; R , где</div><br>)";
    html += "W - момент сопротивления сечения, см&sup3;,<br>";
    html += "R - расчетное сопротивление изгибу, МПа.<br><br>";
    html += R"(Определим предельно-допустимый момент М<font size="1"> пред</font>.<br>)";
    html += R"(М<font size="1"> пред</font> = ()" + F(0.1f) + ") &middot; " +
            F(calc.SectionModulus) + " &middot; " + F(calc.BendingStrength) + " = " + capacity +
            " кг&middot;м.<br>";
    html += "Максимальный действующий момент из статического расчета балки, М = " + m +
            " кг&middot;м.<br>";
    if (calc.MaxMoment > calc.MomentCapacity) {
        html += "Так как максимальный действующий момент больше предельно-допустимого (" + m +
                " &gt; " + capacity + "), несущая способность по моменту не обеспечена.<br><br>";
    } else {
        html += "Так как максимальный действующий момент меньше предельно-допустимого (" + m +
                " &lt; " + capacity + "), несущая способность по моменту обеспечена.<br><br>";
    }
    return html;
}

std::string ShearCheckSection(const TReportInput& input) {
    const TBeamCalc& calc = input.Calc;
    const std::string q = F(calc.MaxShear);
    const std::string capacity = F(calc.ShearCapacity);
    std::string html = Title("Проверка по поперечной силе");
    html += "Для определения предельно-допустимого значения поперечной силы преобразуем "
            "формулу 18 [1].<br><br>";
    html += R"(<div align="center">Q<font size="1"> пред</font> = I &middot; b &middot; )"
            R"(R<font size="1"> s</font> / S , где</div><br>)";
    html += "I - момент инерции сечения, см&#8308;,<br>";
    html += "b - ширина сечения, см,<br>";
    html += R"(R<font size="1"> s</font> - расчетное сопротивление скалыванию, МПа,<br>)";
    html += "S - статический момент, см&sup3;.<br><br>";
    html +=
        R"(Определим предельно-допустимое значение поперечной силы Q<font size="1"> пред</font>.<br>)";
    html += R"(Q<font size="1"> пред</font> = (10) &middot; )" + F(calc.Inertia) + " &middot; " +
            F(calc.WidthCm) + " &middot; " + F(calc.ShearStrength) + " / " + F(calc.StaticMoment) +
            " = " + capacity + " кг.<br>";
    html += "Максимальная поперечная сила из статического расчета балки, Q = " + q + " кг.<br>";
    if (calc.MaxShear > calc.ShearCapacity) {
        html += "Так как максимальная поперечная сила больше предельно-допустимой (" + q +
                " &gt; " + capacity +
                "), несущая способность по поперечной силе не обеспечена.<br><br>";
    } else {
        html += "Так как максимальная поперечная сила меньше предельно-допустимой (" + q +
                " &lt; " + capacity +
                "), несущая способность по поперечной силе обеспечена.<br><br>";
    }
    return html;
}

std::string StabilitySection(const TReportInput& input) {
    std::string html = Title("Проверка устойчивости плоской формы деформирования");
    html += "Максимальные изгибные напряжения определяются из условия 22 [1] (левая "
            "часть).<br><br>";
    html += R"(<div align="center">&sigma; = M / )"
            R"((&phi;<font size="1"> м</font> &middot; W) , где</div><br>)";
    html += "M - максимальный момент, кг&middot;м,<br>";
    html +=
        R"(&phi;<font size="1"> м</font> - коэффициент, характеризующий устойчивость из плоскости,<br>)";
    html += "W - момент сопротивления сечения, см&sup3;.<br><br>";
    html += R"(Коэффициент &phi;<font size="1"> м</font> определяется по формуле 23 [1].<br><br>)";
    html +=
        R"(<div align="center">&phi;<font size="1"> м</font> = 140 &middot; b&sup2;)"
        R"( &middot; k<font size="1"> ф</font> / (l<font size="1"> p</font> &middot; h) , где</div><br>)";
    html += "b - ширина сечения, мм,<br>";
    html += "h - высота сечения, мм,<br>";
    html += R"(l<font size="1"> p</font> - расстояние между опорными сечениями элемента, )"
            "а при закреплении сжатой кромки элемента в промежуточных точках от смещения из "
            "плоскости изгиба - расстояние между этими точками, мм,<br>";
    html += R"(k<font size="1"> ф</font> - коэффициент формы эпюры на участке )"
            R"(l<font size="1"> p</font>, определяемый по таблице Г.2 [1].<br><br>)";
    html += R"(Если на участке l<font size="1"> p</font> имеются точки подкрепления )"
            R"(растянутой кромки, то коэффициент &phi;<font size="1"> м</font> нужно помножить на )"
            R"(коэффициент k<font size="1"> пм</font>, определяемый по формуле 24 [1].<br><br>)";
    const std::string lp = R"(l<font size="1"> p</font>)";
    html += R"(<div align="center">k<font size="1"> пм</font> = 1 + [)" + KpmLengthTerms(lp, "h") +
            R"( - 1] &middot; [m&sup2; / (m&sup2; + 1)] , где</div><br>)";
    html += R"(h, l<font size="1"> p</font> - то же, что и в формуле 23 [1],<br>)";
    html += "m - количество точек подкрепления растянутой кромки.<br><br>";
    html += SpanBlocks(input, StabilityBlock);
    return html;
}

std::string DeflectionSection(const TReportInput& input) {
    std::string html = Title("Проверка по прогибам");
    html += "Предельно-допустимый прогиб определяется как доля пролета в соответствии с "
            "табл.16 [1] и табл.Е.1 [3].<br><br>";
    html += "Максимальный прогиб определяется по формуле 50 [1].<br><br>";
    html += R"(<div align="center">U = [1 + c &middot; (h / l)&sup2;] &middot; )"
            R"(U<font size="1"> 0</font> / k , где</div><br>)";
    html += R"(U<font size="1"> 0</font> - прогиб без учета деформаций сдвига, мм,<br>)";
    html += "k - коэффициент принимаемый равным 1 для балок постоянного сечения,<br>";
    html += "c - коэффициент, учитывающий влияние деформаций сдвига и определяемый "
            "по табл.Г.3 [1],<br>";
    html += "h - высота сечения, мм,<br>";
    html += "l - длина пролета, мм.<br><br>";
    html += input.Design.LongTermDeflection
                ? "Прогибы определяются от постоянных и временных длительных нагрузок.<br><br>"
                : "Прогибы определяются от постоянных и временных кратковременных "
                  "нагрузок.<br><br>";
    html += SpanBlocks(input, DeflectionBlock);
    return html;
}

std::string SummaryTableSection(const TReportInput& input) {
    const TBeamCalc& calc = input.Calc;
    std::string html = Title("Итоговая сводная таблица");
    html += TableStart;
    html += R"(<tr align="center">)"
            R"(<td width="60" rowspan="2">Пролет</td>)"
            R"(<td width="60" rowspan="2">L<font size="1"> геом</font></td>)"
            R"(<td colspan="2">Моменты,<br>кг&middot;м</td>)"
            R"(<td colspan="2">Поперечная сила,<br>кг</td>)"
            R"(<td colspan="2">Устойчивость,<br> МПа</td>)"
            R"(<td colspan="3">Прогибы,<br> мм</td>)"
            "</tr>";
    html += R"(<tr align="center">)"
            R"(<td width="60">М<font size="1"> пред</font></td>)"
            R"(<td width="60">М</td>)"
            R"(<td width="60">Q<font size="1"> пред</font></td>)"
            R"(<td width="60">Q</td>)"
            R"(<td width="60">&sigma;<font size="1"> макс</font></td>)"
            R"(<td width="60">&sigma;</td>)"
            R"(<td width="60">U<font size="1"> пред</font></td>)"
            R"(<td width="60">U</td>)"
            R"(<td width="60">X, м</td>)"
            "</tr>";
    const std::size_t count = ReportedSpanCount(input);
    for (std::size_t i = 0; i < count; ++i) {
        const TSpanCalc& spanCalc = calc.SpanCalcs[i];
        html += R"(<tr align="center">)";
        html += Cell(I(static_cast<int32_t>(i + 1)));
        html += Cell(F(static_cast<float>(input.Beam.Spans[i].SlopeLength) * 0.001f));
        html += Cell(F(calc.MomentCapacity)) + Cell(F(calc.MaxMoment));
        html += Cell(F(calc.ShearCapacity)) + Cell(F(calc.MaxShear));
        html += Cell(F(spanCalc.StressLimit)) + Cell(F(spanCalc.Stress));
        html += Cell(F(spanCalc.DeflectionLimit)) + Cell(F(spanCalc.Deflection));
        html += Cell(F(DeflectionPosition(input, i)));
        html += "</tr>";
    }
    html += "</table><br><br>";
    return html;
}

std::string WeakenedSectionsSection(const TReportInput& input) {
    if (input.Beam.HoleCount <= 0) {
        return "";
    }
    std::string html = Title("Ослабленные сечения");
    html += TableStart;
    html += R"(<tr align="center">)"
            R"(<td width="30" rowspan="2">№</td>)"
            R"(<td width="30" rowspan="2">Пр.</td>)"
            R"(<td width="45" rowspan="2">Диам., мм</td>)"
            R"(<td width="45" rowspan="2">Коорд. х, м</td>)"
            R"(<td width="45" rowspan="2">Коорд. y, м</td>)"
            R"(<td width="55" rowspan="2">W, см&sup3;</td>)"
            R"(<td width="55" rowspan="2">I, см&#8308;</td>)"
            R"(<td width="55" rowspan="2">S, см&sup3;</td>)"
            R"(<td colspan="2">Моменты,<br>кг&middot;м</td>)"
            R"(<td colspan="2">Поперечная сила, кг</td>)"
            R"(<td width="90" rowspan="2">Заключение</td>)"
            "</tr>";
    html += R"(<tr align="center">)"
            R"(<td width="60">М<font size="1"> пред</font></td>)"
            R"(<td width="60">М</td>)"
            R"(<td width="60">Q<font size="1"> пред</font></td>)"
            R"(<td width="60">Q</td>)"
            "</tr>";
    int32_t number = 0;
    for (std::size_t span = 0; span < input.Beam.Spans.size(); ++span) {
        for (const TWeak& hole : input.Beam.Spans[span].Weaks) {
            html += HoleRow(hole, ++number, static_cast<int32_t>(span + 1));
        }
    }
    html += "</table><br>";
    html += "Согласно требованиям п.6.2 [1], площадь поперечного сечения нетто деревянных "
            "элементов сквозных несущих конструкций (к коим можно отнести балку, ослабленную "
            "отверстием) должна быть не менее 50 см&sup2;, а также не менее " +
            F(0.5f) +
            " полной площади сечения брутто при симметричном ослаблении. Этот пункт можно "
            "дополнить требованиями других нормативов указывающих, что при несимметричном "
            "ослаблении площадь поперечного сечения нетто должна быть не менее " +
            F(0.67f) + " полной площади брутто.<br><br>";
    html += "Проверка по прогибам и устойчивости с учетом ослабленных сечений не выполнялась. "
            "Влияние ослабленных отверстий на указанные параметры невелико, но все же следует "
            "придерживаться следующих рекомендаций: нужно всячески избегать случаев, когда "
            "сквозь балку пропускаются какие-либо коммуникации, если же этого избежать не "
            "удается, то отверстия нужно размещать на участках балки с малыми значениями "
            "изгибающего момента.<br><br>";
    return html;
}

std::string ConclusionSection(const TReportInput& input) {
    std::string html = Title("Заключение по расчету");
    html += input.Calc.AllChecksPassed
                ? "Так как все проверки выполняются - необходимая прочность и жесткость "
                  "балки обеспечена.<br><br>"
                : "Так как некоторые проверки не выполняются - необходимая прочность и/или "
                  "жесткость балки не обеспечена.<br><br>";
    return html;
}

std::string LiteratureSection() {
    std::string html = Title("Список литературы");
    html += "1. СТО 36554501-002-2006 ''Деревянные клееные и цельнодеревянные конструкции. "
            "Методы проектирования и расчета''.<br>";
    html += "2. " + std::string(DravolitStandard) +
            " ''Деревянные конструкции. Многослойный клееный из шпона "
            "материал Dravolit (Драволит). Общие технические требования''.<br>";
    html += "3. СП 20.13330.2011 ''Нагрузки и воздействия''.<br>";
    return html;
}

} // namespace balka
