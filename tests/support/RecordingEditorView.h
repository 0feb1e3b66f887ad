// An EditorView that records the focus and current-cell requests of a window model.
#pragma once

#include "model/EditorView.h"

#include <string>
#include <utility>
#include <vector>

namespace balka {

class RecordingEditorView : public EditorView {
  public:
    std::vector<std::string> Focus;
    std::vector<std::pair<int, int>> Cells;
    int Refreshes = 0;

    void FocusField(const std::string& controlName) override { Focus.push_back(controlName); }
    void SelectCell(int column, int row) override { Cells.emplace_back(column, row); }
    void Refresh() override { ++Refreshes; }
};

} // namespace balka
