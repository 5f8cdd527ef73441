// The print preview: the pages of a finished report in "Report Preview",
// as a grid of thumbnails or one page at a zoom, until the user chooses
// Print or Exit. It never prints; Display answers whether to.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "framework/window_procedure.h"
#include "printing/core/popup_manager.h"
#include "printing/core/preview_grid.h"
#include "printing/preview_dialogs.h"
#include "printing/preview_page_manager.h"
#include "printing/preview_popup_host.h"

namespace rt {
class IniManager;
class PageImages;
}  // namespace rt

namespace printing {

class PreviewManager : public framework::ProcedureWindow {
  public:
    // The section of the settings file that keeps the window's placement.
    static constexpr const char* kPlacementSection = "_PreviewWindow_";

    // `settings` may be null: then no placement is restored or saved.
    explicit PreviewManager(const rt::PageImages& pages, rt::IniManager* settings = nullptr);
    ~PreviewManager() override;

    // Shows the pages from `firstPage` in an `across` x `down` grid until the
    // window closes; true when Print was chosen. An empty page list opens
    // nothing and answers false. Call once.
    bool Display(std::int32_t firstPage, int across, int down);

    // Fields the caller may set before Display.
    std::uint8_t ALLOWUSERZOOM = 0;
    std::int16_t INITZOOM = printing::kZoomTilePages;
    std::uint8_t MAXIMIZE = 0;
    std::uint8_t WINDOWPOSSET = 0;
    std::uint8_t WINDOWSIZESET = 0;
    std::int16_t WINXPOS = 0, WINYPOS = 0, WINWIDTH = 0, WINHEIGHT = 0;  // pixels

    // What the window shows (for its caller and its tests).
    std::uint8_t PRINTOK = 0;
    std::uint16_t THUMBNAILSPRESENT = 0;
    struct SaveSize {
        std::uint8_t SET = 0;
        std::int16_t XPOS = 0, YPOS = 0;
        std::uint16_t WIDTH = 0, HEIGHT = 0;
    } SAVESIZE;
    const printing::PreviewState& State() const { return *state_; }
    const PageImageManager* PageManager() const { return pageManager_.get(); }
    printing::PopupManager* PopupMgr() { return popup_.get(); }

    // The Jump and Select windows; overridable.
    virtual std::optional<std::int32_t> AskPage();
    virtual std::optional<GridSize> AskThumbnails();

    std::uint8_t Teardown() override;
    void FirstDisplay() override;
    std::uint8_t OnAccepted() override;
    std::uint8_t DispatchEvent() override;
    std::uint8_t OnWindowEvent() override;

  protected:
    void Prepare() override;

  private:
    // Puts the pages for the present state on screen and brings the fields,
    // menus and status zones up to date. A point to scroll to is given for
    // the page with the focus after a click.
    void Redraw(std::optional<rt::PagePoint> scrollTo = std::nullopt);
    void UpdateControls();
    void ShowZoom(int row, std::optional<rt::PagePoint> scrollTo = std::nullopt);
    void OnPageClick(int control, int mouseKey);
    int ReadNumber(int control, int fallback) const;
    void RememberSize();
    void ShowField(int control, const std::string& text);

    const rt::PageImages& pages_;
    rt::IniManager* settings_;
    std::unique_ptr<printing::PreviewState> state_;
    std::unique_ptr<PageImageManager> pageManager_;
    std::unique_ptr<WindowPopupHost> popupHost_;
    std::unique_ptr<printing::PopupManager> popup_;
    std::map<int, std::string> shownFields_;  // the text each field was last given
};

}  // namespace printing
