// The preview's windows as layouts, and the numbers of their controls.
#pragma once

#include "runtime/layout.h"

namespace printing::preview {

// "Report Preview": menu items (negative), toolbar and fields.
namespace control {
constexpr int MenuFile = -1;
constexpr int MenuPrint = -2;
constexpr int MenuExit = -3;
constexpr int ViewMenu = -4;
constexpr int Next = -5;
constexpr int Previous = -6;
constexpr int Jump = -7;
constexpr int ChangeDisplay = -8;
constexpr int ZoomMenu = -9;
// Zoom menu items are numbered from 201 for row 1 (as menu items, negative).
constexpr int FirstZoomItem = -201;

constexpr int TbarPrint = 1;
constexpr int TbarExit = 2;
constexpr int TbarZoom = 3;
constexpr int PagePrompt = 4;
constexpr int CurrentPage = 5;
constexpr int AcrossPrompt = 6;
constexpr int PagesAcross = 7;
constexpr int DownPrompt = 8;
constexpr int PagesDown = 9;
constexpr int ZoomPrompt = 10;
constexpr int ZoomList = 11;
// Page-image controls are made as pages come on screen: this number plus
// the page number.
constexpr int FirstPageImage = 1000;
}  // namespace control

// The zoom menu item of zoom row `row` (1 to 7), and back (0 for none).
constexpr int ZoomMenuItem(int row) {
    return control::FirstZoomItem - (row - 1);
}
constexpr int ZoomRowOfItem(int item) {
    const int row = control::FirstZoomItem - item + 1;
    return row >= 1 && row <= 7 ? row : 0;
}

// The status zones: help texts, the page, the zoom.
constexpr int kPageZone = 2;
constexpr int kZoomZone = 3;

rt::Layout PreviewLayout();

// "Jump to a Report Page": the page spin field and its buttons.
namespace jump {
constexpr int PagePrompt = 1;
constexpr int Page = 2;
constexpr int Ok = 3;
constexpr int Cancel = 4;
}  // namespace jump
// Opens showing `current`.
rt::Layout JumpLayout(int pageCount, int current);

// "Change the Report Display": Across and Down in a group, and buttons.
namespace select {
constexpr int Group = 1;
constexpr int AcrossPrompt = 2;
constexpr int Across = 3;
constexpr int DownPrompt = 4;
constexpr int Down = 5;
constexpr int Ok = 6;
constexpr int Cancel = 7;
constexpr int GroupTitle = 8;
}  // namespace select
// Opens showing `across` and `down`.
rt::Layout SelectLayout(int across, int down);

}  // namespace printing::preview
