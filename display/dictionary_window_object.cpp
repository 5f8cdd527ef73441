#include "display/dictionary_window_object.h"

#include <utility>
#include <vector>

#include "dictionary/model.h"
#include "display/dictionary_window_layout.h"
#include "display/display_hand_over.h"
#include "display/pick_popup.h"
#include "framework/globals.h"

namespace display {
namespace {

// Window > Tile in the frame.
constexpr int kTileEvent = 900;

std::shared_ptr<const rt::ListRows> Snapshot(rt::ListRows rows) {
    return std::make_shared<const rt::ListRows>(std::move(rows));
}

bool IsDetailList(int control) {
    return control == kFieldsList || control == kKeysList || control == kRelationsList;
}

}  // namespace

DictionaryWindowObject::DictionaryWindowObject()
    : ProcedureWindow(DictionaryWindowLayout(app::DictionaryPath.Get()), kFilesList),
      splitters_(Win()) {}

void DictionaryWindowObject::Prepare() {
    const rt::WindowRef& ref = Ref();
    // Double-clicks on the lists, Esc (never closes this window) and F4 (the
    // pick popup).
    ref.SetAlertKey(rt::key::MouseLeftDouble);
    ref.SetAlertKey(rt::key::Esc);
    ref.SetAlertKey(rt::key::F4);
    if (const dict::DictionaryModel* model = app::Model()) {
        rt::TextMeasure measure = ref.Measure();
        // The width an auto-sized string control takes for the text, plus 3.
        // Names and keys recur from one selection to the next: each distinct
        // text is measured once.
        TextWidth width = RememberingWidths([measure = std::move(measure)](std::string_view text) {
            return measure.Width(ClipBlanks(text)) + 3;
        });
        lists_.emplace(*model, app::DictionaryPath.Get(), std::move(width));
    }
}

bool DictionaryWindowObject::HandleOneEvent() {
    if (!Host().Accept()) return false;
    const std::uint8_t outcome = DispatchEvent();
    if (outcome == app::result::EndLoop) {
        Win().EndLoop();
        return false;
    }
    if (outcome == app::result::Finished) Host().Cycle();
    return true;
}

void DictionaryWindowObject::FirstDisplay() {
    // Events handled while an older window closes may ask again.
    if (firstDisplayRunning_) return;
    firstDisplayRunning_ = true;
    const bool mine = TakeDisplayThread([this] { return HandleOneEvent(); });
    firstDisplayRunning_ = false;
    if (!mine) return;
    ShowHeading("DICTIONARY: " + app::DictionaryPath.Get());
    BuildLists(0);
    splitters_.Restore();
    WindowObject::FirstDisplay();
}

void DictionaryWindowObject::ShowHeading(const std::string& heading) {
    Ref().SetText(kHeadingText, heading);
    Ref().Display();
}

void DictionaryWindowObject::BuildLists(std::int32_t row) {
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
        splitters_.SetFilesColumnWidth(files.nameWidth);
    } else {
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
        return app::result::Finished;
    }
    if (Host().Event() == rt::event::AlertKey && Host().KeyCode() == rt::key::F4) {
        PickPopup();
        return app::result::Finished;
    }
    if (Host().Event() == kTileEvent) splitters_.Retile();
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
    const int choice = ShowPickPopup(ref, lists_->PickText());
    if (choice <= 0 || static_cast<std::size_t>(choice) > lists_->Files().rows.size()) return;
    const FileListRow& row = lists_->Files().rows[static_cast<std::size_t>(choice - 1)];
    ref.SetText(kPickButton, std::string(ClipBlanks(row.Text(kFileName))));
    BuildLists(choice);
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
    if (splitters_.OnRegionEvent(event, control, Host().KeyCode()))
        return WindowObject::OnFieldEvent();
    if (event == rt::event::AlertKey && Host().KeyCode() == rt::key::MouseLeftDouble &&
        control >= kFilesList && control <= kRelationsList && DoubleClickToggles(control))
        splitters_.ToggleFullView(control);
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
    // The detail lists scroll but never hold a selection.
    if (IsDetailList(control)) {
        Ref().SetListSelection(control, 0);
        Ref().Select(kFilesList);
    }
    return WindowObject::OnSelected();
}

std::uint8_t DictionaryWindowObject::OnWindowEvent() {
    switch (Host().Event()) {
        case rt::event::Timer:
            splitters_.OnTimer();
            break;
        case rt::event::Sized:
            splitters_.TakeSize();
            if (app::FrameIconized.load() == 0) splitters_.OnSized();
            break;
        default:
            break;
    }
    return WindowObject::OnWindowEvent();
}

}  // namespace display
