// The beams and the silent view and message sink shared by the benchmarks: a long 30-span
// beam with 200 loads and 40 holes, and the typical two-span floor beam, entered through the
// editors' tables as a user would.
#pragma once

#include "model/Numbers.h"
#include "model/SilentMainView.h"
#include "support/TableRows.h"
#include "workspace/Workspace.h"

#include <string>
#include <vector>

namespace balka::bench {

class NullSink : public MessageSink {
  public:
    void ShowMessage(const std::string&) override {}
};

inline void BuildLongBeam(Workspace& ws) {
    for (int i = 0; i < 30; ++i) {
        AppendTableRow(ws.Geometry.Grid, ws.Beam.SpanCount, {"6"});
    }
    for (int i = 0; i < 200; ++i) {
        const std::string span = std::to_string(i % 30 + 1);
        const std::string x = FormatCompact(0.5f + static_cast<float>(i % 7) * 0.7f);
        switch (i % 4) {
        case 0:
            AppendTableRow(ws.Loads.Grid, ws.Beam.LoadCount,
                           {"0", "1", "50", "1,2", "1", " ", " "});
            break;
        case 1:
            AppendTableRow(ws.Loads.Grid, ws.Beam.LoadCount,
                           {span, "2", "120", "1,3", "0,5", " ", " "});
            break;
        case 2:
            AppendTableRow(ws.Loads.Grid, ws.Beam.LoadCount,
                           {span, "3", "200", "1,2", "1", x, "1,1"});
            break;
        default:
            AppendTableRow(ws.Loads.Grid, ws.Beam.LoadCount,
                           {span, "4", "300", "1,2", "1", x, " "});
            break;
        }
    }
    for (int i = 0; i < 40; ++i) {
        const std::string x = i % 2 == 0 ? "0,3" : "5,7";
        AppendTableRow(ws.Holes.Grid, ws.Beam.HoleCount,
                       {std::to_string(i % 30 + 1), "41", x, "0,15"});
    }
}

// A workspace of its own holding the long beam, recalculated, with the decimal comma set.
struct LongBeamBench {
    LongBeamBench() {
        SetDecimalSeparator(',');
        BuildLongBeam(Ws);
        Ws.Recalculate();
    }
    SilentMainView View;
    NullSink Sink;
    Workspace Ws{View, Sink};
};

inline void BuildTypicalBeam(Workspace& ws) {
    AppendTableRow(ws.Geometry.Grid, ws.Beam.SpanCount, {"4,5"});
    AppendTableRow(ws.Geometry.Grid, ws.Beam.SpanCount, {"4,5"});
    AppendTableRow(ws.Loads.Grid, ws.Beam.LoadCount, {"0", "1", "250", "1,2", "0,7", " ", " "});
}

} // namespace balka::bench
