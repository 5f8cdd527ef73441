#include "app/parse_window.h"

#include <new>
#include <optional>

#include "app/frame_services.h"
#include "app/globals.h"
#include "app/model_users.h"
#include "app/procedure_hooks.h"
#include "app/window_procedure.h"
#include "dictionary/export_file.h"
#include "dictionary/txd_parser.h"
#include "runtime/dialogs.h"
#include "runtime/error_state.h"
#include "runtime/file_ops.h"
#include "runtime/program_threads.h"

namespace app {
namespace {

// Lines parsed per timer tick, and the tick: short enough that a large
// export parses quickly, with the event queue looked at between slices.
constexpr int kLinesPerSlice = dict::TxdParser::kLinesPerSlice;
constexpr std::chrono::microseconds kSlicePeriod{500};

rt::Layout ParseLayout() {
    rt::Layout layout;
    layout.label = "KESTR003";
    layout.kind = rt::WindowKind::MdiChild;
    layout.title = "Parsing";
    layout.width = 160;
    layout.height = 40;
    layout.resizable = false;
    layout.timer = 1;
    rt::ControlDef wait;
    wait.number = 1;
    wait.kind = rt::ControlKind::String;
    wait.text = "Parsing Dictionary:  Please wait...";
    wait.x = 8;
    wait.y = 8;
    wait.width = 144;
    wait.height = 10;
    wait.centered = true;
    rt::ControlDef abort = wait;
    abort.number = 2;
    abort.text = "(Press Esc to abort)";
    abort.y = 22;
    layout.controls = {wait, abort};
    return layout;
}

void ReportExportError(int error, const std::string& txdPath) {
    rt::Message("Error " + std::to_string(error) + " (" + rt::ErrorText() + ")\n" +
                    "attempting to open " + txdPath,
                "ERROR OPENING DICTIONARY", rt::Icon::None, rt::ButtonOk, rt::ButtonOk);
}

class ParseWindowObject final : public ProcedureWindow {
  public:
    ParseWindowObject(std::shared_ptr<const std::string> bytes, dict::DictionaryModel& model)
        : ProcedureWindow(ParseLayout()), bytes_(std::move(bytes)) {
        parser_.emplace(model, *bytes_, DictionaryPath.Get());
    }

    void Prepare() override { Win().SetTimerPeriod(kSlicePeriod); }

    std::uint8_t OnWindowEvent() override {
        if (Host().Event() == rt::event::Timer && !done_) ParseSlice();
        return WindowObject::OnWindowEvent();
    }

    std::uint8_t Teardown() override {
        const bool tempExport = TempExport.load() == 1;
        if (tempExport) rt::RemoveFile(TxdPath.Get());
        const rt::WindowRef frame = FrameWindow();
        frame.SetStatus(1, "");
        frame.SetStatus(2, "");
        frame.Display();
        // The parser refers into the model and the export: both go first.
        parser_.reset();
        bytes_.reset();
        if (!done_) ReleaseLoadedModel();
        if (const int display = DisplayThread.load(); display != 0)
            rt::Post(rt::event::CloseWindow, 0, display);
        UpdateFrameMenu();
        // The dictionary window's thread is known from its start, so that a
        // Close that follows at once finds it.
        if (done_) DisplayThread.store(rt::Start(DictionaryWindowProcedure()));
        return WindowObject::Teardown();
    }

  private:
    void ParseSlice() {
        const rt::WindowRef frame = FrameWindow();
        try {
            done_ = parser_->ParseLines(kLinesPerSlice, [&frame](int percent) {
                frame.SetStatus(2, std::to_string(percent) + "% parsed");
                frame.SetStatus(1,
                                "Parsing: " + std::string(static_cast<std::size_t>(percent), '|'));
                frame.Display();
            });
        } catch (const std::bad_alloc&) {
            // The dictionary does not fit in memory: the parse is abandoned
            // as Esc abandons it.
            rt::SetError(dict::kInsufficientMemory);
            ReportExportError(dict::kInsufficientMemory, TxdPath.Get());
            Host().PostToWindow(rt::event::CloseWindow);
            return;
        }
        if (done_) {
            parser_.reset();
            bytes_.reset();
            Host().PostToWindow(rt::event::CloseWindow);
        }
    }

    std::shared_ptr<const std::string> bytes_;
    std::optional<dict::TxdParser> parser_;
    bool done_ = false;
};

}  // namespace

std::unique_ptr<dict::ExportFile> OpenExportOrReport(const std::string& txdPath) {
    auto file = std::make_unique<dict::ExportFile>(txdPath);
    if (const int error = file->Open(); error != 0) {
        ReportExportError(error, txdPath);
        return nullptr;
    }
    // An export larger than the memory that can be had is refused here,
    // while the loaded dictionary is still there.
    if (const int error = dict::ReserveExportBuffer(*file).error; error != 0) {
        ReportExportError(error, txdPath);
        return nullptr;
    }
    return file;
}

int StartParse(std::unique_ptr<dict::ExportFile> exportFile, bool tempExport) {
    StopModelUsers();
    const std::string txdPath = exportFile->Path();
    TxdPath.Set(txdPath);
    TempExport.store(tempExport ? 1 : 0);
    // Releasing writes "TEST.TXD", which may be the very export chosen. The
    // write-back replaces that file by renaming a new one over it, so the
    // export opened before keeps its contents for the read below; and the old
    // model is gone before the new export's bytes arrive.
    ReleaseLoadedModel();
    dict::ExportRead read = dict::ReadOpenExport(*exportFile);
    exportFile.reset();
    if (read.error != 0) {
        UpdateFrameMenu();
        ReportExportError(read.error, txdPath);
        return 0;
    }
    auto bytes = std::make_shared<const std::string>(std::move(read.bytes));
    CreateModel();
    UpdateFrameMenu();
    const int thread = rt::Start([bytes = std::move(bytes)] {
        KESTR003(bytes);
        std::int32_t self = rt::ThisThread();
        ParseThread.compare_exchange_strong(self, 0);
    });
    ParseThread.store(thread);
    return thread;
}

void KESTR003(std::shared_ptr<const std::string> exportBytes) {
    dict::DictionaryModel* model = Model();
    if (model == nullptr || !exportBytes) return;
    ParseWindowObject window(std::move(exportBytes), *model);
    RunProcedure(window);
}

}  // namespace app
