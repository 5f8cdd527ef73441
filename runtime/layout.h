// A window's definition: what a procedure hands to the runtime to build it.
// Positions and sizes are in dialog units of the window's font.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace rt {

enum class WindowKind {
    Application,  // the MDI frame: menu, status bar, client area for child windows
    MdiChild,     // a window inside the frame's client area
    Popup,        // a top-level window of its own
};

// Group: a titled box drawn around other controls. Check: a box the user
// ticks, raising EVENT:Accepted.
enum class ControlKind {
    String,
    Image,
    Button,
    Panel,
    Line,
    Region,
    List,
    DropList,
    Check,
    Entry,
    Spin,        // a whole number between `low` and `high`, with arrows
    ComboEntry,  // a text field with a drop-down list of suggestions (`format`: "a|b|c")
    PageImage,   // a page of a report's page images, drawn on demand
    Group,       // a titled box drawn around other controls
};

// A window of kind Popup with a menu or status zones gets a menu bar and a
// status bar around its controls.

// The mouse cursor shown over a control (regions use the sizing arrows).
enum class ControlCursor { Arrow, SizeWestEast, SizeNorthSouth, SizeNorthWestSouthEast };

struct ControlDef {
    int number = 0;
    ControlKind kind = ControlKind::String;
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;  // caption, a spin field's opening value, or the image's resource name
    bool hidden = false;
    bool disabled = false;
    bool centered = false;  // text centred in its box
    bool bold = false;
    ControlCursor cursor = ControlCursor::Arrow;
    std::string format;      // a list's format string
    std::string tip;         // shown while the mouse rests on the control
    int low = 0, high = 0;   // a spin field's range
    bool marks = false;      // a list whose rows carry multiple-selection marks
    bool isDefault = false;  // the button Enter presses (one per window)
    bool fillWidth = false;  // a list whose last column reaches at least to its right edge
    bool browse = false;     // a list the keys scroll, that never takes a selection
};

// A control `number` of `kind` with its caption at (x, y), `width` by
// `height` dialog units (0: the size its caption needs).
inline ControlDef MakeControl(int number, ControlKind kind, std::string text, int x, int y,
                              int width = 0, int height = 0) {
    ControlDef def;
    def.number = number;
    def.kind = kind;
    def.text = std::move(text);
    def.x = x;
    def.y = y;
    def.width = width;
    def.height = height;
    return def;
}

// What the runtime does by itself when a menu item is accepted and the
// program lets the event carry on.
enum class StandardAction { None, Close, PrintSetup, Cut, Copy, Paste };

struct MenuDef {
    int number = 0;  // negative
    int parent = 0;  // 0 for a menu on the bar, else the menu's number
    bool isMenu = false;
    std::string text;  // "&Open...\tCtrl-O": the shortcut after the tab
    std::string help;  // shown in the status bar while the item is highlighted
    bool enabled = true;
    StandardAction action = StandardAction::None;
};

struct Layout {
    std::string label;  // "P1$APPFRAME"
    WindowKind kind = WindowKind::MdiChild;
    std::string title;
    int x = -1, y = -1;  // -1: placed by the system (centred)
    int width = 200, height = 100;
    std::string icon;        // resource name
    std::string wallpaper;   // resource name, tiled behind the frame's children
    std::string fontFamily;  // blank: the system's UI font
    int fontSize = 8;        // points
    bool resizable = true;
    bool maximizeBox = true;
    bool frameless = false;
    bool centered = true;
    bool modal = false;  // a popup that blocks input to every other window
    std::vector<ControlDef> controls;
    std::vector<MenuDef> menu;
    std::vector<int> statusWidths;  // one entry per zone; -1 stretches
    int timer = 0;                  // hundredths of a second; 0 no timer
    std::vector<int> alertKeys;     // keys that raise EVENT:AlertKey from the start
};

}  // namespace rt
