// A native popup menu built from a parsed menu text.
#pragma once

#include <vector>

#include "runtime/core/menu_text.h"

class QAction;
class QMenu;

namespace rt::gui {

// Adds the entries to `menu`: separators, disabled items, checkable items
// (checked or not) and nested submenus. Each command item's action carries
// its number.
void FillMenu(QMenu& menu, const std::vector<MenuEntry>& entries);
// The number a command action carries; 0 for none (a dismissed menu).
int CommandNumber(const QAction* action);

}  // namespace rt::gui
