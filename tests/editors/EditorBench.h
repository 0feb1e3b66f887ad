// A fresh workspace with recording views for the editor tests, and the few steps every test
// takes as the user would: spans typed into the geometry editor, loads into the loads panel.
#pragma once

#include "model/Numbers.h"
#include "support/RecordingEditorView.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "support/TableRows.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace balka {

class EditorBench : public ::testing::Test {
  public:
    // What the user types into the loads panel.
    struct PanelLoad {
        LoadKind Kind = LoadWholeBeam;
        int Span = 1;
        std::string F;
        std::string Yf = "1,2";
        std::string Kd = "1";
        std::string X;
        std::string S;
    };

    static PanelLoad Whole(std::string f, std::string yf = "1,2", std::string kd = "1") {
        return PanelLoad{LoadWholeBeam, 1, std::move(f), std::move(yf), std::move(kd), "", ""};
    }
    static PanelLoad OnSpan(int span, std::string f, std::string yf = "1,2", std::string kd = "1") {
        return PanelLoad{LoadWholeSpan, span, std::move(f), std::move(yf), std::move(kd), "", ""};
    }
    static PanelLoad Part(int span, std::string f, std::string x, std::string s,
                          std::string yf = "1,2") {
        return PanelLoad{LoadPartSpan, span,         std::move(f), std::move(yf),
                         "1",          std::move(x), std::move(s)};
    }
    static PanelLoad Point(int span, std::string f, std::string x, std::string yf = "1,2") {
        return PanelLoad{LoadPoint, span, std::move(f), std::move(yf), "1", std::move(x), ""};
    }

  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        workspace.Geometry.AttachView(&geometryView);
        workspace.Loads.AttachView(&loadsView);
        workspace.Snow.AttachView(&snowView);
    }

    // Each recalculation starts by showing the scheme view.
    int Recalculations() const {
        return static_cast<int>(
            std::count_if(view.Calls.begin(), view.Calls.end(),
                          [](const std::string& call) { return call == "scheme view"; }));
    }

    void AddSpans(const std::vector<std::string>& lengths) {
        for (const std::string& length : lengths) {
            workspace.Geometry.SpanLengthText = length;
            workspace.Geometry.bAddClick();
        }
    }

    void FillPanel(const PanelLoad& load) {
        LoadsEditor& loads = workspace.Loads;
        loads.ChooseKind(load.Kind);
        loads.SpanIndex = load.Span - 1;
        loads.FText = load.F;
        loads.YfText = load.Yf;
        loads.KdText = load.Kd;
        loads.XText = load.X;
        loads.SText = load.S;
    }

    void AddLoad(const PanelLoad& load) {
        FillPanel(load);
        workspace.Loads.bAddClick();
    }

    std::vector<std::string> Column(const TextTable& table, int column, int count) const {
        std::vector<std::string> cells;
        for (int row = 1; row <= count; ++row) {
            cells.push_back(table.Cell(column, row));
        }
        return cells;
    }

    std::vector<std::string> Row(const TextTable& table, int row) const {
        std::vector<std::string> cells;
        for (int column = 0; column < table.ColumnCount(); ++column) {
            cells.push_back(table.Cell(column, row));
        }
        return cells;
    }

    RecordingView view;
    RecordingMessageSink messages;
    Workspace workspace{view, messages};
    RecordingEditorView geometryView;
    RecordingEditorView loadsView;
    RecordingEditorView snowView;
};

} // namespace balka
