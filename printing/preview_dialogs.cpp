#include "printing/preview_dialogs.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "framework/window_procedure.h"
#include "printing/core/preview_grid.h"
#include "printing/preview_layouts.h"

namespace printing {
namespace {

// A window closed by its OK button (completed) or its Cancel button.
class OkCancelWindow : public framework::ProcedureWindow {
  public:
    OkCancelWindow(rt::Layout layout, int first, int ok, int cancel)
        : framework::ProcedureWindow(std::move(layout), first), ok_(ok), cancel_(cancel) {}

  protected:
    void Prepare() override {
        BUTTONS->push_back({ok_, framework::response::Completed});
        BUTTONS->push_back({cancel_, framework::response::Cancelled});
    }

  private:
    int ok_;
    int cancel_;
};

int NumberIn(const rt::WindowRef& window, int control, int low, int high) {
    return std::clamp(FieldNumber(window, control).value_or(low), low, high);
}

}  // namespace

std::optional<int> FieldNumber(const rt::WindowRef& window, int control) {
    const std::string text = window.Text(control);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first != last && *first == ' ') ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end == first) return std::nullopt;
    return value;
}

std::optional<std::int32_t> RunJumpWindow(std::int32_t current, std::int32_t pageCount) {
    const int count = std::max<std::int32_t>(pageCount, 1);
    OkCancelWindow window(preview::JumpLayout(count, std::clamp(current, 1, count)),
                          preview::jump::Page, preview::jump::Ok, preview::jump::Cancel);
    window.Win().Open();
    if (window.Execute() != framework::response::Completed) return std::nullopt;
    return NumberIn(window.Ref(), preview::jump::Page, 1, count);
}

std::optional<GridSize> RunSelectWindow(GridSize current) {
    OkCancelWindow window(preview::SelectLayout(current.across, current.down),
                          preview::select::Across, preview::select::Ok, preview::select::Cancel);
    window.Win().Open();
    if (window.Execute() != framework::response::Completed) return std::nullopt;
    return GridSize{NumberIn(window.Ref(), preview::select::Across, 1, printing::kMaxThumbnails),
                    NumberIn(window.Ref(), preview::select::Down, 1, printing::kMaxThumbnails)};
}

}  // namespace printing
