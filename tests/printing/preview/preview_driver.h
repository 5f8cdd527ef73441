// Driving the preview from a second thread while the program thread runs
// it: sample pages, finding the window, and waiting for what it shows.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <thread>

#include "printing/preview_layouts.h"
#include "runtime/page_images.h"
#include "runtime/window.h"
#include "tests/support/wait_until.h"

namespace previewtest {

// `count` pages, each with its number printed large at the top.
inline void AddPages(rt::PageImages& images, int count, int width = rt::kA4Width,
                     int height = rt::kA4Height) {
    for (int n = 1; n <= count; ++n) {
        rt::Page page;
        page.width = width;
        page.height = height;
        page.ops.push_back(rt::BoxOp(500, 500, width - 1000, 400, rt::kLightGrey));
        page.ops.push_back(
            rt::TextOp(700, 550, "Page " + std::to_string(n), {rt::FontFace::Sans, 20, true}));
        for (int line = 0; line < 40; ++line)
            page.ops.push_back(rt::TextOp(700, 1400 + line * 220,
                                          "FIELD" + std::to_string(line) + "  STRING(20)",
                                          {rt::FontFace::Mono, 9, false}));
        images.Add(page);
    }
}

// The first open window with this label, once it is visible.
inline rt::WindowRef WaitForWindow(const std::string& label) {
    rt::WindowRef found;
    testsupport::WaitUntil([&] {
        for (const rt::OpenWindowInfo& info : rt::OpenWindows())
            if (info.label == label && info.visible) {
                found = rt::WindowRef(info.id, info.thread);
                return true;
            }
        return false;
    });
    return found;
}

inline bool WaitForStatus(const rt::WindowRef& window, int zone, const std::string& text) {
    return testsupport::WaitUntil([&] { return window.Status(zone) == text; });
}

inline bool WaitForText(const rt::WindowRef& window, int control, const std::string& text) {
    return testsupport::WaitUntil([&] { return window.Text(control) == text; });
}

// Runs `drive` on a thread of its own with the preview window; whatever
// happens there, the window is then asked to close (Exit), so that the
// program thread never waits for ever.
class Driver {
  public:
    explicit Driver(std::function<void(rt::WindowRef)> drive)
        : thread_([drive = std::move(drive)] {
              const rt::WindowRef window = WaitForWindow("P15$PREVIEWWINDOW");
              if (window.IsNull()) return;
              drive(window);
              window.PostEvent(rt::event::Accepted, printing::preview::control::MenuExit);
          }) {}
    ~Driver() { thread_.join(); }

  private:
    std::thread thread_;
};

}  // namespace previewtest
