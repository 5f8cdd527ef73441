// Popup menus built from named items. The manager turns its items into the
// menu text of the runtime popup menu, shows it, and maps the number the
// user chose back to the item's name; items can mirror a window control or
// post an event. What it needs of the window comes through PopupHost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace printing {

// The window a popup menu belongs to.
class PopupHost {
  public:
    virtual ~PopupHost() = default;
    virtual bool IsControlEnabled(int control) const = 0;
    virtual std::string ControlText(int control) const = 0;
    virtual void PostEvent(int control, int event) = 0;
    // Shows the menu text at screen position (x, y), an unspecified
    // coordinate being the mouse's; returns the chosen item's number, 0
    // when the menu was dismissed.
    virtual int RuntimePopup(std::string_view text, std::optional<int> x, std::optional<int> y) = 0;
};

struct PopupItem {
    std::uint16_t POSITIONAL = 0;  // 1-based position in the menu
    std::int16_t CONTROLID = 0;    // control of a mimic or event item
    std::uint16_t DEPTH = 1;       // 1 at the top level, one more per submenu
    std::uint16_t EVENT = 0;       // event posted when chosen (0: none)
    std::uint8_t MIMICMODE = 0;    // 1: mirrors control CONTROLID
    std::string NAME;              // unique, at most 32 characters
    std::string TEXT;              // menu text, may begin with "+", "-" or "~"
};

class PopupManager {
  public:
    static constexpr std::size_t kMaxName = 32;
    static constexpr std::size_t kMaxText = 32;
    static constexpr int kEventAccepted = 1;

    explicit PopupManager(PopupHost& host) : host_(host) {}

    void AddItem(std::string_view text, std::string_view name, int depth = 1);
    // Inserts after the item named `after`; at the end when there is none.
    void AddItemAfter(std::string_view text, std::string_view name, std::string_view after,
                      int depth = 1);
    // An item that mirrors `control`: greyed while it is disabled, shows
    // its text, and accepts it when chosen. Returns the item's name.
    std::string AddMimicItem(std::string_view nameOrText, int control);
    // An item that posts `event` to `control` when chosen. Returns its name.
    std::string AddEventItem(std::string_view nameOrText, int event, int control);
    // Shows a check mark ("+") or none ("-") in front of the item's text.
    void SetItemCheck(std::string_view name, bool on);
    bool ItemExists(std::string_view name) const;
    // A name made of the text's letters and digits ("Separator" for "-"),
    // numbered on when taken; always at most 32 characters.
    std::string MakeItemName(std::string_view text) const;
    // The menu text for the runtime popup; starts with "|".
    std::string BuildMenuText() const;
    // The name of the item the popup numbered `choice`; empty for 0.
    std::string ChoiceName(int choice) const;
    // Shows the menu at (x, y) (0: at the mouse), posts the chosen item's
    // event, and returns its name (empty when dismissed).
    std::string Ask(int x = 0, int y = 0);

    const std::string& LastSelection() const noexcept { return lastSelection_; }
    const std::vector<PopupItem>& Items() const noexcept { return items_; }

  private:
    PopupItem* Find(std::string_view name);
    const PopupItem* Find(std::string_view name) const;
    // The index of the item numbered `choice`; -1 when none is.
    std::ptrdiff_t ChoiceIndex(int choice) const;
    PopupItem& FindOrAdd(std::string_view nameOrText);

    PopupHost& host_;
    std::vector<PopupItem> items_;  // in POSITIONAL order
    std::string lastSelection_;
};

}  // namespace printing
