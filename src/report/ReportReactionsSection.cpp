// The reactions are computed from the beam's loads as entered, so the deflection loads that the
// design has left in the beam do not reach them. Positions are whole millimetres, forces kg,
// moments kg*m; a sloped beam's reactions are vertical forces and the report says so.
#include "report/ReportReactionsSection.h"

#include "report/ReportText.h"
#include "statics/SupportReactions.h"

namespace balka {

using report::EscapeHtml;
using report::F;
using report::I;
using report::TableStart;
using report::Title;

namespace {

std::string Cell(const std::string& value) {
    return "<td>" + value + "</td>";
}

} // namespace

std::string ReactionsSection(const TReportInput& input) {
    const TSupportReactions reactions = ComputeSupportReactions(input.Beam);
    if (reactions.Supports.empty()) {
        return "";
    }
    std::string html = Title("Опорные реакции");
    html += "Реакции опор от расчетных (F &middot; &gamma;<font size=\"1\"> f</font>), "
            "нормативных (F) и длительных нормативных (F &middot; &gamma;<font size=\"1\"> "
            "d</font>) нагрузок; реакции, направленные вверх, положительны. Момент в заделке "
            "- от расчетных нагрузок, знак как на эпюре моментов.<br>";
    if (reactions.Sloped) {
        html += "Балка наклонная: реакции опор - вертикальные силы.<br>";
    }
    html += "<br>";
    html += TableStart;
    html += R"(<tr align="center">)"
            R"(<td width="60" rowspan="2">Опора</td>)"
            R"(<td width="60" rowspan="2">X, мм</td>)"
            R"(<td colspan="3">Реакции,<br>кг</td>)"
            R"(<td width="90" rowspan="2">Момент в заделке,<br>кг&middot;м</td>)"
            "</tr>";
    html += R"(<tr align="center">)"
            R"(<td width="90">расчетная</td>)"
            R"(<td width="90">нормативная</td>)"
            R"(<td width="90">длительная</td>)"
            "</tr>";
    int32_t number = 0;
    for (const TSupportReaction& support : reactions.Supports) {
        html += R"(<tr align="center">)";
        html += Cell(I(++number)) + Cell(I(support.X));
        html += Cell(F(support.Design)) + Cell(F(support.Normative)) + Cell(F(support.LongTerm));
        html += Cell(support.Moment ? F(*support.Moment) : "-");
        html += "</tr>";
    }
    html += "</table><br>";
    const std::string imbalance = ReactionBalanceMessage(reactions);
    if (!imbalance.empty()) {
        html += "<b>" + EscapeHtml(imbalance) + "</b><br>";
    }
    html += "<br>";
    return html;
}

} // namespace balka
