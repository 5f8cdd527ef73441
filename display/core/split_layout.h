// The splitter layout of the dictionary window as plain arithmetic: where
// the two splitter bars are, which list fills the window, and where every
// control goes. The window supplies its current size and applies each
// LayoutResult in one batch.
//
//     SplitLayout layout([&] { return WindowSize{w, h}; });
//     LayoutResult r = layout.Restore(vsplitText, hsplitText, panelHeight);
//     ... apply r; on a double-click: if (auto r = layout.SetFullView(15)) apply(*r);
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace display {

// Control numbers of the dictionary window.
enum DictionaryControl : int {
    kHeadingPanel = 2,
    kHeadingText = 3,
    kTopLineLight = 6,
    kTopLineDark = 7,
    kFileDropList = 8,
    kVSplitUpper = 9,
    kVSplitLower = 10,
    kHSplitLeft = 11,
    kHSplitRight = 12,
    kCrossing = 13,
    kFilesList = 14,
    kFieldsList = 15,
    kKeysList = 16,
    kRelationsList = 17,
};

// The window's client size in dialog units.
struct WindowSize {
    int width = 0;
    int height = 0;
};

// Where one control goes. A missing width or height leaves that size as it is.
struct Placement {
    int control = 0;
    int x = 0;
    int y = 0;
    std::optional<int> width;
    std::optional<int> height;

    friend bool operator==(const Placement&, const Placement&) = default;
};

// One layout, to be applied at once.
struct LayoutResult {
    // Moves in order: the top band (when repositioned), the drop-down list
    // (when shown), the bar regions 9 to 13, then each shown list. Each list
    // placed gets its format string assigned again.
    std::vector<Placement> placements;
    std::array<bool, 4> hidden{};   // Files, Fields, Keys, Relations
    bool barsEnabled = true;        // regions 9 to 13
    bool showDropList = false;      // drop-down list instead of panel and heading
    bool bandRepositioned = false;  // lines 6, 7, panel 2 and heading 3 were placed

    // The placement of `control`, or null when it is not moved.
    const Placement* Find(int control) const;
};

// The two settings values to write ("VSplit" and "HSplit").
struct SavedSplits {
    std::int32_t vsplit = 0;
    std::int32_t hsplit = 0;
};

class SplitLayout {
  public:
    using SizeSource = std::function<WindowSize()>;
    static constexpr int kMargin = 50;  // closest a bar comes to an edge

    explicit SplitLayout(SizeSource size);

    // The first layout: origins and limits from the heading panel's height,
    // the bars from the saved "VSplit"/"HSplit" texts (null when missing;
    // then the middle of the grid area), the grid shown.
    LayoutResult Restore(const std::optional<std::string>& vsplit,
                         const std::optional<std::string>& hsplit, int panelHeight);
    // The values to save: the grid's position, also while a list fills the window.
    SavedSplits Save() const;

    // Each returns the layout when one was made (nullopt when nothing moved).
    std::optional<LayoutResult> SetSplit(int x, int y, bool force);
    std::optional<LayoutResult> SetVertical(int x);
    std::optional<LayoutResult> SetHorizontal(int y);
    std::optional<LayoutResult> CenterVertical();
    std::optional<LayoutResult> CenterHorizontal();
    LayoutResult Retile();
    // Lets `list` (14 to 17) fill the window, or returns to the grid when it
    // already does (or `list` is 0).
    LayoutResult SetFullView(int list);
    // The window was resized: bars keep their proportions, a full view stays full.
    LayoutResult OnSized();
    LayoutResult Layout(bool force, bool sizedEvent = false);

    // Splitter dragging: the mode for a region ('V', 'H', 'D', or ' '), the
    // move for a timer tick at the mouse position, and a double-click.
    static char DragModeFor(int region) noexcept;
    std::optional<LayoutResult> DragTo(char mode, int mouseX, int mouseY);
    std::optional<LayoutResult> DoubleClick(int region);

    // The width of the Files list's first column (the drop-down list is as
    // wide as it plus the panel's height).
    void SetFilesColumnWidth(int width) noexcept { filesColumnWidth_ = width; }

    double XPOS() const noexcept { return xpos_; }
    double YPOS() const noexcept { return ypos_; }
    double XPOSR() const noexcept { return xposr_; }
    double YPOSR() const noexcept { return yposr_; }
    double SAVEXPOS() const noexcept { return savexpos_; }
    double SAVEYPOS() const noexcept { return saveypos_; }
    int MINX() const noexcept { return minx_; }
    int MINY() const noexcept { return miny_; }
    int XORIGIN() const noexcept { return xorigin_; }
    int YORIGIN() const noexcept { return yorigin_; }
    int FULLSCREENON() const noexcept { return fullscreenon_; }
    const std::array<bool, 4>& HIDDEN() const noexcept { return hidden_; }

  private:
    int LimitX(int x, const WindowSize& size) const noexcept;
    int LimitY(int y, const WindowSize& size) const noexcept;
    // The far-edge splitter position that lets `list` fill the window.
    std::pair<int, int> FullViewSplit(int list, const WindowSize& size) const noexcept;
    void ShowGrid() noexcept;

    SizeSource size_;
    double xpos_ = 0;
    double ypos_ = 0;
    double xposr_ = 0.5;
    double yposr_ = 0.5;
    double savexpos_ = 0;
    double saveypos_ = 0;
    int minx_ = kMargin;
    int miny_ = kMargin;
    int xorigin_ = 0;
    int yorigin_ = 0;
    std::array<bool, 4> hidden_{};
    int fullscreenon_ = 0;
    int panelX_ = 31;  // the heading panel's design position until first placed
    int panelY_ = 11;
    int panelHeight_ = 10;
    int filesColumnWidth_ = 0;
};

// A saved splitter value read as a number, its fraction dropped; a text
// that is not a number reads as 0.
int SplitSettingValue(std::string_view text) noexcept;

}  // namespace display
