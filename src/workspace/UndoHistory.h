// The undo history: the project before and after each user action that changed it, as the file
// keeps it, with the action's name. Undo and redo hand back a whole project, so going back is
// exact by construction. A new step drops every step that was undone; the oldest steps fall
// away past the capacity.
#pragma once

#include "workspace/ProjectData.h"

#include <cstddef>
#include <deque>
#include <string>

namespace balka {

struct UndoStep {
    std::string Action; // "удаление пролета": what "Отменить"/"Повторить" name
    // Steps with the same non-empty key in a row merge into one: the letters typed into one
    // box are one change.
    std::string MergeKey;
    ProjectData Before;
    ProjectData After;
};

class UndoHistory {
  public:
    static constexpr std::size_t Capacity = 200;

    void Record(UndoStep step);
    void Clear();

    bool CanUndo() const { return next_ > 0; }
    bool CanRedo() const { return next_ < steps_.size(); }
    // The names of the step that Undo and Redo would take; empty when there is none.
    std::string UndoAction() const;
    std::string RedoAction() const;
    // Steps back (forward) and returns the project to put into the editors.
    const ProjectData& Undo();
    const ProjectData& Redo();

  private:
    std::deque<UndoStep> steps_;
    std::size_t next_ = 0; // steps before it are done, from it on undone
};

} // namespace balka
