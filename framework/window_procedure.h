// The shape every window procedure shares: a runtime window defined from a
// layout, a framework window object over it, and a toolbar dispatcher.
#pragma once

#include "framework/globals.h"
#include "framework/runtime_window_host.h"
#include "framework/toolbar_dispatcher.h"
#include "framework/window_object.h"
#include "runtime/window.h"

namespace framework {

// The base for the program's window objects: a window object bound to its
// runtime window.
class ProcedureWindow : public WindowObject {
  public:
    explicit ProcedureWindow(rt::Layout layout, int firstField = 1)
        : WindowObject(host_),
          window_(std::move(layout)),
          host_(window_),
          firstField_(firstField) {}

    // The program's Setup: the global request copied, the base Setup, the
    // common fields, the window opened, the procedure's own preparations
    // (Prepare), the alert keys.
    std::uint8_t Setup() override;

    rt::Window& Win() { return window_; }
    const rt::WindowRef& Ref() const { return window_.Ref(); }
    ToolbarDispatcher& Toolbar() { return toolbar_; }

  protected:
    // What a procedure adds to Setup once its window is open.
    virtual void Prepare() {}

  private:
    rt::Window window_;
    RuntimeWindowHost host_;
    ToolbarDispatcher toolbar_;
    int firstField_;
};

// Runs a window object through Execute and leaves its result in the global
// response.
void RunProcedure(WindowObject& window);

}  // namespace framework
