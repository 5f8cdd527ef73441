// The shape every window procedure shares: a runtime window defined from a
// layout, a framework window object over it, and a toolbar dispatcher.
#pragma once

#include "app/globals.h"
#include "app/runtime_window_host.h"
#include "app/toolbar_dispatcher.h"
#include "app/window_object.h"
#include "runtime/window.h"

namespace app {

// The base for the program's window objects: a window object bound to its
// runtime window.
class ProcedureWindow : public WindowObject {
public:
    explicit ProcedureWindow(rt::Layout layout)
        : WindowObject(host_), window_(std::move(layout)), host_(window_) {}

    rt::Window& Win() { return window_; }
    const rt::WindowRef& Ref() const { return window_.Ref(); }
    ToolbarDispatcher& Toolbar() { return toolbar_; }

protected:
    // The common opening of the program's Setup overrides, after the base
    // Setup: fields, toolbar, global request and response cleared, window opened.
    void OpenStandard(int firstField);

private:
    rt::Window window_;
    RuntimeWindowHost host_;
    ToolbarDispatcher toolbar_;
};

// Runs a window object through Execute and leaves its result in the global
// response.
void RunProcedure(WindowObject& window);

}  // namespace app
