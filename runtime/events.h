// Event numbers and the event record that program threads receive.
#pragma once

#include <cstdint>

namespace rt {

namespace event {
constexpr int Accepted = 1;
constexpr int NewSelection = 2;
constexpr int AlertKey = 15;
// A region: a double-click posts MouseUp with key::MouseLeftDouble; a left
// press starts a drag (Dragging) that the release ends (Drag).
constexpr int MouseUp = 17;
constexpr int Dragging = 19;
constexpr int Drag = 20;
constexpr int Rejected = 26;
constexpr int Selected = 257;
constexpr int CloseWindow = 513;
constexpr int CloseDown = 514;
constexpr int OpenWindow = 515;
constexpr int LoseFocus = 517;
constexpr int GainFocus = 518;
constexpr int Timer = 523;
constexpr int Iconize = 548;
constexpr int Completed = 549;
constexpr int Maximize = 550;
constexpr int Sized = 561;
constexpr int Restored = 562;
// Application events are numbered above the runtime's own.
constexpr int FirstApplication = 900;
}  // namespace event

// Key codes the program alerts on: mouse clicks.
namespace key {
constexpr int MouseLeft = 1;
constexpr int MouseRight = 2;
constexpr int MouseLeftDouble = 5;
constexpr int Esc = 256;
constexpr int F4 = 115;
constexpr int Enter = 13;
constexpr int PageUp = 545;
constexpr int PageDown = 546;
// Keys a list hands to its window when alerted, instead of acting on them.
constexpr int Tab = 9;
constexpr int ShiftTab = 1033;
constexpr int F11 = 122;
}  // namespace key

struct Event {
    int number = 0;
    int control = 0;  // 0: the event belongs to the window
    int keyCode = 0;
    // The window the event was raised for; 0 targets whichever window the
    // receiving thread has open on top.
    std::uint64_t window = 0;
};

}  // namespace rt
