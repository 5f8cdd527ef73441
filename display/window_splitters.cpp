#include "display/window_splitters.h"

#include <optional>
#include <string>

#include "display/core/layout_placements.h"
#include "display/dictionary_window_layout.h"
#include "runtime/core/profile.h"

namespace display {
namespace {

constexpr const char* kSettingsFile = "KESTRIAN.INI";
constexpr const char* kSection = "DisplayDictionary";
// Stored values never hold a line break: it stands for a missing key.
constexpr const char* kMissing = "\n";

std::optional<std::string> Setting(const char* key) {
    std::string value = rt::GetProfileString(kSection, key, kMissing, kSettingsFile);
    if (value == kMissing) return std::nullopt;
    return value;
}

}  // namespace

WindowSplitters::WindowSplitters(rt::Window& window)
    : window_(window), layout_([this] { return size_; }) {}

void WindowSplitters::TakeSize() {
    const rt::WindowRef& ref = window_.Ref();
    size_ = WindowSize{ref.ClientWidth(), ref.ClientHeight()};
}

void WindowSplitters::Restore() {
    TakeSize();
    bandHeight_ = window_.Ref().ControlPosition(kHeadingPanel).height;
    Apply(layout_.Restore(Setting("VSplit"), Setting("HSplit"), bandHeight_));
    restored_ = true;
}

void WindowSplitters::Save() const {
    if (!restored_) return;
    const SavedSplits saved = layout_.Save();
    rt::WriteProfileString(kSection, "VSplit", std::to_string(saved.vsplit), kSettingsFile);
    rt::WriteProfileString(kSection, "HSplit", std::to_string(saved.hsplit), kSettingsFile);
}

void WindowSplitters::Retile() {
    if (!restored_) return;
    TakeSize();
    Apply(layout_.Retile());
}

void WindowSplitters::ToggleFullView(int list) {
    if (restored_) Apply(layout_.SetFullView(list));
}

void WindowSplitters::OnSized() {
    if (restored_) Apply(layout_.OnSized());
}

bool WindowSplitters::OnRegionEvent(int eventNumber, int region, int keyCode) {
    const char mode = SplitLayout::DragModeFor(region);
    if (mode == ' ' || !restored_) return false;
    switch (eventNumber) {
        case rt::event::Dragging:
            dragMode_ = mode;
            window_.SetTimer(1);
            return true;
        case rt::event::Drag:
            dragMode_ = ' ';
            window_.SetTimer(0);
            return true;
        case rt::event::MouseUp:
            if (keyCode == rt::key::MouseLeftDouble)
                if (auto result = layout_.DoubleClick(region)) Apply(*result);
            return true;
        default:
            return false;
    }
}

bool WindowSplitters::OnTimer() {
    if (dragMode_ == ' ' || !restored_) return false;
    const rt::UnitPoint mouse = window_.Ref().MousePosition();
    auto result = layout_.DragTo(dragMode_, mouse.x, mouse.y);
    if (result) Apply(*result);
    return result.has_value();
}

void WindowSplitters::Apply(const LayoutResult& result) {
    const rt::WindowRef& ref = window_.Ref();
    // The drop-down list shows the Files list's choice whenever it appears:
    // set before it appears, so that a choice made in it at once is never
    // overwritten.
    if (result.showDropList) ref.SetListSelection(kFileDropList, ref.ListSelection(kFilesList));
    ref.ApplyPlacements(
        LayoutPlacements(result, PickButtonPlace{kPickButton, kPickButtonWidth, bandHeight_}));
}

}  // namespace display
