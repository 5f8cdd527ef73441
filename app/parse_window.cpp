#include "app/parse_window.h"

#include <chrono>
#include <new>
#include <optional>

#include "dictionary/export_file.h"
#include "dictionary/parse_progress.h"
#include "dictionary/txd_parser.h"
#include "framework/globals.h"
#include "framework/window_procedure.h"
#include "runtime/core/error_state.h"
#include "runtime/dialogs.h"
#include "runtime/event_queue.h"
#include "runtime/program_threads.h"

namespace app {
namespace {

// Lines parsed per slice, and the timer tick that starts a run of slices.
// Within a tick slices follow one another while no event waits for this
// thread (a key such as Esc ends the run after the slice under way), for at
// most kRunLimit, so that a large export parses at the parser's own speed.
constexpr int kLinesPerSlice = dictionary::TxdParser::kLinesPerSlice;
constexpr std::chrono::microseconds kSlicePeriod{500};
constexpr std::chrono::milliseconds kRunLimit{20};

rt::Layout ParseLayout() {
    rt::Layout layout;
    layout.label = "KESTR003";
    layout.kind = rt::WindowKind::MdiChild;
    layout.title = "Parsing";
    layout.width = 160;
    layout.height = 40;
    layout.resizable = false;
    layout.timer = 1;
    rt::ControlDef wait = rt::MakeControl(1, rt::ControlKind::String,
                                          "Parsing Dictionary:  Please wait...", 8, 8, 144, 10);
    wait.centered = true;
    rt::ControlDef abort = wait;
    abort.number = 2;
    abort.text = "(Press Esc to abort)";
    abort.y = 22;
    layout.controls = {wait, abort};
    return layout;
}

class ParseWindowObject final : public framework::ProcedureWindow {
  public:
    ParseWindowObject(std::string_view bytes, dictionary::DictionaryModel& model)
        : framework::ProcedureWindow(ParseLayout()) {
        parser_.emplace(model, bytes, framework::DictionaryPath.Get());
    }

    void Prepare() override { Win().SetTimerPeriod(kSlicePeriod); }

    std::uint8_t OnWindowEvent() override {
        if (Host().Event() == rt::event::Timer && !done_) ParseSlice();
        return WindowObject::OnWindowEvent();
    }

    std::uint8_t Teardown() override {
        // The parser refers into the model and its export: it goes first.
        parser_.reset();
        return WindowObject::Teardown();
    }

    bool Completed() const { return done_; }

  private:
    void ParseSlice() {
        const rt::WindowRef frame = framework::FrameWindow();
        // Posted, not waited for: the parse goes on while the frame shows it.
        const auto showPercent = [&frame](int percent) {
            frame.PostStatus({{2, dictionary::ParsedPercentText(percent)},
                              {1, dictionary::ParsingBarText(percent)}});
        };
        const rt::EventQueue* queue = rt::ThisQueue();
        const auto runEnd = std::chrono::steady_clock::now() + kRunLimit;
        try {
            do {
                done_ = parser_->ParseLines(kLinesPerSlice, showPercent);
            } while (!done_ && queue != nullptr && queue->Size() == 0 &&
                     std::chrono::steady_clock::now() < runEnd);
        } catch (const std::bad_alloc&) {
            // The dictionary does not fit in memory: the parse is abandoned
            // as Esc abandons it.
            rt::SetError(dictionary::kInsufficientMemory);
            ReportExportError(dictionary::kInsufficientMemory, framework::TxdPath.Get());
            Host().PostToWindow(rt::event::CloseWindow);
            return;
        }
        if (done_) {
            parser_.reset();
            Host().PostToWindow(rt::event::CloseWindow);
        }
    }

    std::optional<dictionary::TxdParser> parser_;
    bool done_ = false;
};

}  // namespace

void ReportExportError(int error, const std::string& txdPath) {
    rt::Message("Error " + std::to_string(error) + " (" + rt::ErrorText() + ")\n" +
                    "attempting to open " + txdPath,
                "ERROR OPENING DICTIONARY", rt::Icon::None, rt::ButtonOk, rt::ButtonOk);
}

bool KESTR003(std::string_view exportBytes) {
    dictionary::DictionaryModel* model = framework::Model();
    if (model == nullptr) return false;
    ParseWindowObject window(exportBytes, *model);
    framework::RunProcedure(window);
    return window.Completed();
}

}  // namespace app
