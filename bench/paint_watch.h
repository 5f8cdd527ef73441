// Tells a bench driver when a window has been painted in a given state: an
// application-wide event filter on the GUI thread looks at every paint of a
// widget inside the watched window and, when the state holds at that moment,
// raises a flag. The state is looked at on the GUI thread, so what is
// checked is what is painted.
//
//     bench::PaintWatch watch;
//     watch.Arm("P1$DCTWINDOW", [](rt::gui::GuiWindow& w) { return ...; });
//     ... the action under test ...
//     auto end = watch.WaitPainted();   // when that paint cycle was over
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace rt::gui {
class GuiWindow;
}

namespace bench {

class PaintWatch {
  public:
    using State = std::function<bool(rt::gui::GuiWindow&)>;

    // Installs the filter on the GUI thread (the application must run).
    PaintWatch();
    ~PaintWatch();
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    // From now on, the first paint inside the newest open window labelled
    // `label` while `state` holds raises the flag.
    void Arm(std::string label, State state);
    // Waits until the paint cycle that showed the state is over; returns when
    // it ended, as the GUI thread saw it (so that a driver thread slow to
    // wake adds nothing). Nothing after the deadline.
    std::optional<std::chrono::steady_clock::time_point> WaitPainted(
        std::chrono::seconds deadline = std::chrono::seconds(60));

  private:
    class Filter;
    std::unique_ptr<Filter> filter_;
};

}  // namespace bench
