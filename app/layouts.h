// The layouts of the program's windows.
#pragma once

#include "runtime/layout.h"

namespace app {

// Menu and control numbers of the frame.
namespace frame_menu {
constexpr int File = -1;
constexpr int Open = -2;
constexpr int Close = -3;
constexpr int PrintSetup = -4;
constexpr int Print = -5;
constexpr int Exit = -6;
constexpr int Edit = -7;
constexpr int Cut = -8;
constexpr int Copy = -9;
constexpr int Paste = -10;
constexpr int Window = -11;
constexpr int Tile = -12;
constexpr int Help = -13;
constexpr int About = -14;
}  // namespace frame_menu

rt::Layout FrameLayout();   // "P1$APPFRAME"
rt::Layout SplashLayout();  // "P1$WINDOW"

}  // namespace app
