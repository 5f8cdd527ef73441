#include "app/layouts.h"
#include "framework/globals.h"
#include "runtime/core/program_title.h"
#include "runtime/events.h"

namespace app {

rt::Layout FrameLayout() {
    using rt::StandardAction;
    rt::Layout layout;
    layout.label = "P1$APPFRAME";
    layout.kind = rt::WindowKind::Application;
    layout.title = rt::kProgramTitle;
    layout.width = 480;
    layout.height = 300;
    layout.icon = "VELMORA4.ICO";
    layout.wallpaper = "V4WALL.BMP";
    layout.statusWidths = {-1, 60, 120, 44};
    namespace m = frame_menu;
    layout.menu = {
        {m::File, 0, true, "&File", "", true, StandardAction::None},
        {m::Open, m::File, false, "&Open...\tCtrl-O", "", true, StandardAction::None},
        {m::Close, m::File, false, "&Close\tCtrl-W", "", false, StandardAction::None},
        {m::PrintSetup, m::File, false, "P&rint Setup...", "Setup Printer", true,
         StandardAction::PrintSetup},
        {m::Print, m::File, false, "&Print...\tCtrl-P", "", false, StandardAction::None},
        {m::Exit, m::File, false, "E&xit", "Exit this application", true, StandardAction::Close},
        {m::Edit, 0, true, "&Edit", "", true, StandardAction::None},
        {m::Cut, m::Edit, false, "Cu&t", "Remove item to Windows Clipboard", true,
         StandardAction::Cut},
        {m::Copy, m::Edit, false, "&Copy", "Copy item to Windows Clipboard", true,
         StandardAction::Copy},
        {m::Paste, m::Edit, false, "&Paste", "Paste contents of Windows Clipboard", true,
         StandardAction::Paste},
        {m::Window, 0, true, "&Window", "", true, StandardAction::None},
        {m::Tile, m::Window, false, "&Tile", "", true, StandardAction::None},
        {m::Help, 0, true, "&Help", "", true, StandardAction::None},
        {m::About, m::Help, false, "&About...", "", true, StandardAction::None},
    };
    return layout;
}

rt::Layout SplashLayout() {
    rt::Layout layout;
    layout.label = "P1$WINDOW";
    layout.kind = rt::WindowKind::Popup;
    layout.fontFamily = "";  // the system's UI font stands in for MS Sans Serif
    layout.frameless = true;
    layout.resizable = false;
    layout.width = 0;
    layout.height = 0;
    // Mouse clicks close the window: alerted from the moment it appears.
    layout.alertKeys = {rt::key::MouseLeft, rt::key::MouseLeftDouble, rt::key::MouseRight};
    layout.controls.push_back(rt::MakeControl(1, rt::ControlKind::Image, "Kestrian.bmp", 0, 0));
    return layout;
}

}  // namespace app
