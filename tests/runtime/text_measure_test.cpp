// Measuring texts in a window's font agrees with what an auto-sized string
// control of that window takes for the same text; a string control of a
// given size shows a text too wide for it cut, and keeps it whole.
#include <gtest/gtest.h>

#include <string>

#include "runtime/gui/text_control.h"
#include "tests/support/gui_program.h"

namespace {

constexpr int kMeasure = 4;

rt::Layout MeasureWindow() {
    rt::Layout layout;
    layout.label = "MEASURE";
    layout.kind = rt::WindowKind::Popup;
    layout.width = 300;
    layout.height = 40;
    rt::ControlDef text;
    text.number = kMeasure;
    text.kind = rt::ControlKind::String;
    text.x = 4, text.y = 4;
    text.hidden = true;
    layout.controls.push_back(text);
    return layout;
}

TEST(TextMeasure, AgreesWithAnAutoSizedStringControl) {
    guitest::RunProgram([] {
        rt::Window window(MeasureWindow());
        window.Open();
        const rt::TextMeasure measure = window.Ref().Measure();
        for (const std::string text :
             {"Customer", "WWWWWWWWWW", "iiiii", "'CUSTOMER.DAT'", "C,R,T,OWNER('x')", "Caf\xe9"}) {
            window.Ref().SetText(kMeasure, text);
            EXPECT_NEAR(measure.Width(text), window.Ref().ControlPosition(kMeasure).width, 1)
                << text;
        }
        // Wider texts measure wider.
        EXPECT_GT(measure.Width("WWWW"), measure.Width("iiii"));
        EXPECT_EQ(measure.Width(""), 0);
        // Without a window, four units a character.
        EXPECT_EQ(rt::TextMeasure().Width("abc"), 12);
    });
}

TEST(TextControl, ATextTooWideForItsBoxIsShownCutAndKeptWhole) {
    const std::string longText = "German Legal Fanfold 8 1/2 x 13 in";
    guitest::RunProgram([&] {
        rt::Layout layout = MeasureWindow();
        layout.controls.push_back(rt::MakeControl(5, rt::ControlKind::String, "A4", 4, 20, 60, 10));
        rt::Window window(layout);
        window.Open();
        std::vector<bool> cut;
        for (const std::string& text : {std::string("A4"), longText}) {
            window.Ref().SetText(5, text);
            guitest::OnControl<rt::gui::TextControl>(
                window, 5, [&](rt::gui::TextControl& control) { cut.push_back(control.Cut()); });
        }
        EXPECT_EQ(cut, (std::vector<bool>{false, true}));
        EXPECT_EQ(window.Ref().Text(5), longText);  // the whole text, in a box that stays
        EXPECT_EQ(window.Ref().ControlPosition(5).width, 60);
    });
}

}  // namespace
