#include "display/pick_popup.h"

#include <algorithm>
#include <vector>

#include "display/dictionary_window_layout.h"
#include "runtime/dialogs.h"
#include "runtime/core/blanks.h"

namespace display {

int ShowPickPopup(const rt::WindowRef& window, const std::string& pickText, const FileList& files,
                  int current) {
    if (pickText.empty()) return 0;
    const rt::ControlBox button = window.ControlPosition(kPickButton);
    const rt::UnitPoint corner = window.ToScreen(button.x, button.y + button.height);
    const auto shown =
        static_cast<std::size_t>(std::count(pickText.begin(), pickText.end(), '|')) + 1;
    if (shown == files.rows.size() && shown <= kMenuEntries)
        return rt::RuntimePopup(pickText, corner.x, corner.y);
    rt::ChooserRequest request;
    request.title = "Pick";
    request.items.reserve(files.rows.size());
    for (const FileListRow& row : files.rows)
        request.items.emplace_back(rt::TrimTrailingSpaces(row.Text(kFileName)));
    request.current = current;
    request.x = corner.x;
    request.y = corner.y;
    return rt::RuntimeChooser(request);
}

}  // namespace display
