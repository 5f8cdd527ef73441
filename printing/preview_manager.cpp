#include "printing/preview_manager.h"

#include <algorithm>

#include "printing/preview_layouts.h"
#include "runtime/ini_manager.h"
#include "runtime/page_images.h"

namespace printing {

using namespace preview;

namespace {
// Room left for the vertical scroll bar when a page is as wide as the window.
constexpr int kScrollBarUnits = 10;
}  // namespace

PreviewManager::PreviewManager(const rt::PageImages& pages, rt::IniManager* settings)
    : framework::ProcedureWindow(PreviewLayout(), control::CurrentPage),
      pages_(pages),
      settings_(settings) {}

PreviewManager::~PreviewManager() = default;

bool PreviewManager::Display(std::int32_t firstPage, int across, int down) {
    if (pages_.Count() < 1 || state_ != nullptr) return false;
    state_ = std::make_unique<printing::PreviewState>(pages_.Count(), firstPage, across, down);
    // The grid from the first page asked for, as far as the pages reach.
    state_->AcceptPage(state_->CurrentPage());
    Execute();
    return PRINTOK != 0;
}

void PreviewManager::Prepare() {
    pageManager_ = std::make_unique<PageImageManager>(Ref(), pages_, control::FirstPageImage);
    popupHost_ = std::make_unique<WindowPopupHost>(Ref());
    popup_ = std::make_unique<printing::PopupManager>(*popupHost_);
    int row = 1;
    for (const printing::ZoomRow& zoom : printing::ZoomTable()) {
        popup_->AddItem(zoom.MENUTEXT, printing::ZoomItemName(row));
        ++row;
    }
    Ref().SetAlertKey(rt::key::PageUp);
    Ref().SetAlertKey(rt::key::PageDown);
}

void PreviewManager::FirstDisplay() {
    rt::WindowRef window = Ref();
    if (MAXIMIZE) window.SetMaximized(true);
    if (settings_ != nullptr) settings_->FetchWindow(kPlacementSection, window);
    if (WINDOWPOSSET) {
        window.SetX(WINXPOS);
        window.SetY(WINYPOS);
    }
    if (WINDOWSIZESET) {
        window.SetWidth(std::max<int>(WINWIDTH, 1));
        window.SetHeight(std::max<int>(WINHEIGHT, 1));
    }
    const std::int32_t count = state_->PageCount();
    if (count > 1) {
        window.SetRange(control::CurrentPage, 1, count);
        window.SetTip(control::CurrentPage, state_->PageFieldHelp());
    }
    window.Hide(control::ZoomPrompt, ALLOWUSERZOOM == 0);
    window.Hide(control::ZoomList, ALLOWUSERZOOM == 0);
    bool known = false;
    int row = 1;
    for (const printing::ZoomRow& zoom : printing::ZoomTable()) {
        if (zoom.PERCENTILE == INITZOOM) {
            state_->ChooseZoom(row);
            known = true;
        }
        ++row;
    }
    if (!known && ALLOWUSERZOOM) state_->AcceptZoomText(std::to_string(INITZOOM));
    WindowObject::FirstDisplay();
    Redraw();
}

void PreviewManager::Redraw(std::optional<rt::PagePoint> scrollTo) {
    const rt::WindowRef& window = Ref();
    const int width = std::max(window.ClientWidth(), 0);
    const int height = std::max(window.ClientHeight(), 0);
    std::vector<PagePlacement> placements;
    if (state_->ShowingGrid()) {
        // Window units are not square: each page keeps its proportions
        // when its sheet is measured in them.
        const rt::UnitsPerInch units = window.InchUnits();
        const auto aspectOf = [&](std::int32_t page) {
            const QSizeF sheet = pages_.PageSize(page);
            return printing::ScreenAspect(static_cast<int>(sheet.width()),
                                          static_cast<int>(sheet.height()), units);
        };
        const printing::GridLayout grid =
            printing::LayoutGrid(width, height, state_->Across(), state_->Down(),
                                 state_->FirstPage(), state_->PageCount(), aspectOf);
        for (const printing::GridCell& cell : grid.cells) {
            PagePlacement placement;
            placement.page = cell.page;
            placement.x = cell.image.x;
            placement.y = cell.image.y + printing::kGridToolbarHeight;
            placement.width = cell.image.width;
            placement.height = cell.image.height;
            placement.zoom = printing::kZoomTilePages;
            placement.focus = cell.page == state_->CurrentPage();
            placements.push_back(placement);
        }
    } else {
        const PageNode node = pageManager_->Measure(state_->CurrentPage());
        const printing::PageView view = printing::SinglePage(
            state_->Zoom(), width - kScrollBarUnits, node.IMAGEWIDTH, node.IMAGEHEIGHT);
        PagePlacement placement;
        placement.page = state_->CurrentPage();
        placement.y = printing::kPageToolbarHeight;
        placement.width = width;
        placement.height = std::max(height - printing::kPageToolbarHeight, 0);
        placement.zoom = static_cast<std::int16_t>(state_->Zoom());
        placement.scale = std::max(view.scale, 0.0001);
        // A page newly shown at this zoom starts at its top, unless a click
        // chose the point to see; a redraw for a resize keeps the scroll.
        const PageNode* shown = pageManager_->Find(placement.page);
        if (scrollTo || shown == nullptr || shown->ZOOMSTATE != placement.zoom) {
            placement.scroll = true;
            placement.scrollX = scrollTo ? scrollTo->x : 0.5;
            placement.scrollY = scrollTo ? scrollTo->y : 0.0;
        }
        placements.push_back(placement);
    }
    THUMBNAILSPRESENT = static_cast<std::uint16_t>(placements.size());
    pageManager_->Show(placements);
    UpdateControls();
}

void PreviewManager::UpdateControls() {
    const rt::WindowRef& window = Ref();
    const printing::PreviewState& state = *state_;
    window.Enable(control::Previous, state.PreviousEnabled());
    window.Enable(control::Next, state.NextEnabled());
    window.Enable(control::Jump, state.JumpEnabled());
    window.Enable(control::ChangeDisplay, state.ChangeDisplayEnabled());
    const bool several = state.PageCount() > 1;
    const bool gridFields = several && state.GridFieldsEnabled();
    std::vector<rt::ControlPlacement> enabled = {
        rt::ControlPlacement::Enable(control::PagePrompt, several),
        rt::ControlPlacement::Enable(control::CurrentPage, several),
        rt::ControlPlacement::Enable(control::AcrossPrompt, gridFields),
        rt::ControlPlacement::Enable(control::PagesAcross, gridFields),
        rt::ControlPlacement::Enable(control::DownPrompt, gridFields),
        rt::ControlPlacement::Enable(control::PagesDown, gridFields),
    };
    window.ApplyPlacements(enabled);
    // A field is written only when its value changes, so that a redraw for
    // another reason (a resize) leaves what the user is typing alone.
    ShowField(control::CurrentPage, std::to_string(state.CurrentPage()));
    ShowField(control::PagesAcross, std::to_string(state.Across()));
    ShowField(control::PagesDown, std::to_string(state.Down()));
    if (ALLOWUSERZOOM) {
        const int row = state.ZoomIndex();
        ShowField(control::ZoomList, row == 0
                                         ? std::to_string(state.UserPercentile()) + "% Zoom"
                                         : std::string(printing::ZoomTable()[row - 1].MENUTEXT));
    }
    for (int row = 1; row <= static_cast<int>(printing::ZoomTable().size()); ++row)
        popup_->SetItemCheck(printing::ZoomItemName(row), row == state.ZoomIndex());
    // The status zones last and together: once they read the new state, so
    // does the rest.
    window.SetStatus({{kPageZone, state.PageStatus()}, {kZoomZone, state.ZoomStatus()}});
}

void PreviewManager::ShowField(int control, const std::string& text) {
    std::string& shown = shownFields_[control];
    if (shown == text) return;
    shown = text;
    Ref().SetText(control, text);
}

void PreviewManager::RememberSize() {
    const rt::WindowRef& window = Ref();
    if (window.IsMaximized() || window.IsIconized()) return;
    SAVESIZE.SET = 1;
    SAVESIZE.XPOS = static_cast<std::int16_t>(window.X());
    SAVESIZE.YPOS = static_cast<std::int16_t>(window.Y());
    SAVESIZE.WIDTH = static_cast<std::uint16_t>(std::max(window.Width(), 0));
    SAVESIZE.HEIGHT = static_cast<std::uint16_t>(std::max(window.Height(), 0));
}

std::uint8_t PreviewManager::Teardown() {
    if (DEAD) return WindowObject::Teardown();
    if (settings_ != nullptr && OPENED) {
        rt::WindowRef window = Ref();
        settings_->UpdateWindow(kPlacementSection, window);
    }
    if (pageManager_ != nullptr) pageManager_->Release();
    return WindowObject::Teardown();
}

std::optional<std::int32_t> PreviewManager::AskPage() {
    return RunJumpWindow(state_->CurrentPage(), state_->PageCount());
}

std::optional<GridSize> PreviewManager::AskThumbnails() {
    return RunSelectWindow({state_->Across(), state_->Down()});
}

}  // namespace printing
