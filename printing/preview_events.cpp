// The preview's answers to its commands, fields, keys and mouse clicks.
#include <string>

#include "printing/preview_layouts.h"
#include "printing/preview_manager.h"
#include "runtime/events.h"

namespace printing {

using namespace preview;

namespace {

// The zoom row of a popup item's name ("ZoomItem3" is row 3); 0 for none.
int ZoomRowOfName(const std::string& name) {
    for (int row = 1; row <= static_cast<int>(printing::ZoomTable().size()); ++row)
        if (name == printing::ZoomItemName(row)) return row;
    return 0;
}

}  // namespace

int PreviewManager::ReadNumber(int control, int fallback) const {
    return FieldNumber(Ref(), control).value_or(fallback);
}

void PreviewManager::ShowZoom(int row, std::optional<rt::PagePoint> scrollTo) {
    if (!state_->ChooseZoom(row)) return;
    // Back in the grid, the page with the focus is among the thumbnails.
    if (state_->ShowingGrid()) state_->AcceptPage(state_->CurrentPage());
    Redraw(scrollTo);
}

std::uint8_t PreviewManager::OnAccepted() {
    const int accepted = Host().Control();
    printing::PreviewState& state = *state_;
    // A field the user changed shows the value taken, even when it is the
    // one shown before.
    shownFields_.erase(accepted);
    switch (accepted) {
        case control::MenuPrint:
        case control::TbarPrint:
            PRINTOK = 1;
            CloseWithResponse(framework::response::Completed);
            return framework::result::Finished;
        case control::MenuExit:
        case control::TbarExit:
            CloseWithResponse(framework::response::Cancelled);
            return framework::result::Finished;
        case control::Next:
            if (state.Next()) Redraw();
            return framework::result::Finished;
        case control::Previous:
            if (state.Previous()) Redraw();
            return framework::result::Finished;
        case control::Jump:
            if (!state.JumpEnabled()) return framework::result::Finished;
            if (const auto page = AskPage()) {
                state.AcceptPage(*page);
                Redraw();
            }
            return framework::result::Finished;
        case control::ChangeDisplay:
            if (!state.ChangeDisplayEnabled()) return framework::result::Finished;
            if (const auto grid = AskThumbnails()) {
                state.ChangeDisplay(grid->across, grid->down);
                state.ChooseZoom(1);
                Redraw();
            }
            return framework::result::Finished;
        case control::TbarZoom:
            ShowZoom(ZoomRowOfName(popup_->Ask()));
            return framework::result::Finished;
        case control::CurrentPage:
            state.AcceptPage(ReadNumber(control::CurrentPage, state.CurrentPage()));
            Redraw();
            return framework::result::Finished;
        case control::PagesAcross:
            state.AcceptAcross(ReadNumber(control::PagesAcross, state.Across()));
            Redraw();
            return framework::result::Finished;
        case control::PagesDown:
            state.AcceptDown(ReadNumber(control::PagesDown, state.Down()));
            Redraw();
            return framework::result::Finished;
        case control::ZoomList:
            state.AcceptZoomText(Ref().Text(control::ZoomList));
            Redraw();
            return framework::result::Finished;
        default:
            break;
    }
    if (const int row = ZoomRowOfItem(accepted)) {
        ShowZoom(row);
        return framework::result::Finished;
    }
    return WindowObject::OnAccepted();
}

void PreviewManager::OnPageClick(int control, int mouseKey) {
    const std::int32_t page = pageManager_->PageOfControl(control);
    if (page == 0) return;
    const rt::PagePoint point = Ref().LastPagePress(control);
    if (mouseKey == rt::key::MouseLeft) {
        if (!state_->ShowingGrid()) return ShowZoom(1);
        state_->AcceptPage(page);
        return ShowZoom(2, point);
    }
    const int row = ZoomRowOfName(popup_->Ask());
    if (row == 0) return;
    state_->AcceptPage(page);
    ShowZoom(row, point);
}

std::uint8_t PreviewManager::DispatchEvent() {
    if (Host().Event() == rt::event::AlertKey && state_ != nullptr) {
        const int key = Host().KeyCode();
        if (key == rt::key::PageDown || key == rt::key::PageUp) {
            if (key == rt::key::PageDown ? state_->Next() : state_->Previous()) Redraw();
            return framework::result::Finished;
        }
        if (key == rt::key::MouseLeft || key == rt::key::MouseRight) {
            OnPageClick(Host().Control(), key);
            return framework::result::Finished;
        }
    }
    return WindowObject::DispatchEvent();
}

std::uint8_t PreviewManager::OnWindowEvent() {
    if (Host().Event() == rt::event::Sized) {
        RememberSize();
        if (INITED & 1) Redraw();
    }
    return WindowObject::OnWindowEvent();
}

}  // namespace printing
