// Measuring texts in a window's font agrees with what an auto-sized string
// control of that window takes for the same text.
#include <gtest/gtest.h>

#include <string>

#include "tests/runtime/gui_program.h"

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

}  // namespace
