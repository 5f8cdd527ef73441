#include "printing/preview_layouts.h"

#include <optional>
#include <string>

#include "printing/core/preview_grid.h"

namespace printing::preview {
namespace {

rt::ControlDef Prompt(int number, int x, int y, const char* text) {
    return rt::MakeControl(number, rt::ControlKind::String, text, x, y);
}

rt::ControlDef Spin(int number, int x, int y, int width, int low, int high, const char* tip,
                    std::optional<int> opening = std::nullopt) {
    rt::ControlDef def =
        rt::MakeControl(number, rt::ControlKind::Spin,
                        opening ? std::to_string(*opening) : std::string(), x, y, width, 12);
    def.low = low;
    def.high = high;
    def.tip = tip;
    return def;
}

rt::ControlDef Button(int number, int x, int y, int width, int height, const char* text,
                      const char* tip, bool isDefault = false) {
    rt::ControlDef def =
        rt::MakeControl(number, rt::ControlKind::Button, text, x, y, width, height);
    def.tip = tip;
    def.isDefault = isDefault;
    return def;
}

std::string ZoomChoices() {
    std::string choices;
    for (const printing::ZoomRow& row : printing::ZoomTable()) {
        if (!choices.empty()) choices += '|';
        choices += row.MENUTEXT;
    }
    return choices;
}

}  // namespace

rt::Layout PreviewLayout() {
    using namespace control;
    rt::Layout layout;
    layout.label = "P15$PREVIEWWINDOW";
    layout.kind = rt::WindowKind::Popup;
    layout.title = "Report Preview";
    layout.fontFamily = "MS Sans Serif";
    layout.width = 420;
    layout.height = 300;
    // The toolbar's buttons carry words rather than pictures, so they are
    // wider than a square and the fields follow them.
    layout.controls = {
        Button(TbarPrint, 4, 4, 28, 14, "&Print", "Print this report"),
        Button(TbarExit, 34, 4, 24, 14, "E&xit", "Exit without printing the report"),
        Button(TbarZoom, 60, 4, 26, 14, "&Zoom", "Zoom in on a page of the report"),
        Prompt(PagePrompt, 94, 7, "&Page:"),
        Spin(CurrentPage, 120, 5, 34, 1, 9999, "Enter a page number"),
        Prompt(AcrossPrompt, 162, 7, "&Across:"),
        Spin(PagesAcross, 194, 5, 26, 1, printing::kMaxThumbnails,
             "Select the number of thumbnails in a row"),
        Prompt(DownPrompt, 228, 7, "&Down:"),
        Spin(PagesDown, 254, 5, 26, 1, printing::kMaxThumbnails,
             "Select the number of thumbnails in a column"),
        Prompt(ZoomPrompt, 288, 7, "Z&oom:"),
    };
    rt::ControlDef zoom =
        rt::MakeControl(ZoomList, rt::ControlKind::ComboEntry, {}, 314, 5, 64, 12);
    zoom.format = ZoomChoices();
    zoom.tip = "Set zoom to standard or user defined value";
    layout.controls.push_back(zoom);

    layout.menu = {
        {MenuFile, 0, true, "&File", "", true, rt::StandardAction::None},
        {MenuPrint, MenuFile, false, "&Print", "Print the report", true, rt::StandardAction::None},
        {MenuExit, MenuFile, false, "E&xit", "Exit without printing the report", true,
         rt::StandardAction::None},
        {ViewMenu, 0, true, "&View", "", true, rt::StandardAction::None},
        {Next, ViewMenu, false, "&Next Page(s)", "View the next page or pages of the report", true,
         rt::StandardAction::None},
        {Previous, ViewMenu, false, "&Previous Page(s)",
         "View the next page or pages of the report", true, rt::StandardAction::None},
        {Jump, ViewMenu, false, "&Jump to a page", "Jump to a specific page of the report", true,
         rt::StandardAction::None},
        {ChangeDisplay, ViewMenu, false, "&Change Display", "Change the number of pages displayed",
         true, rt::StandardAction::None},
        {ZoomMenu, 0, true, "&Zoom", "", true, rt::StandardAction::None},
    };
    int row = 1;
    for (const printing::ZoomRow& zoomRow : printing::ZoomTable()) {
        layout.menu.push_back({ZoomMenuItem(row), ZoomMenu, false, std::string(zoomRow.MENUTEXT),
                               std::string(zoomRow.STATUSTEXT), true, rt::StandardAction::None});
        ++row;
    }
    layout.statusWidths = {-1, 90, 70};
    return layout;
}

rt::Layout JumpLayout(int pageCount, int current) {
    rt::Layout layout;
    layout.label = "P30$JUMPWINDOW";
    layout.kind = rt::WindowKind::Popup;
    layout.title = "Jump to a Report Page";
    layout.fontFamily = "MS Sans Serif";
    layout.width = 150;
    layout.height = 48;
    layout.resizable = false;
    layout.maximizeBox = false;
    layout.controls = {
        Prompt(jump::PagePrompt, 8, 10, "&Page:"),
        Spin(jump::Page, 36, 8, 50, 1, std::max(pageCount, 1), "Select a page of the report",
             current),
        Button(jump::Ok, 40, 28, 45, 14, "OK", "Jump to the selected page", true),
        Button(jump::Cancel, 95, 28, 45, 14, "Cancel", "Cancel this selection"),
    };
    return layout;
}

rt::Layout SelectLayout(int across, int down) {
    rt::Layout layout;
    layout.label = "P31$SELECTWINDOW";
    layout.kind = rt::WindowKind::Popup;
    layout.title = "Change the Report Display";
    layout.fontFamily = "MS Sans Serif";
    layout.width = 150;
    layout.height = 70;
    layout.resizable = false;
    layout.maximizeBox = false;
    layout.controls = {
        rt::MakeControl(select::Group, rt::ControlKind::Panel, {}, 6, 6, 138, 36),
        Prompt(select::GroupTitle, 12, 10, "Pages Displayed"),
        Prompt(select::AcrossPrompt, 12, 24, "&Across"),
        Spin(select::Across, 42, 22, 28, 1, printing::kMaxThumbnails, "", across),
        Prompt(select::DownPrompt, 80, 24, "&Down"),
        Spin(select::Down, 106, 22, 28, 1, printing::kMaxThumbnails, "", down),
        Button(select::Ok, 40, 50, 45, 14, "OK", "", true),
        Button(select::Cancel, 95, 50, 45, 14, "Cancel", ""),
    };
    return layout;
}

}  // namespace printing::preview
