#include "workspace/UndoHistory.h"

#include <stdexcept>
#include <utility>

namespace balka {

void UndoHistory::Record(UndoStep step) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(next_), steps_.end());
    if (!steps_.empty() && !step.MergeKey.empty() && steps_.back().MergeKey == step.MergeKey) {
        steps_.back().After = std::move(step.After);
        return;
    }
    steps_.push_back(std::move(step));
    if (steps_.size() > Capacity) {
        steps_.pop_front();
    }
    next_ = steps_.size();
}

void UndoHistory::Clear() {
    steps_.clear();
    next_ = 0;
}

std::string UndoHistory::UndoAction() const {
    return CanUndo() ? steps_[next_ - 1].Action : std::string();
}

std::string UndoHistory::RedoAction() const {
    return CanRedo() ? steps_[next_].Action : std::string();
}

const ProjectData& UndoHistory::Undo() {
    if (!CanUndo()) {
        throw std::logic_error("нет действия для отмены");
    }
    --next_;
    return steps_[next_].Before;
}

const ProjectData& UndoHistory::Redo() {
    if (!CanRedo()) {
        throw std::logic_error("нет действия для повтора");
    }
    ++next_;
    return steps_[next_ - 1].After;
}

} // namespace balka
