// The objects behind one window under test, made anew for every test function: recording
// views, a fresh workspace and a window of type W on it. A Qt test class derives from it beside
// QObject, calls Open() in init() and Close() in cleanup().
#pragma once

#include "model/Numbers.h"
#include "workspace/Workspace.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"

#include <memory>

namespace balka {

template <class W> class WindowBench {
  protected:
    // The window is made but not shown: each test class shows it its own way.
    void Open() {
        SetDecimalSeparator(',');
        view = std::make_unique<RecordingView>();
        messages = std::make_unique<RecordingMessageSink>();
        workspace = std::make_unique<Workspace>(*view, *messages);
        window = std::make_unique<W>(*workspace);
    }

    // The window goes before the workspace it shows.
    void Close() {
        window.reset();
        workspace.reset();
    }

    // A span typed into the geometry editor's length box and confirmed with Enter.
    void AddSpan(const char* length) {
        NumericBox box{length, 0};
        workspace->Geometry.leSpanLengthKeyPress(box, KeyEnter);
    }

    std::unique_ptr<RecordingView> view;
    std::unique_ptr<RecordingMessageSink> messages;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<W> window;
};

} // namespace balka
