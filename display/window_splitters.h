// The splitter layout at work in the dictionary window: restoring and saving
// the bars' positions, applying each layout as one batch, dragging the bars
// on the window's timer, centring them and the full view of one list.
#pragma once

#include "display/core/split_layout.h"
#include "runtime/window.h"

namespace display {

class WindowSplitters {
  public:
    explicit WindowSplitters(rt::Window& window);

    // The first layout, from the saved settings (the middle when none).
    void Restore();
    // Writes the bars' grid position; nothing before Restore.
    void Save() const;
    bool Restored() const noexcept { return restored_; }

    // Event 900 and a double-click on the crossing point: both bars centred,
    // any full view left.
    void Retile();
    // A list's full view entered or left.
    void ToggleFullView(int list);
    // Reads the window's client size again. The layout works from the size
    // read last, so that a drag step costs no extra trips to the window: call
    // it whenever the window was resized.
    void TakeSize();
    // The window was resized (its size taken already).
    void OnSized();
    // Region events (Dragging, Drag, MouseUp); true when the event was one.
    bool OnRegionEvent(int eventNumber, int region, int keyCode);
    // A timer tick: while a bar is dragged, it follows the mouse. True when
    // the bars moved.
    bool OnTimer();

    int FullView() const noexcept { return layout_.FULLSCREENON(); }
    char DragMode() const noexcept { return dragMode_; }
    void SetFilesColumnWidth(int width) noexcept { layout_.SetFilesColumnWidth(width); }
    const SplitLayout& Layout() const noexcept { return layout_; }

  private:
    void Apply(const LayoutResult& result);

    rt::Window& window_;
    WindowSize size_;
    SplitLayout layout_;
    char dragMode_ = ' ';
    bool restored_ = false;
    int bandHeight_ = 10;
};

}  // namespace display
