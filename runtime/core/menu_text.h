// The popup menu text: items separated by "|", "-" a separator, a leading
// "~" disables an item, then "+" checks it and "-" (on a longer text) shows it
// unchecked; "text{items}" is a submenu. Command items are numbered 1, 2, ...
// in text order through all submenus; separators and submenu entries get no
// number.
//
// The text is cut at kMaxMenuText characters after trailing blanks are
// removed. Whatever the cut or a careless caller leaves (a submenu never
// closed, a stray "}", empty items between bars) still gives a sound menu:
// open submenus close at the end of the text, a stray "}" separates items
// like a bar, and an empty item is left out (it gets no number).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

constexpr std::size_t kMaxMenuText = 1023;

enum class MenuCheck { None, Checked, Unchecked };

struct MenuEntry {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    std::string text;  // without its markers; bytes as written (Windows-1252)
    bool disabled = false;
    MenuCheck check = MenuCheck::None;
    int number = 0;                   // command items only, from 1
    std::vector<MenuEntry> children;  // submenus only

    bool operator==(const MenuEntry&) const = default;
};

std::vector<MenuEntry> ParseMenuText(std::string_view text);

// The number of command items in a parsed menu (the highest number).
int CountCommands(const std::vector<MenuEntry>& menu);

}  // namespace rt
