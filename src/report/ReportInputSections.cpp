// The report's sections from the scheme picture to the design strengths. The loads table's
// cells and the material name come from people and files and are escaped; every other text is
// fixed or a number.
#include "report/ReportInputSections.h"

#include "graphics/ReportPicture.h"
#include "report/ReportText.h"

#include <algorithm>

namespace balka {

using report::EscapeHtml;
using report::F;
using report::I;
using report::TableStart;
using report::Title;

namespace {

std::string Cell(const std::string& text) {
    return "<td>" + EscapeHtml(text) + "</td>";
}

std::string LoadRow(const TextTable& loads, int row) {
    enum Column { SpanColumn = 1, KindColumn, ValueColumn, YfColumn, KdColumn, XColumn, SColumn };
    const std::string& kind = loads.Cell(KindColumn, row);
    std::string html = R"(<tr align="center">)";
    html += Cell(loads.Cell(SpanColumn, row));
    if (kind == "1" || kind == "2") {
        html += "<td>распределенная</td>";
    } else if (kind == "3") {
        html += "<td>распределенная на части</td>";
    } else if (kind == "4") {
        html += "<td>сосредоточенная</td>";
    }
    html += Cell(loads.Cell(ValueColumn, row));
    html += Cell(loads.Cell(YfColumn, row));
    html += Cell(loads.Cell(KdColumn, row));
    if (kind == "1" || kind == "2") {
        html += "<td>-</td><td>-</td>";
    } else if (kind == "3") {
        html += Cell(loads.Cell(XColumn, row));
        html += Cell(loads.Cell(SColumn, row));
    } else {
        html += Cell(loads.Cell(XColumn, row));
        html += "<td>-</td>";
    }
    html += "</tr>";
    return html;
}

std::string TemperatureText(const TDesignInput& design, const TBeamCalc& calc) {
    const std::string factor =
        R"(В соответствии с п.3.2б [1], коэффициент m<font size="1"> т</font> = )" +
        F(calc.TemperatureFactor) + ".<br><br>";
    switch (design.TemperatureMode) {
    case TTemperatureMode::UpTo35:
        return "Конструкция эксплуатируется при установившейся температуре воздуха до 35°С. " +
               factor;
    case TTemperatureMode::From50:
        return "Конструкция эксплуатируется при установившейся температуре воздуха более 50°С. " +
               factor;
    case TTemperatureMode::From35To50:
        break;
    }
    return "Конструкция эксплуатируется при установившейся температуре воздуха " +
           I(design.Temperature) + "°С. " + factor;
}

// " &middot; " + each of the five strength factors + " / " + γк/о, as both design strengths
// print them.
std::string StrengthFactors(const TBeamCalc& calc) {
    return " &middot; " + F(calc.ServiceFactor) + " &middot; " + F(calc.TemperatureFactor) +
           " &middot; " + F(calc.DurationFactorStrength) + " &middot; " + F(calc.HeightFactor) +
           " &middot; " + F(calc.ImpregnationFactor) + " / " + F(calc.ResponsibilityFactor);
}

} // namespace

// The picture lies beside the report and is named relative to it, so the report shows it from
// any folder, whatever characters the folder's path holds and wherever it is moved.
std::string SchemeSection() {
    return Title("Расчетная схема") + R"(<div align="center"><img src=")" +
           std::string(ReportPictureFileName) + R"("></div><br>)";
}

std::string LoadsSection(const TReportInput& input) {
    std::string html = Title("Нагрузки");
    html += TableStart;
    html += R"(<tr align="center">)";
    html += R"(<td width="60">Пролет</td>)";
    html += R"(<td width="190">Тип нагрузки</td>)";
    html += R"(<td width="90">Значение,<br>кг(кг/м.п.)</td>)";
    html += R"(<td width="100">Коэф. надежности &gamma;<font size="1"> f</font></td>)";
    html += R"(<td width="100">Коэф. длительности &gamma;<font size="1"> d</font></td>)";
    html += R"(<td width="90">Привязка Х, м</td>)";
    html += R"(<td width="90">Длина S, м</td>)";
    html += "</tr>";
    // Only the counted rows are loads; the table never has fewer rows than it shows.
    const int rows = std::min(input.Beam.LoadCount, input.Loads.RowCount() - 1);
    for (int row = 1; row <= rows; ++row) {
        html += LoadRow(input.Loads, row);
    }
    html += "</table><br><br>";
    return html;
}

std::string InputDataSection(const TReportInput& input) {
    const TBeamCalc& calc = input.Calc;
    std::string html = Title("Исходные данные");
    html += "Тип материала Dravolit: " + EscapeHtml(input.Design.MaterialName) + ".<br>";
    html += "Ширина сечения: ";
    if (calc.ElementCount > 1) {
        html += I(calc.WidthMm) + " мм (составная из " + I(calc.ElementCount) + " элементов).<br>";
    } else {
        html += I(calc.WidthMm) + " мм.<br>";
    }
    html += "Высота сечения: " + I(calc.HeightMm) + " мм.<br><br>";
    return html;
}

std::string GeometrySection(const TReportInput& input) {
    const TBeamCalc& calc = input.Calc;
    const std::string b = F(calc.WidthCm);
    const std::string h = F(calc.HeightCm);
    std::string html = Title("Геометрические характеристики");
    html += "Момент сопротивления, W = b &middot; h&sup2; / 6 = " + b + " &middot; " + h +
            "&sup2; / 6 = " + F(calc.SectionModulus) + " см&sup3;.<br>";
    html += "Момент инерции, I = b &middot; h&sup3; / 12 = " + b + " &middot; " + h +
            "&sup3; / 12 = " + F(calc.Inertia) + " см&#8308;.<br>";
    html += "Статический момент, S = b &middot; h&sup2; / 8 = " + b + " &middot; " + h +
            "&sup2; / 8 = " + F(calc.StaticMoment) + " см&sup3;.<br><br>";
    return html;
}

