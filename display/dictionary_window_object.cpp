#include "display/dictionary_window_object.h"

#include <utility>
#include <vector>

#include "dictionary/model.h"
#include "display/core/heading_fit.h"
#include "display/dictionary_window_layout.h"
#include "display/display_hand_over.h"
#include "display/pick_popup.h"
#include "framework/globals.h"
#include "runtime/core/blanks.h"
#include "runtime/core/program_events.h"

namespace display {
namespace {

std::shared_ptr<const rt::ListRows> Snapshot(rt::ListRows rows) {
    return std::make_shared<const rt::ListRows>(std::move(rows));
}

bool IsDetailList(int control) {
    return control == kFieldsList || control == kKeysList || control == kRelationsList;
}

bool IsList(int control) {
    return control == kFilesList || IsDetailList(control);
}

}  // namespace

DictionaryWindowObject::DictionaryWindowObject(const dictionary::DictionaryModel& model,
                                               std::string path)
    : framework::ProcedureWindow(DictionaryWindowLayout(path), kFilesList),
      model_(model),
      path_(std::move(path)),
      splitters_(Win()) {}

void DictionaryWindowObject::Prepare() {
    const rt::WindowRef& ref = Ref();
    // Double-clicks on the lists, Esc (never closes this window) and F4 (the
    // pick popup).
    ref.SetAlertKey(rt::key::MouseLeftDouble);
    ref.SetAlertKey(rt::key::Esc);
    ref.SetAlertKey(rt::key::F4);
    // The keys a list hands over: moving through the lists, the full view.
    for (int key : {rt::key::Tab, rt::key::ShiftTab, rt::key::Enter, rt::key::F11})
        ref.SetAlertKey(key);
    ref.SetMinimumSize(kMinimumWidth, kMinimumHeight);
    headingMeasure_ = ref.Measure(true);
    rt::TextMeasure measure = ref.Measure();
    // The width an auto-sized string control takes for the text, plus 3.
    // Names and keys recur from one selection to the next: each distinct
    // text is measured once.
    TextWidth width = RememberingWidths([measure = std::move(measure)](std::string_view text) {
        return measure.Width(rt::TrimTrailingSpaces(text)) + 3;
    });
    lists_.emplace(model_, path_, std::move(width));
}

bool DictionaryWindowObject::HandleOneEvent() {
    if (!Host().Accept()) return false;
    const std::uint8_t outcome = DispatchEvent();
    if (outcome == framework::result::EndLoop) {
        Win().EndLoop();
        return false;
    }
    if (outcome == framework::result::Finished) Host().Cycle();
    return true;
}

void DictionaryWindowObject::FirstDisplay() {
    // Events handled while an older window closes may ask again.
    if (firstDisplayRunning_) return;
    firstDisplayRunning_ = true;
    const bool mine = TakeDisplayThread([this] { return HandleOneEvent(); });
    firstDisplayRunning_ = false;
    if (!mine) return;
    ShowHeading("DICTIONARY: " + path_);
    BuildLists(0);
    splitters_.Restore();
    AfterLayout();
    WindowObject::FirstDisplay();
}

void DictionaryWindowObject::ShowHeading(const std::string& heading) {
    heading_ = heading;
    Ref().SetTip(kHeadingText, std::string(rt::TrimTrailingSpaces(heading_)));
    FitHeading();
}

void DictionaryWindowObject::FitHeading() {
    const rt::WindowRef& ref = Ref();
    const std::string& path = path_;
    const std::string_view whole = heading_;
    // The path leads the heading of a file and ends the dictionary's.
    const bool leads = whole.starts_with(path);
    const std::string_view before =
        leads ? std::string_view()
              : whole.substr(0, whole.size() - std::min(whole.size(), path.size()));
    const std::string_view after = leads ? whole.substr(path.size()) : std::string_view();
    const int room =
        ref.ControlPosition(kPickButton).x - ref.ControlPosition(kHeadingText).x - kHeadingGap;
    const TextWidth measure = [this](std::string_view text) { return headingMeasure_.Width(text); };
    ref.SetText(kHeadingText, display::FitHeading(before, path, after, room, measure));
    ref.Display();
}

void DictionaryWindowObject::AfterLayout(bool band) {
    const rt::WindowRef& ref = Ref();
    // Whatever moved, the chosen file stays in view.
    ref.ShowListSelection(kFilesList);
    if (band && splitters_.FullView() == 0) FitHeading();
}

void DictionaryWindowObject::BuildLists(std::int32_t row, bool showChoice) {
    if (!lists_) return;
    const rt::WindowRef& ref = Ref();
    const bool first = row == 0;
    if (!lists_->Build(row)) {
        if (!first) return;
        // No files: the lists keep their design formats.
        return;
    }
    // The lists change in one call, so that the window is not painted with
    // some of them new and the others old.
    std::vector<rt::ListContents> contents;
    const std::int32_t selected = lists_->Selected();
    if (first) {
        const FileList& files = lists_->Files();
        auto rows = Snapshot(files.ControlRows());
        contents.push_back({kFilesList, rows, files.format, selected});
        contents.push_back({kFileDropList, rows, std::nullopt, selected});
        splitters_.SetFilesColumnWidth(files.nameWidth + kDropListFrame);
    } else if (showChoice) {
        contents.push_back({kFilesList, nullptr, std::nullopt, selected});
        contents.push_back({kFileDropList, nullptr, std::nullopt, selected});
    }
    const std::pair<int, const BuiltList*> details[] = {{kFieldsList, &lists_->Fields()},
                                                        {kKeysList, &lists_->Keys()},
                                                        {kRelationsList, &lists_->Relations()}};
    for (const auto& [control, list] : details)
        contents.push_back({control, Snapshot(list->rows), list->format, 0});
    ref.SetLists(contents);
    ShowHeading(lists_->Heading());
}

std::uint8_t DictionaryWindowObject::Teardown() {
    splitters_.Save();
    ReleaseDisplayThread();
    return WindowObject::Teardown();
}

std::uint8_t DictionaryWindowObject::DispatchEvent() {
    if (Host().KeyCode() == rt::key::Esc) {
        Host().SetKeyCode(0);
        return framework::result::Finished;
    }
    if (Host().Event() == rt::event::AlertKey && Host().KeyCode() == rt::key::F4) {
        PickPopup();
        return framework::result::Finished;
    }
    if (Host().Event() == rt::program_event::Tile) {
        splitters_.Retile();
        AfterLayout();
    }
    return WindowObject::DispatchEvent();
}

std::uint8_t DictionaryWindowObject::OnAccepted() {
    if (Host().Control() == kPickButton) PickPopup();
    return WindowObject::OnAccepted();
}

void DictionaryWindowObject::PickPopup() {
    if (!lists_ || lists_->Selected() == 0) return;
    const rt::WindowRef& ref = Ref();
    ref.Select(splitters_.FullView() != 0 ? splitters_.FullView() : kFilesList);
    ref.Display();
    const int choice = ShowPickPopup(ref, lists_->PickText(), lists_->Files(), lists_->Selected());
    if (choice <= 0 || static_cast<std::size_t>(choice) > lists_->Files().rows.size()) return;
    BuildLists(choice, true);
}

bool DictionaryWindowObject::OnListKey(int keyCode, int list) {
    const rt::WindowRef& ref = Ref();
    switch (keyCode) {
        case rt::key::Tab:
        case rt::key::ShiftTab: {
            // The lists shown, in the order they read.
            const int step = keyCode == rt::key::Tab ? 1 : 3;
            int next = list;
            for (int i = 0; i < 4; ++i) {
                next = kFilesList + (next - kFilesList + step) % 4;
                if (!splitters_.Layout().HIDDEN()[static_cast<std::size_t>(next - kFilesList)])
                    break;
            }
            ref.Select(next);
            return true;
        }
        case rt::key::Enter:
        case rt::key::F11:
            splitters_.ToggleFullView(list);
            AfterLayout();
            // The list keeps the keyboard: in its full view the keys scroll it.
            ref.Select(list);
            return true;
        default:
            return false;
    }
}

bool DictionaryWindowObject::DoubleClickToggles(int list) const {
    // The header and the blank area below the rows toggle every list; a data
    // row of a detail list toggles too (it has nothing else to do). A row of
    // the Files list chooses that file: in the grid it stays a choice, and in
    // the Files list's full view it also returns to the grid to show it.
    if (Ref().ListPressRow(list) == 0) return true;
    if (list != kFilesList) return true;
    return splitters_.FullView() == kFilesList;
}

std::uint8_t DictionaryWindowObject::OnFieldEvent() {
    const int control = Host().Control();
    const int event = Host().Event();
    if (splitters_.OnRegionEvent(event, control, Host().KeyCode())) {
        AfterLayout();
        return WindowObject::OnFieldEvent();
    }
    if (event == rt::event::AlertKey && IsList(control)) {
        if (Host().KeyCode() == rt::key::MouseLeftDouble && DoubleClickToggles(control)) {
            splitters_.ToggleFullView(control);
            AfterLayout();
        } else if (OnListKey(Host().KeyCode(), control)) {
            Host().SetKeyCode(0);
        }
    }
    return WindowObject::OnFieldEvent();
}

std::uint8_t DictionaryWindowObject::OnNewSelection() {
    const rt::WindowRef& ref = Ref();
    switch (Host().Control()) {
        case kFilesList: {
            // A list that lost its selection keeps showing the last file.
            const int row = ref.ListSelection(kFilesList);
            if (row == 0) break;
            ref.SetListSelection(kFileDropList, row);
            BuildLists(row);
            break;
        }
        case kFileDropList: {
            const int row = ref.ListSelection(kFileDropList);
            if (row == 0) break;
            ref.SetListSelection(kFilesList, row);
            // The list that fills the window takes the focus back.
            ref.Select(splitters_.FullView() != 0 ? splitters_.FullView() : kFilesList);
            ref.Display();
            BuildLists(row);
            break;
        }
        default:
            break;
    }
    return WindowObject::OnNewSelection();
}

std::uint8_t DictionaryWindowObject::OnSelected() {
    const int control = Host().Control();
    // The detail lists scroll but never hold a selection; with the focus
    // their keys scroll them.
    if (IsDetailList(control)) Ref().SetListSelection(control, 0);
    return WindowObject::OnSelected();
}

std::uint8_t DictionaryWindowObject::OnWindowEvent() {
    switch (Host().Event()) {
        case rt::event::Timer:
            // A bar's drag leaves the band as it is.
            if (splitters_.OnTimer()) AfterLayout(false);
            break;
        case rt::event::Sized:
            splitters_.TakeSize();
            if (framework::FrameIconized.load() == 0) {
                splitters_.OnSized();
                AfterLayout();
            }
            break;
        default:
            break;
    }
    return WindowObject::OnWindowEvent();
}

}  // namespace display
