// A copyable reference to an open window, usable from any thread: each
// operation is carried out on the GUI thread while the caller waits, and an
// operation on a window that has closed does nothing.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/core/control_placement.h"
#include "runtime/core/list_rows.h"
#include "runtime/events.h"
#include "runtime/layout.h"
#include "runtime/text_measure.h"
#include "runtime/window_placement.h"

namespace rt {

class PageImages;

// What a page-image control shows (ControlKind::PageImage).
struct PageImageView {
    int control = 0;
    const PageImages* pages = nullptr;  // must outlive the window's use of it
    int page = 0;                       // 1-based
    double scale = 0;                   // 0: fill the control; else of the natural size
    bool focus = false;                 // the focus border
    bool scroll = false;                // scroll to (scrollX, scrollY) of the page
    double scrollX = 0, scrollY = 0;    // fractions of the page's width and height
};

// A point of a page as fractions of its width and height.
struct PagePoint {
    double x = 0, y = 0;
    bool operator==(const PagePoint&) const = default;
};

// What WindowRef::SetLists hands one list: its rows (unless null), its
// format (when given) and its selection (when given), in that order.
struct ListContents {
    int control = 0;
    std::shared_ptr<const ListRows> rows;
    std::optional<std::string> format;
    std::optional<int> selection;
};

// A copyable reference to an open window, for use from other threads.
// Operations on a window that has closed do nothing.
class WindowRef : public PlacementTarget {
  public:
    WindowRef() = default;
    WindowRef(std::uint64_t id, int thread) : id_(id), thread_(thread) {}
    std::uint64_t Id() const { return id_; }
    int Thread() const { return thread_; }
    bool IsNull() const { return id_ == 0; }

    void SetTitle(const std::string& title) const;
    std::string Title() const;
    void SetText(int control, const std::string& text) const;
    std::string Text(int control) const;
    void Enable(int control, bool enabled) const;
    bool IsEnabled(int control) const;
    void Hide(int control, bool hidden) const;
    bool IsHidden(int control) const;
    void Select(int control) const;
    // Check boxes.
    void SetChecked(int control, bool checked) const;
    bool IsChecked(int control) const;
    // The number of the control that has the keyboard focus; 0 for none.
    int FocusedControl() const;
    void SetStatus(int zone, const std::string& text) const;
    // Sets several zones in one step: a reader on another thread sees all of
    // them changed or none.
    void SetStatus(const std::vector<std::pair<int, std::string>>& texts) const;
    // Sets status zones as SetStatus does, in the order given, without
    // waiting for the GUI thread: for progress shown while work goes on.
    // Calls made on the window afterwards, waiting or not, come after it.
    void PostStatus(std::vector<std::pair<int, std::string>> texts) const;
    std::string Status(int zone) const;
    void SetMinimumSize(int width, int height) const;  // dialog units
    void SetAlertKey(int keyCode, bool on = true) const;
    void Display() const;
    void Iconize() const;
    void Restore() const;
    bool IsVisible() const;
    // Delivers a key press to the window as the keyboard would (Qt key code).
    void PressKey(int qtKey) const;
    // Delivers a mouse click in the middle of the window, as the mouse would:
    // key::MouseLeft, key::MouseRight or key::MouseLeftDouble.
    void Click(int mouseKey) const;
    // Posts an event to the window's own thread, addressed to this window.
    void PostEvent(int eventNumber, int control = 0) const;

    // List controls (ControlKind::List and ::DropList). Rows are handed over
    // as one snapshot, never copied per cell; the list keeps the pointer.
    void SetListRows(int control, std::shared_ptr<const ListRows> rows) const;
    void SetListFormat(int control, const std::string& format) const;
    // Selected row, 1-based, 0 for none. Setting it posts no event; a user's
    // choice posts EVENT:NewSelection.
    void SetListSelection(int control, int row) const;
    int ListSelection(int control) const;
    // Scrolls a list's selected row into view without changing it, so a
    // choice the user makes meanwhile is never undone.
    void ShowListSelection(int control) const;
    // Several lists filled in one call, in the order given, as the calls
    // above would fill them one by one; the window is repainted once.
    void SetLists(const std::vector<ListContents>& lists) const;
    int ListRowCount(int control) const;
    // A list with multiple-selection marks: one mark per row. Setting them
    // posts no event; a user's click toggles a row's mark and posts
    // EVENT:Accepted.
    void SetListMarks(int control, const std::vector<bool>& marks) const;
    std::vector<bool> ListMarks(int control) const;
    // The row of the last mouse press in a list: 1.. a data row, 0 the
    // column header or the blank area below the rows.
    int ListPressRow(int control) const;

    // Controls made and taken down while the window is open, in one call.
    void CreateControls(const std::vector<ControlDef>& controls) const;
    void DestroyControls(const std::vector<int>& controls) const;
    bool HasControl(int control) const;
    // A spin field's range and a control's tip.
    void SetRange(int control, int low, int high) const;
    void SetTip(int control, const std::string& tip) const;
    // Page-image controls: what each shows, in one call.
    void ShowPageImages(const std::vector<PageImageView>& views) const;
    // Where the last mouse press on a page-image control was.
    PagePoint LastPagePress(int control) const;
    // A page's natural size (as the screen shows it at 100%) in dialog units.
    UnitPoint PageUnits(const PageImages& pages, int page) const;
    // Dialog units per inch on the window's screen, across and down.
    UnitsPerInch InchUnits() const;

    // Placement of controls, in dialog units. A batch is applied in one call
    // and repainted once.
    void ApplyPlacements(const std::vector<ControlPlacement>& placements) const;
    void SetControlPosition(int control, int x, int y, int width, int height) const;
    ControlBox ControlPosition(int control) const;
    // The client area's size in dialog units.
    int ClientWidth() const;
    int ClientHeight() const;
    // The mouse position relative to the client origin, in dialog units.
    UnitPoint MousePosition() const;
    // A point of the client area (dialog units) in screen pixels.
    UnitPoint ToScreen(int x, int y) const;
    // Measures texts in the window's font, in its dialog units, from the
    // calling thread (one thread at a time per measure); `bold` for bold texts.
    TextMeasure Measure(bool bold = false) const;

    // PlacementTarget: the outer window's placement in pixels.
    bool IsIconized() const override;
    bool IsMaximized() const override;
    bool HasResizableFrame() const override;
    int X() const override;
    int Y() const override;
    int Width() const override;
    int Height() const override;
    void SetX(int x) override;
    void SetY(int y) override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void SetMaximized(bool maximized) override;

  private:
    std::uint64_t id_ = 0;
    int thread_ = 0;
};

}  // namespace rt
