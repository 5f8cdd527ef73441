#include "display/dictionary_window_layout.h"

#include "display/core/split_layout.h"

namespace display {
namespace {

rt::ControlDef Region(int number, const char* caption, rt::ControlCursor cursor) {
    rt::ControlDef def = rt::MakeControl(number, rt::ControlKind::Region, {}, 0, 0, 2, 2);
    def.text = caption;
    def.cursor = cursor;
    return def;
}

rt::ControlDef List(int number, int x, int y, int width, int height, const char* format) {
    rt::ControlDef def = rt::MakeControl(number, rt::ControlKind::List, {}, x, y, width, height);
    def.format = format;
    // The detail lists scroll with the keys and never hold a selection.
    def.browse = number != kFilesList;
    return def;
}

}  // namespace

rt::Layout DictionaryWindowLayout(const std::string& title) {
    rt::Layout layout;
    layout.label = kDictionaryWindowLabel;
    layout.kind = rt::WindowKind::MdiChild;
    layout.title = title;
    // Large enough for four lists with a few columns and rows each; the
    // splitter layout fills whatever size the user gives it.
    layout.width = 440;
    layout.height = 240;
    layout.fontFamily = "";  // the system's UI font stands in for MS Sans Serif 8
    layout.fontSize = 8;

    auto& controls = layout.controls;
    controls.push_back(rt::MakeControl(kHeadingPanel, rt::ControlKind::Panel, {}, 31, 11, 249, 10));
    rt::ControlDef heading = rt::MakeControl(kHeadingText, rt::ControlKind::String, {}, 34, 12);
    heading.bold = true;
    controls.push_back(heading);
    rt::ControlDef measure = rt::MakeControl(kMeasureText, rt::ControlKind::String, {}, 303, 21);
    measure.hidden = true;
    controls.push_back(measure);
    rt::ControlDef pick =
        rt::MakeControl(kPickButton, rt::ControlKind::Button, {}, 306, 48, kPickButtonWidth, 14);
    pick.text = "Pick... (F4)";
    controls.push_back(pick);
    // The two lines run along the whole top edge, however wide the window.
    controls.push_back(rt::MakeControl(kTopLineLight, rt::ControlKind::Line, {}, 0, 1, 4000, 1));
    controls.push_back(rt::MakeControl(kTopLineDark, rt::ControlKind::Line, {}, 0, 1, 4000, 1));
    rt::ControlDef drop =
        rt::MakeControl(kFileDropList, rt::ControlKind::DropList, {}, -500, -500, 120, 10);
    drop.format = kDropListFormat;
    drop.hidden = true;
    controls.push_back(drop);
    controls.push_back(Region(kVSplitUpper, "VSplit", rt::ControlCursor::SizeWestEast));
    controls.push_back(Region(kVSplitLower, "VSplit", rt::ControlCursor::SizeWestEast));
    controls.push_back(Region(kHSplitLeft, "HSplit", rt::ControlCursor::SizeNorthSouth));
    controls.push_back(Region(kHSplitRight, "HSplit", rt::ControlCursor::SizeNorthSouth));
    controls.push_back(Region(kCrossing, "CRegion", rt::ControlCursor::SizeNorthWestSouthEast));
    controls.push_back(List(kFilesList, 5, 23, 100, 144, kFilesDesignFormat));
    controls.push_back(List(kFieldsList, 111, 23, 172, 144, kFieldsDesignFormat));
    controls.push_back(List(kKeysList, 5, 171, 100, 128, kKeysDesignFormat));
    controls.push_back(List(kRelationsList, 111, 171, 100, 129, kRelationsDesignFormat));
    return layout;
}

}  // namespace display
