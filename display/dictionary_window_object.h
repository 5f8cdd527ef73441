// The dictionary window's object: the four lists built from the loaded
// model, the selection that drives the detail lists, the splitters, the
// full views, the drop-down file list and the pick popup.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "display/core/dictionary_lists.h"
#include "display/window_splitters.h"
#include "framework/window_procedure.h"
#include "runtime/text_measure.h"

namespace display {

class DictionaryWindowObject final : public framework::ProcedureWindow {
  public:
    // `model` outlives the window.
    DictionaryWindowObject(const dictionary::DictionaryModel& model, std::string path);

    std::uint8_t Teardown() override;
    void FirstDisplay() override;
    std::uint8_t DispatchEvent() override;
    std::uint8_t OnAccepted() override;
    std::uint8_t OnFieldEvent() override;
    std::uint8_t OnNewSelection() override;
    std::uint8_t OnSelected() override;
    std::uint8_t OnWindowEvent() override;

  protected:
    void Prepare() override;

  private:
    const dictionary::DictionaryModel& model_;
    std::string path_;  // the dictionary's, as the user chose it
    // Rebuilds the lists for the Files row `row` (0: the first build) and
    // hands each list its rows in one snapshot, with its format. The Files
    // list and its drop list keep the row they hold, which the user may have
    // moved on from meanwhile, unless `showChoice` (a choice made elsewhere,
    // as in the pick popup) sets it.
    void BuildLists(std::int32_t row, bool showChoice = false);
    // Shows `heading` (the dictionary's path with what comes before or after
    // it) fitted to the room left of the pick button, whole in its tip.
    void ShowHeading(const std::string& heading);
    // Fits the heading shown last to the room it has now.
    void FitHeading();
    void PickPopup();
    // Alerted keys from a list: Tab and Shift+Tab move through the lists
    // shown, Enter and F11 toggle the full view of `list`. True when taken.
    bool OnListKey(int keyCode, int list);
    // The lists' layout changed: the Files list's choice in view, and the
    // heading fitted again when the band may have changed.
    void AfterLayout(bool band = true);
    // Waits for and handles one event while an older window closes.
    bool HandleOneEvent();
    // Whether a double-click on `list` toggles its full view.
    bool DoubleClickToggles(int list) const;

    WindowSplitters splitters_;
    std::optional<DictionaryLists> lists_;
    rt::TextMeasure headingMeasure_;
    std::string heading_;
    bool firstDisplayRunning_ = false;
};

}  // namespace display
