#include "workspace/ProjectChange.h"

#include <array>
#include <utility>

namespace balka {

namespace {

// "добавление"/"удаление"/"изменение" of a table's row, or empty when the table is the same.
std::string TableChange(const TextTable& before, int32_t beforeCount, const TextTable& after,
                        int32_t afterCount, const std::string& noun) {
    if (afterCount > beforeCount) {
        return "добавление " + noun;
    }
    if (afterCount < beforeCount) {
        return "удаление " + noun;
    }
    return SameRows(before, after, afterCount) ? std::string() : "изменение " + noun;
}

// The one text box of the design dialog that differs, or empty.
std::string SingleTextField(const DesignSettings& a, const DesignSettings& b) {
    const std::array<std::pair<const char*, bool>, 8> fields = {{
        {"edWidthCount", a.WidthCount != b.WidthCount},
        {"cbWidth", a.Width != b.Width},
        {"cbHeight", a.Height != b.Height},
        {"edTemp", a.Temp != b.Temp},
        {"edLP", a.LP != b.LP},
        {"edMmax", a.Mmax != b.Mmax},
        {"edKf", a.Kf != b.Kf},
        {"edRastCount", a.RastCount != b.RastCount},
    }};
    std::string changed;
    for (const auto& [name, differs] : fields) {
        if (differs) {
            if (!changed.empty()) {
                return {};
            }
            changed = name;
        }
    }
    DesignSettings withText = b;
    withText.WidthCount = a.WidthCount;
    withText.Width = a.Width;
    withText.Height = a.Height;
    withText.Temp = a.Temp;
    withText.LP = a.LP;
    withText.Mmax = a.Mmax;
    withText.Kf = a.Kf;
    withText.RastCount = a.RastCount;
    return withText == a ? changed : std::string();
}

} // namespace

ProjectChange DescribeChange(const ProjectData& before, const ProjectData& after) {
    std::string action =
        TableChange(before.Spans, before.SpanCount, after.Spans, after.SpanCount, "пролета");
    if (action.empty() && before.Angle != after.Angle) {
        action = "изменение угла наклона";
    }
    if (action.empty() && (before.LeftSupportIndex != after.LeftSupportIndex ||
                           before.RightSupportIndex != after.RightSupportIndex)) {
        action = "изменение опор";
    }
    if (action.empty()) {
        action =
            TableChange(before.Loads, before.LoadCount, after.Loads, after.LoadCount, "нагрузки");
    }
    if (action.empty()) {
        action =
            TableChange(before.Holes, before.HoleCount, after.Holes, after.HoleCount, "отверстия");
    }
    if (!action.empty()) {
        return {action, {}};
    }
    return {"изменение параметров расчета", SingleTextField(before.Design, after.Design)};
}

} // namespace balka
