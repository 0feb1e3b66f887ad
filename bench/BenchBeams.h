// The beams and the silent view and message sink shared by the benchmarks: a long 30-span
// beam with 200 loads and 40 holes, and the typical two-span floor beam, entered through the
// editors' tables as a user would.
#pragma once

#include "model/Numbers.h"
#include "model/Workspace.h"

#include <string>
#include <vector>

namespace balka::bench {

class NullView : public MainView {
  public:
    void SetCaption(const std::string&) override {}
    void SetStatusText(StatusPanel, const std::string&) override {}
    void ShowSchemeView() override {}
    void ClearDrawing() override {}
    void DrawScheme(TBeam&) override {}
    void DrawDiagrams(const TBeam&) override {}
};

class NullSink : public MessageSink {
  public:
    void ShowMessage(const std::string&) override {}
};

inline void AppendRow(TextTable& grid, int32_t& count, const std::vector<std::string>& cells) {
    if (count > 0) {
        grid.AppendRow();
    }
    ++count;
    grid.SetCell(0, count, std::to_string(count));
    for (size_t i = 0; i < cells.size(); ++i) {
        grid.SetCell(static_cast<int>(i) + 1, count, cells[i]);
    }
}

inline void BuildLongBeam(Workspace& ws) {
    for (int i = 0; i < 30; ++i) {
        AppendRow(ws.Geometry.Grid, ws.Beam.SpanCount, {"6"});
    }
    for (int i = 0; i < 200; ++i) {
        const std::string span = std::to_string(i % 30 + 1);
        const std::string x = FormatCompact(0.5f + static_cast<float>(i % 7) * 0.7f);
        switch (i % 4) {
        case 0:
            AppendRow(ws.Loads.Grid, ws.Beam.LoadCount, {"0", "1", "50", "1,2", "1", " ", " "});
            break;
        case 1:
            AppendRow(ws.Loads.Grid, ws.Beam.LoadCount, {span, "2", "120", "1,3", "0,5", " ", " "});
            break;
        case 2:
            AppendRow(ws.Loads.Grid, ws.Beam.LoadCount, {span, "3", "200", "1,2", "1", x, "1,1"});
            break;
        default:
            AppendRow(ws.Loads.Grid, ws.Beam.LoadCount, {span, "4", "300", "1,2", "1", x, " "});
            break;
        }
    }
    for (int i = 0; i < 40; ++i) {
        const std::string x = i % 2 == 0 ? "0,3" : "5,7";
        AppendRow(ws.Holes.Grid, ws.Beam.HoleCount, {std::to_string(i % 30 + 1), "41", x, "0,15"});
    }
}

inline void BuildTypicalBeam(Workspace& ws) {
    AppendRow(ws.Geometry.Grid, ws.Beam.SpanCount, {"4,5"});
    AppendRow(ws.Geometry.Grid, ws.Beam.SpanCount, {"4,5"});
    AppendRow(ws.Loads.Grid, ws.Beam.LoadCount, {"0", "1", "250", "1,2", "0,7", " ", " "});
}

} // namespace balka::bench