std::string StrengthSection(const TReportInput& input) {
    const TBeamCalc& calc = input.Calc;
    std::string html = Title("Прочностные характеристики");
    html += "Прочностные характеристики определяются по табл.7 [2], модуль упругости - по "
            "табл.8 [2].<br>";
    html += R"(Расчетное сопротивление изгибу, R<font size="1"> n</font> = )" +
            F(calc.BendingStrengthNorm) + " МПа.<br>";
    html += R"(Расчетное сопротивление скалыванию, R<font size="1"> s,n</font> = )" +
            F(calc.ShearStrengthNorm) + " МПа.<br>";
    html +=
        R"(Модуль упругости, E<font size="1"> n</font> = )" + F(calc.ModulusNorm) + " МПа.<br><br>";
    return html;
}

std::string CoefficientsSection(const TReportInput& input) {
    const TBeamCalc& calc = input.Calc;
    const TDesignInput& design = input.Design;
    std::string html = Title("Коэффициенты условий работы");
    // Two blanks before "m": the sentence and the symbol were always joined that way.
    html += "Температурно-влажностные условия эксплуатации соответствуют классу " +
            I(design.ServiceClass) +
            " по табл.6 [2]. В соответствии с п.7.5 [2], коэффициент условий эксплуатации "
            R"( m<font size="1"> в</font> = )" +
            F(calc.ServiceFactor) + ".<br><br>";
    html += TemperatureText(design, calc);
    html += "Процент напряжений в балке от расчетных постоянных и временных длительных нагрузок "
            " будем оценивать по проценту суммарного значения этих нагрузок от полной. Доля "
            "расчетных постоянных и временных длительных нагрузок составляет " +
            F(calc.LongTermShareDesign) +
            "%. В соответствии с п.3.2в [1], "
            R"(коэффициент m<font size="1"> д,1</font> = )" +
            F(calc.DurationFactorStrength) + ".<br><br>";
    html += "Доля нормативных постоянных и временных длительных нагрузок составляет " +
            F(calc.LongTermShareNormative) +
            R"(%. В соответствии с п.3.2в [1], коэффициент m<font size="1"> д,2</font> = )" +
            F(calc.DurationFactorStiffness) + ".<br><br>";
    html += "Высота сечения - " + I(calc.HeightMm) +
            " мм. В соответствии с п.3.2д [1] и табл.7 [1], коэффициент "
            R"(m<font size="1"> б</font> = )" +
            F(calc.HeightFactor) + ".<br><br>";
    if (design.Impregnated) {
        html += "Балка подвергнута глубокой пропитке антипиренами под давлением. "
                R"(В соответствии с п.3.2ж [1], коэффициент m<font size="1"> а</font> = )" +
                F(calc.ImpregnationFactor) + ".<br><br>";
    } else {
        html += "Балка не подвергнута глубокой пропитке антипиренами под давлением. "
                R"(В соответствии с п.3.2ж [1] коэффициент m<font size="1"> а</font> = )" +
                F(calc.ImpregnationFactor) + ".<br><br>";
    }
    // Two blanks after "=", as the report has always printed it.
    html += "По приложению И [2] класс ответственности конструкции - " +
            I(design.ResponsibilityClass) +
            ". В соответствии с п.3.2 [1] и табл.9а [1], коэффициент "
            R"(&gamma;<font size="1"> к/о</font> =  )" +
            F(calc.ResponsibilityFactor) + ".<br><br>";
    return html;
}

std::string DesignStrengthsSection(const TReportInput& input) {
    const TBeamCalc& calc = input.Calc;
    std::string html = Title("Расчетные значения прочностных характеристик");
    html += "Определим расчетные значения прочностных характеристик умножением их "
            "нормативных значений на коэффициенты условий работы.<br>";
    html += R"(R = R<font size="1"> n</font> &middot; m<font size="1"> в</font>)"
            R"( &middot; m<font size="1"> т</font> &middot; m<font size="1"> д,1</font>)"
            R"( &middot; m<font size="1"> б</font> &middot; m<font size="1"> а</font>)"
            R"( / &gamma;<font size="1"> к/о</font> = )" +
            F(calc.BendingStrengthNorm) + StrengthFactors(calc) + " = " + F(calc.BendingStrength) +
            " МПа.<br>";
    html +=
        R"(R<font size="1"> s</font> = R<font size="1"> s,n</font> &middot; )"
        R"(m<font size="1"> в</font> &middot; m<font size="1"> т</font> &middot; m<font size="1"> д,1</font>)"
        R"( &middot; m<font size="1"> б</font> &middot; m<font size="1"> а</font>)"
        R"( / &gamma;<font size="1"> к/о</font> = )" +
        F(calc.ShearStrengthNorm) + StrengthFactors(calc) + " = " + F(calc.ShearStrength) +
        " МПа.<br>";
    html += R"(E = E<font size="1"> n</font> &middot; m<font size="1"> в</font>)"
            R"( &middot; m<font size="1"> т</font> &middot; m<font size="1"> д,2</font> = )" +
            F(calc.ModulusNorm) + " &middot; " + F(calc.ServiceFactor) + " &middot; " +
            F(calc.TemperatureFactor) + " &middot; " + F(calc.DurationFactorStiffness) + " = " +
            F(calc.Modulus) + " МПа.<br><br>";
    return html;
}

} // namespace balka
