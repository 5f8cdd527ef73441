// The layout of "Print Dictionary", in dialog units of the system font.
#include "printing/print_options.h"
#include "runtime/events.h"

namespace printing {

std::string FilesListFormat(int nameWidth) {
    return "10L@s1@" + std::to_string(nameWidth) + "L@s80@";
}

rt::Layout PrintOptionsLayout() {
    namespace c = print_options;
    using K = rt::ControlKind;
    rt::Layout layout;
    layout.label = "KESTR004";
    layout.kind = rt::WindowKind::Popup;
    layout.title = "Print Dictionary";
    layout.width = 180;
    layout.height = 146;
    layout.resizable = false;
    layout.maximizeBox = false;
    layout.modal = true;
    layout.alertKeys = {rt::key::MouseRight};
    // Down to the inside of its group's frame: five whole rows in the
    // system font.
    rt::ControlDef list = rt::MakeControl(c::List, K::List, "", 9, 77, 99, 48);
    list.format = FilesListFormat(400);
    list.fillWidth = true;
    list.tip = "Right-Click for Selection Popup Menu";
    list.marks = true;
    layout.controls = {
        rt::MakeControl(1, K::Group, "Printer", 4, 3, 172, 62),
        rt::MakeControl(101, K::String, "Name:", 9, 12),
        rt::MakeControl(c::PrinterName, K::String, "", 46, 12, 127, 10),
        rt::MakeControl(103, K::String, "Port:", 9, 22),
        rt::MakeControl(c::PrinterPort, K::String, "", 46, 22, 127, 10),
        rt::MakeControl(105, K::String, "Paper:", 9, 32),
        rt::MakeControl(c::Paper, K::String, "", 46, 32, 77, 10),
        rt::MakeControl(107, K::String, "Bin:", 9, 42),
        rt::MakeControl(c::Bin, K::String, "", 46, 42, 77, 10),
        rt::MakeControl(109, K::String, "Resolution:", 9, 52),
        rt::MakeControl(c::Resolution, K::String, "", 46, 52, 77, 10),
        rt::MakeControl(c::PrinterSetup, K::Button, "&Printer Setup", 126, 35, 46, 12),
        rt::MakeControl(c::PageSetup, K::Button, "Page &Setup", 126, 49, 46, 12),
        rt::MakeControl(13, K::Group, "Files to print", 4, 67, 109, 61),
        list,
        rt::MakeControl(15, K::Group, "Print also", 118, 67, 58, 61),
        rt::MakeControl(c::TitlePage, K::Check, "Title Page", 122, 76, 50, 10),
        rt::MakeControl(c::Summary, K::Check, "Summary", 122, 86, 50, 10),
        rt::MakeControl(c::Aliases, K::Check, "Aliases", 122, 96, 50, 10),
        rt::MakeControl(c::Keys, K::Check, "Keys", 122, 106, 50, 10),
        rt::MakeControl(c::Relations, K::Check, "Relations", 122, 116, 50, 10),
        rt::MakeControl(c::Preview, K::Check, "Preview", 4, 132, 50, 10),
        rt::MakeControl(c::Close, K::Button, "Close", 108, 131, 32, 12),
        rt::MakeControl(c::Print, K::Button, "Print", 144, 131, 32, 12),
    };
    return layout;
}

}  // namespace printing
