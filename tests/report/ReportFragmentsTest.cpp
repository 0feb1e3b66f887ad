#include "report/ComposeReport.h"

#include "model/Numbers.h"
#include "report/ReportCheckSections.h"
#include "report/ReportRecords.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace balka {
namespace {

using test::CheckedHole;
using test::RecordsOfSpans;
using test::ReportRecords;

// Records of one variant of the beam and what its report must and must not contain.
struct FragmentCase {
    const char* Name;
    ReportRecords (*Make)();
    std::vector<std::string> Present;
    std::vector<std::string> Absent;
};

void PrintTo(const FragmentCase& value, std::ostream* out) {
    *out << value.Name;
}

class ReportFragmentsTest : public ::testing::TestWithParam<FragmentCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(ReportFragmentsTest, HoldsAndLacksItsFragments) {
    const ReportRecords records = GetParam().Make();
    const std::string report = ComposeReport(records.Input());
    for (const std::string& fragment : GetParam().Present) {
        EXPECT_NE(report.find(fragment), std::string::npos) << "missing: " << fragment;
    }
    for (const std::string& fragment : GetParam().Absent) {
        EXPECT_EQ(report.find(fragment), std::string::npos) << "unexpected: " << fragment;
    }
}

ReportRecords OneSpan() {
    return RecordsOfSpans({6000});
}

ReportRecords TwoSpansWithHoles() {
    ReportRecords records = RecordsOfSpans({6000, 4500});
    records.Beam.Spans[0].Weaks.push_back(CheckedHole(50, 1500, 150));
    TWeak outside = CheckedHole(40, 500, 350);
    outside.Outside = true;
    records.Beam.Spans[1].Weaks.push_back(outside);
    TWeak tooWeak = CheckedHole(280, 1000, 150);
    tooWeak.TooWeak = true;
    records.Beam.Spans[1].Weaks.push_back(tooWeak);
    TWeak overloaded = CheckedHole(60, 2250, 150);
    overloaded.ZoneMaxQ = 1600.5f;
    records.Beam.Spans[1].Weaks.push_back(overloaded);
    records.Beam.HoleCount = 4;
    return records;
}

ReportRecords FewTensileRestraints() {
    ReportRecords records = OneSpan();
    records.Calc.RestraintCount = 2;
    records.Calc.SpanCalcs[0].Kpm = 1.5f;
    records.Calc.SpanCalcs[0].PhiMTotal = 3.75f;
    return records;
}

ReportRecords ManyTensileRestraints() {
    ReportRecords records = FewTensileRestraints();
    records.Calc.RestraintCount = 5;
    return records;
}

ReportRecords GivenStabilityInputs() {
    ReportRecords records = OneSpan();
    records.Calc.Lp = 2.5f;
    records.Calc.MomentLp = 300;
    records.Calc.Kf = 1.75f;
    return records;
}

ReportRecords OverhangOnTheRight() {
    ReportRecords records = RecordsOfSpans({6000, 1500});
    records.Beam.RightSupport = SupportFree;
    records.Beam.Spans[1].Type = 4;
    records.Calc.SpanCalcs[1].DeflectionLimit = 15;
    records.Calc.SpanCalcs[1].MaxDeflectionX = 1.5f;
    return records;
}

ReportRecords SingleCantileverFreeOnTheLeft() {
    ReportRecords records = OneSpan();
    records.Beam.LeftSupport = SupportFree;
    records.Beam.RightSupport = SupportFixed;
    records.Beam.Spans[0].Type = 5;
    // The single cantilever's deflection step leaves the position as it found it.
    records.Calc.SpanCalcs[0].MaxDeflectionX = 0.123f;
    return records;
}

ReportRecords SingleCantileverFreeOnTheRight() {
    ReportRecords records = SingleCantileverFreeOnTheLeft();
    records.Beam.LeftSupport = SupportFixed;
    records.Beam.RightSupport = SupportFree;
    records.Beam.Spans[0].Type = 4;
    return records;
}

ReportRecords ThreeElementsHotImpregnated() {
    ReportRecords records = OneSpan();
    records.Calc.ElementCount = 3;
    records.Calc.WidthMm = 135;
    records.Design.TemperatureMode = TTemperatureMode::From35To50;
    records.Design.Temperature = 41;
    records.Calc.TemperatureFactor = 0.92f;
    records.Design.Impregnated = true;
    records.Calc.ImpregnationFactor = 0.9f;
    records.Design.ServiceClass = 3;
    records.Design.ResponsibilityClass = 1;
    records.Design.LongTermDeflection = true;
    return records;
}

ReportRecords AboveFifty() {
    ReportRecords records = OneSpan();
    records.Design.TemperatureMode = TTemperatureMode::From50;
    records.Calc.TemperatureFactor = 0.8f;
    return records;
}

ReportRecords EveryLoadKind() {
    ReportRecords records = RecordsOfSpans({6000, 4500});
    records.AddLoadRow({"1", "2", "50", "1,3", "0,5", " ", " "});
    records.AddLoadRow({"2", "3", "75,5", "1,2", "0,35", "0,5", "1,25"});
    records.AddLoadRow({"2", "4", "1200", "1,05", "1", "2,25", " "});
    return records;
}

ReportRecords EveryCheckFails() {
    ReportRecords records = RecordsOfSpans({6000});
    records.Calc.MaxMoment = 12345.6f;
    records.Calc.MaxShear = 2400.4f;
    records.Calc.SpanCalcs[0].Stress = 20.01f;
    records.Calc.SpanCalcs[0].Deflection = 30.5f;
    records.Calc.AllChecksPassed = false;
    return records;
}

ReportRecords MaterialNameWithMarkup() {
    ReportRecords records = OneSpan();
    records.Design.MaterialName = "<b>B & \"C\"";
    records.Loads.SetCell(3, 1, "<i>100");
    return records;
}

// 100 kg/m with Yf 1,2 and Kd 0,5 over the 6 m span, held by the beam model as the statics reads
// it; the loads table keeps its own row.
TLoad SpanLoad(int32_t slopeLength) {
    TLoad load;
    load.Type = LoadWholeSpan;
    load.F = 100;
    load.Yf = 1.2f;
    load.Kd = 0.5f;
    load.DesignValue = 120;
    load.Length = 6000;
    load.SlopeLength = slopeLength;
    return load;
}

ReportRecords FixedEndUnderLoad() {
    ReportRecords records = OneSpan();
    records.Beam.LeftSupport = SupportFixed;
    records.Beam.Spans[0].Loads.push_back(SpanLoad(6000));
    return records;
}

ReportRecords SlopedSpan() {
    ReportRecords records = OneSpan();
    records.Beam.SlopeAngle = 30;
    return records;
}

// A load the statics sees over twice its horizontal length.
ReportRecords ReactionsThatDoNotAddUp() {
    ReportRecords records = OneSpan();
    records.Beam.Spans[0].Loads.push_back(SpanLoad(12000));
    return records;
}

const FragmentCase FragmentCases[] = {
    {"OneSpanWithoutHoles",
     OneSpan,
     {"Расчетная длина пролета, l = 6000 мм.<br>", "Ширина сечения: 100 мм.<br>",
      "Прогибы определяются от постоянных и временных кратковременных нагрузок.<br><br>",
      "<tr align=\"center\"><td>1</td><td>6</td><td>1200</td><td>450</td><td>2400</td>"
      "<td>360</td><td>20</td><td>6,5</td><td>30</td><td>8,5</td><td>3</td></tr>",
      "Так как все проверки выполняются - необходимая прочность и жесткость балки "
      "обеспечена.<br><br>"},
     {"<b>Пролет ", "Ослабленные сечения", "Согласно требованиям п.6.2 [1]",
      "Проверка по прогибам и устойчивости с учетом ослабленных сечений"}},
    {"TwoSpansWithHoles",
     TwoSpansWithHoles,
     {"<b>Пролет 1.</b><br>Расстояние между точками раскрепления сжатой кромки, "
      "l<font size=\"1\"> p</font> = 6000 мм.<br>",
      "<b>Пролет 2.</b><br>Расстояние между точками раскрепления сжатой кромки, "
      "l<font size=\"1\"> p</font> = 4500 мм.<br>",
      "<b>Пролет 2.</b><br>Расчетная длина пролета, l = 4500 мм.<br>",
      "<b><u>Ослабленные сечения</u></b><br><br>",
      "<tr align=\"center\"><td>1</td><td>1</td><td>50</td><td>1,5</td><td>0,15</td>"
      "<td>1000</td><td>15000</td><td>750</td><td>800</td><td>300</td><td>1600</td>"
      "<td>200</td><td>проходит</td></tr>",
      "<tr align=\"center\"><td>2</td><td>2</td><td>40</td><td>0,5</td><td>0,35</td>"
      "<td colspan=\"8\">вертикальная привязка ''у'' находится вне сечения</td></tr>",
      "<tr align=\"center\"><td>3</td><td>2</td><td>280</td><td>1</td><td>0,15</td>"
      "<td colspan=\"8\">не выполняются требования п.6.2 [1]</td></tr>",
      "<td>1600,5</td><td>не проходит</td></tr></table><br>Согласно требованиям п.6.2 [1]",
      "быть не менее 0,67 полной площади брутто.<br><br>Проверка по прогибам и устойчивости"},
     {}},
    {"FewTensileRestraints",
     FewTensileRestraints,
     {"Количество точек раскрепления растянутой кромки, m = 2.<br>",
      "k<font size=\"1\"> пм</font> = 1 + [0,142 &middot; 6000 / 300 + 1,76 &middot; 300 / "
      "6000 - 1] &middot; [2&sup2; / (2&sup2; + 1)] = 1,5.<br>",
      "&phi;<font size=\"1\"> м</font> = &phi;<font size=\"1\"> м</font> &middot; "
      "k<font size=\"1\"> пм</font> = 2,5 &middot; 1,5 = 3,75.<br>",
      "&sigma; = (10) &middot; 450 / (3,75 &middot; 1500) = 6,5 МПа.<br>"},
     {"более трех"}},
    {"ManyTensileRestraints",
     ManyTensileRestraints,
     {"Количество точек раскрепления растянутой кромки, m = 5.<br>",
      "Количество точек раскрепления растянутой кромки более трех, следовательно выражение "
      "[m&sup2; / (m&sup2; + 1)] из формулы 24 [1] принимаем равным единице.<br>"
      "k<font size=\"1\"> пм</font> = 1 + [0,142 &middot; 6000 / 300 + 1,76 &middot; 300 / "
      "6000 - 1] &middot; 1 = 1,5.<br>"},
     {"[5&sup2;"}},
    {"UnrestrainedWithDefaultShape",
     OneSpan,
     {"k<font size=\"1\"> ф</font> = 1,13.<br>", "M = 450 кг&middot;м.<br>",
      "&phi;<font size=\"1\"> м</font> = 140 &middot; 100&sup2; &middot; 1,13 / (6000 "
      "&middot; 300) = 2,5 .<br>Определим максимальное напряжение изгиба &sigma;.<br>"},
     {"Количество точек раскрепления растянутой кромки", "умножим на коэффициент",
      "k<font size=\"1\"> пм</font> = 1 + [0,142 &middot; 6000"}},
    {"GivenStabilityInputs",
     GivenStabilityInputs,
     {"l<font size=\"1\"> p</font> = 2500 мм.<br>",
      "Максимальный момент на участке l<font size=\"1\"> p</font>, M = 300 кг&middot;м.<br>",
      "k<font size=\"1\"> ф</font> = 1,75.<br>",
      "&phi;<font size=\"1\"> м</font> = 140 &middot; 100&sup2; &middot; 1,75 / (2500 "
      "&middot; 300) = 2,5 .<br>"},
     {"1,13"}},
    {"OverhangOnTheRight",
     OverhangOnTheRight,
     {"Так как пролет консольный, расчетную длину нужно удвоить в соответствии с "
      "примечанием 1 к табл.Е.1 [3].<br>U<font size=\"1\"> пред</font> = 2 &middot; l / 200 "
      "= 2 &middot; 1500 / 200 = 15 мм. <br>",
      "U<font size=\"1\"> пред</font> = l / 200 = 6000 / 200 = 30 мм. <br>",
      "координата максимального прогиба x = 1,5 м).<br>"},
     {}},
    {"SingleCantileverFreeOnTheLeft",
     SingleCantileverFreeOnTheLeft,
     {"координата максимального прогиба x = 0 м).<br>", "<td>8,5</td><td>0</td></tr>",
      "U<font size=\"1\"> пред</font> = 2 &middot; l / 200"},
     {"0,123", "<b>Пролет "}},
    {"SingleCantileverFreeOnTheRight",
     SingleCantileverFreeOnTheRight,
     {"координата максимального прогиба x = 6 м).<br>", "<td>8,5</td><td>6</td></tr>"},
     {"0,123"}},
    {"ThreeElementsHotImpregnated",
     ThreeElementsHotImpregnated,
     {"Ширина сечения: 135 мм (составная из 3 элементов).<br>",
      "соответствуют классу 3 по табл.6 [2]. В соответствии с п.7.5 [2], коэффициент условий "
      "эксплуатации  m<font size=\"1\"> в</font> = 1.<br><br>",
      "Конструкция эксплуатируется при установившейся температуре воздуха 41°С. В "
      "соответствии с п.3.2б [1], коэффициент m<font size=\"1\"> т</font> = 0,92.<br><br>",
      "Балка подвергнута глубокой пропитке антипиренами под давлением. В соответствии с "
      "п.3.2ж [1], коэффициент m<font size=\"1\"> а</font> = 0,9.<br><br>",
      "класс ответственности конструкции - 1. В соответствии с п.3.2 [1] и табл.9а [1], "
      "коэффициент &gamma;<font size=\"1\"> к/о</font> =  1.<br><br>",
      "Прогибы определяются от постоянных и временных длительных нагрузок.<br><br>"},
     {"Балка не подвергнута", "до 35°С"}},
    {"UpToThirtyFive",
     OneSpan,
     {"Конструкция эксплуатируется при установившейся температуре воздуха до 35°С. В "
      "соответствии с п.3.2б [1], коэффициент m<font size=\"1\"> т</font> = 1.<br><br>",
      "Балка не подвергнута глубокой пропитке антипиренами под давлением. В соответствии с "
      "п.3.2ж [1] коэффициент m<font size=\"1\"> а</font> = 1.<br><br>"},
     {"более 50°С"}},
    {"AboveFifty",
     AboveFifty,
     {"Конструкция эксплуатируется при установившейся температуре воздуха более 50°С. В "
      "соответствии с п.3.2б [1], коэффициент m<font size=\"1\"> т</font> = 0,8.<br><br>"},
     {}},
    {"EveryLoadKind",
     EveryLoadKind,
     {"<td width=\"90\">Длина S, м</td></tr><tr align=\"center\"><td>0</td><td>распределенная</td>"
      "<td>100</td><td>1,2</td><td>1</td><td>-</td><td>-</td></tr>",
      "<tr align=\"center\"><td>1</td><td>распределенная</td><td>50</td><td>1,3</td>"
      "<td>0,5</td><td>-</td><td>-</td></tr>",
      "<tr align=\"center\"><td>2</td><td>распределенная на части</td><td>75,5</td>"
      "<td>1,2</td><td>0,35</td><td>0,5</td><td>1,25</td></tr>",
      "<tr align=\"center\"><td>2</td><td>сосредоточенная</td><td>1200</td><td>1,05</td>"
      "<td>1</td><td>2,25</td><td>-</td></tr></table><br><br>"},
     {}},
    {"EveryCheckFails",
     EveryCheckFails,
     {"Максимальный действующий момент из статического расчета балки, М = 12346 "
      "кг&middot;м.<br>Так как максимальный действующий момент больше "
      "предельно-допустимого (12346 &gt; 1200), несущая способность по моменту не "
      "обеспечена.<br><br>",
      "Так как максимальная поперечная сила больше предельно-допустимой (2400,4 &gt; 2400), "
      "несущая способность по поперечной силе не обеспечена.<br><br>",
      "Условие 22 [1] не выполняется (&sigma; &gt; R , 20,01 &gt; 20), устойчивость плоской формы "
      "деформирования не обеспечена.<br><br>",
      "Так как максимальный прогиб больше предельно-допустимого (30,5 &gt; 30), необходимая "
      "жесткость не обеспечена.<br><br>",
      "Так как некоторые проверки не выполняются - необходимая прочность и/или жесткость "
      "балки не обеспечена.<br><br>"},
     {"обеспечена.<br><br>Так как все проверки"}},
    {"FixedEndReactions",
     FixedEndUnderLoad,
     // 5wL/8 with -wL^2/8 at the fixed end, 3wL/8 at the hinge.
     {"<b><u>Опорные реакции</u></b><br><br>Реакции опор от расчетных (F &middot; "
      "&gamma;<font size=\"1\"> f</font>), нормативных (F) и длительных нормативных (F "
      "&middot; &gamma;<font size=\"1\"> d</font>) нагрузок; реакции, направленные вверх, "
      "положительны. Момент в заделке - от расчетных нагрузок, знак как на эпюре "
      "моментов.<br><br><table",
      "<td width=\"90\">длительная</td></tr><tr align=\"center\"><td>1</td><td>0</td>"
      "<td>450</td><td>375</td><td>187,5</td><td>-540</td></tr>",
      "<tr align=\"center\"><td>2</td><td>6000</td><td>270</td><td>225</td><td>112,5</td>"
      "<td>-</td></tr></table><br><br>"},
     {"Балка наклонная", "Сумма реакций"}},
    {"SlopedReactions",
     SlopedSpan,
     {"знак как на эпюре моментов.<br>Балка наклонная: реакции опор - вертикальные "
      "силы.<br><br><table"},
     {}},
    {"ReactionsThatDoNotAddUp",
     ReactionsThatDoNotAddUp,
     {"</table><br><b>Сумма реакций опор (1440 кг) не совпадает с суммой расчетных нагрузок "
      "(720 кг).</b><br><br>"},
     {}},
    {"EveryCheckPasses",
     OneSpan,
     {"Так как максимальный действующий момент меньше предельно-допустимого (450 &lt; 1200), "
      "несущая способность по моменту обеспечена.<br><br>",
      "Так как максимальная поперечная сила меньше предельно-допустимой (360 &lt; 2400), "
      "несущая способность по поперечной силе обеспечена.<br><br>",
      "Условие 22 [1] выполняется (&sigma; &lt; R , 6,5 &lt; 20), устойчивость плоской формы "
      "деформирования обеспечена.<br><br>",
      "Так как максимальный прогиб меньше предельно-допустимого (8,5 &lt; 30), необходимая "
      "жесткость обеспечена.<br><br>"},
     {" < ", " > "}},
    // The slips of spelling and punctuation are mended; formulas carry the decimal comma and the
    // units their superscripts.
    {"WordingMended",
     TwoSpansWithHoles,
     {"Момент инерции, I = b &middot; h&sup3; / 12 = 10 &middot; 30&sup3; / 12 = 22500 "
      "см&#8308;.<br>",
      "М<font size=\"1\"> пред</font> = (0,1) &middot; 1500 &middot; 20 = 1200 кг&middot;м.<br>",
      "I - момент инерции сечения, см&#8308;,<br>",
      "<div align=\"center\">k<font size=\"1\"> пм</font> = 1 + [0,142 &middot; l<font "
      "size=\"1\"> p</font> / h + 1,76 &middot; h / l<font size=\"1\"> p</font> - 1] &middot; "
      "[m&sup2; / (m&sup2; + 1)] , где</div><br>",
      "h, l<font size=\"1\"> p</font> - то же, что и в формуле 23 [1],<br>",
      "Определим максимальное напряжение изгиба &sigma;.<br>",
      "Предельно-допустимый прогиб определяется как доля пролета в соответствии с табл.16 [1] "
      "и табл.Е.1 [3].<br><br>",
      "<div align=\"center\">U = [1 + c &middot; (h / l)&sup2;] &middot; U<font size=\"1\"> "
      "0</font> / k , где</div><br>",
      "k - коэффициент принимаемый равным 1 для балок постоянного сечения,<br>",
      "c - коэффициент, учитывающий влияние деформаций сдвига и определяемый по табл.Г.3 "
      "[1],<br>",
      "U = [1 + 19,2 &middot; (300 / 6000)&sup2;] &middot; 8 / 1 = 8,5 мм.<br>",
      "Определим предельно допустимый прогиб U<font size=\"1\"> пред</font>.<br>",
      "<td width=\"55\" rowspan=\"2\">I, см&#8308;</td>",
      "Согласно требованиям п.6.2 [1], площадь поперечного сечения нетто деревянных элементов "
      "сквозных несущих конструкций (к коим можно отнести балку, ослабленную отверстием) "
      "должна быть не менее 50 см&sup2;, а также не менее 0,5 полной площади сечения брутто при "
      "симметричном ослаблении. Этот пункт можно дополнить требованиями других нормативов "
      "указывающих, что при несимметричном ослаблении площадь поперечного сечения нетто должна "
      "быть не менее 0,67 полной площади брутто.<br><br>",
      "нужно всячески избегать случаев, когда сквозь балку пропускаются какие-либо "
      "коммуникации, если же"},
     {"определется", "принмиаемый", "напряжения изгиба", "Согласно требований", "не симметричном",
      "какие либо", "коэффициент учитывающий", "же что и", "определим предельно", "c примечанием",
      "(0.1)", "0.142", "1.76", "1.13", "0.5 ", "0.67", "см4", "см2", "&sup2]"}},
    {"MaterialNameWithMarkup",
     MaterialNameWithMarkup,
     {"Тип материала Dravolit: &lt;b&gt;B &amp; &quot;C&quot;.<br>", "<td>&lt;i&gt;100</td>"},
     {"<b>B", "<i>"}},
};

INSTANTIATE_TEST_SUITE_P(Variants, ReportFragmentsTest, ::testing::ValuesIn(FragmentCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// The first problem an HTML reader would meet in the text, or nothing: a "<" that opens no tag,
// a ">" outside a tag, an "&" that starts no known character reference, an element closed out of
// order or never closed (br and img have no end tag).
std::string MarkupProblem(const std::string& html) {
    const std::set<std::string> empty = {"br", "img"};
    const std::set<std::string> references = {"lt",   "gt",   "amp",   "quot",  "middot",
                                              "sup2", "sup3", "gamma", "sigma", "phi"};
    std::vector<std::string> open;
    for (std::size_t i = 0; i < html.size(); ++i) {
        const std::string near = html.substr(i, 40);
        if (html[i] == '>') {
            return "bare '>' at: " + near;
        }
        if (html[i] == '&') {
            const std::size_t end = html.find(';', i);
            const std::string name = html.substr(i + 1, end == std::string::npos ? 0 : end - i - 1);
            const bool numeric = name.size() > 1 && name[0] == '#' &&
                                 name.find_first_not_of("0123456789", 1) == std::string::npos;
            if (!numeric && references.count(name) == 0) {
                return "unknown reference at: " + near;
            }
            continue;
        }
        if (html[i] != '<') {
            continue;
        }
        const std::size_t end = html.find('>', i);
        const bool closing = html.compare(i + 1, 1, "/") == 0;
        const std::size_t nameStart = i + (closing ? 2 : 1);
        const std::size_t nameEnd =
            html.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789", nameStart);
        if (end == std::string::npos || nameEnd == nameStart ||
            (html[nameEnd] != '>' && html[nameEnd] != ' ')) {
            return "'<' that opens no tag at: " + near;
        }
        const std::string name = html.substr(nameStart, nameEnd - nameStart);
        if (closing) {
            if (open.empty() || open.back() != name) {
                return "</" + name + "> out of order at: " + near;
            }
            open.pop_back();
        } else if (empty.count(name) == 0) {
            open.push_back(name);
        }
        i = end;
    }
    return open.empty() ? "" : "<" + open.back() + "> never closed";
}

class ReportMarkupTest : public ::testing::TestWithParam<FragmentCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(ReportMarkupTest, IsWellFormedHtml) {
    EXPECT_EQ(MarkupProblem(ComposeReport(GetParam().Make().Input())), "");
}

INSTANTIATE_TEST_SUITE_P(Variants, ReportMarkupTest, ::testing::ValuesIn(FragmentCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ReportMarkupCheckTest, FindsWhatBrokeEarlierReports) {
    EXPECT_NE(MarkupProblem("<html><body>(1155,6 < 2160)</body></html>"), "");
    EXPECT_NE(MarkupProblem("<html><body>(h / l)&sup2] </body></html>"), "");
    EXPECT_NE(MarkupProblem("<html><body><table><tr><td>a</td><tr><td>b</td></tr></table>"
                            "</body></html>"),
              "");
    EXPECT_NE(MarkupProblem("<html><body></html></body>"), "");
    EXPECT_EQ(MarkupProblem("<html><body><img src=\"picture.jpg\"><br>&lt;&#8308;</body></html>"),
              "");
}

class ReportFrameTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(ReportFrameTest, SectionsFollowInTheirOrderBetweenTheOpeningAndClosingTags) {
    const std::string report = ComposeReport(TwoSpansWithHoles().Input());
    const std::string head = "<html><body><div align=\"center\"><font face=\"TimesNewRoman\">"
                             "<h2>Расчет балки Dravolit</h2></font></div><br><b><u>Расчетная "
                             "схема</u></b><br><br><div align=\"center\"><img "
                             "src=\"picture.jpg\"></div><br><b><u>Нагрузки";
    EXPECT_EQ(report.substr(0, head.size()), head);
    const std::string tail =
        "<br>3. СП 20.13330.2011 ''Нагрузки и воздействия''.<br></body></html>";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail);

    const char* titles[] = {"Расчетная схема",
                            "Нагрузки",
                            "Исходные данные",
                            "Геометрические характеристики",
                            "Прочностные характеристики",
                            "Коэффициенты условий работы",
                            "Расчетные значения прочностных характеристик",
                            "Проверка по моменту",
                            "Проверка по поперечной силе",
                            "Проверка устойчивости плоской формы деформирования",
                            "Проверка по прогибам",
                            "Итоговая сводная таблица",
                            "Опорные реакции",
                            "Ослабленные сечения",
                            "Заключение по расчету",
                            "Список литературы"};
    std::size_t previous = 0;
    for (const char* title : titles) {
        const std::string fragment = std::string("<b><u>") + title + "</u></b><br><br>";
        const std::size_t at = report.find(fragment);
        ASSERT_NE(at, std::string::npos) << title;
        EXPECT_GT(at, previous) << title;
        EXPECT_EQ(report.find(fragment, at + 1), std::string::npos) << title;
        previous = at;
    }
}

TEST_F(ReportFrameTest, SecondLiteratureEntryNamesTheMaterialStandard) {
    const std::string report = ComposeReport(OneSpan().Input());
    EXPECT_NE(report.find("<br>2. " + std::string(DravolitStandard) +
                          " ''Деревянные конструкции. Многослойный клееный из шпона материал "
                          "Dravolit (Драволит). Общие технические требования''.<br>3. "),
              std::string::npos);
}

TEST_F(ReportFrameTest, ReadsOnlyTheCountedLoadRows) {
    ReportRecords records = OneSpan();
    records.Loads.AppendRow();
    records.Loads.SetCell(1, 2, "99");
    records.Beam.LoadCount = 5; // more than the table holds: only its real rows are read
    const std::string report = ComposeReport(records.Input());
    EXPECT_NE(report.find("<td>99</td>"), std::string::npos);
    records.Beam.LoadCount = 1;
    EXPECT_EQ(ComposeReport(records.Input()).find("<td>99</td>"), std::string::npos);
}

} // namespace
} // namespace balka
