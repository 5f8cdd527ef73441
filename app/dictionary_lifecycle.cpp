#include "app/dictionary_lifecycle.h"

#include <chrono>
#include <string_view>
#include <utility>

#include "app/dictionary_acquisition.h"
#include "app/frame_services.h"
#include "app/parse_window.h"
#include "dictionary/export_load.h"
#include "dictionary/model.h"
#include "display/dictionary_window.h"
#include "framework/globals.h"
#include "runtime/core/error_state.h"
#include "runtime/core/file_ops.h"
#include "runtime/dialogs.h"
#include "runtime/events.h"
#include "runtime/program_threads.h"

namespace app {

std::atomic<std::int32_t> ParseThread{0};

namespace {

constexpr std::chrono::seconds kPatience{30};

// AcquireDictionary on the program's globals DictionaryPath, TxdPath and
// TempExport: they are read before and written back after, whatever the end.
Acquisition AcquireDictionaryForFrame(const AcquisitionHooks& hooks,
                                      std::optional<std::string> chosen) {
    AcquisitionState state{framework::DictionaryPath.Get(), framework::TxdPath.Get(),
                           framework::TempExport.load() != 0};
    const Acquisition result = AcquireDictionary(state, hooks, std::move(chosen));
    framework::DictionaryPath.Set(state.dictionaryPath);
    framework::TxdPath.Set(state.txdPath);
    framework::TempExport.store(state.tempExport ? 1 : 0);
    return result;
}

void CloseAndWait(std::int32_t thread) {
    if (thread == 0 || thread == rt::ThisThread()) return;
    rt::Post(rt::event::CloseWindow, 0, thread);
    rt::WaitForThreadEnd(thread, kPatience);
}

// Checks the export at `txdPath`. When it cannot be opened, is larger than
// the memory that can be had or is no export (it holds NUL bytes, or no
// section header), shows the "ERROR OPENING DICTIONARY" box and returns null.
std::unique_ptr<dictionary::ExportLoad> CheckExportOrReport(const std::string& txdPath) {
    auto load = std::make_unique<dictionary::ExportLoad>(txdPath);
    // Read through here, without keeping it, while the loaded dictionary is
    // still kept; a file of NUL bytes is refused at its first block.
    if (const int error = load->Check(false); error != 0) {
        ReportExportError(error, txdPath);
        return nullptr;
    }
    return load;
}

}  // namespace

DictionaryLifecycle& Dictionary() {
    static DictionaryLifecycle lifecycle;
    return lifecycle;
}

void DictionaryLifecycle::OpenStartDictionary() {
    if (startDictionary_.empty()) return;
    Open(std::exchange(startDictionary_, std::string()));
}

void DictionaryLifecycle::Open(std::optional<std::string> chosen) {
    AcquisitionHooks hooks;
    hooks.showStatus = ShowStatus;
    hooks.redraw = [] { framework::FrameWindow().Display(); };
    if (AcquireDictionaryForFrame(hooks, std::move(chosen)) != Acquisition::Ready) {
        CancelOpen();
        return;
    }
    // The export is checked before the old model is released, so that an
    // export that cannot be loaded leaves the loaded dictionary as it was.
    std::unique_ptr<dictionary::ExportLoad> load = CheckExportOrReport(framework::TxdPath.Get());
    if (!load) {
        CancelOpen();
        return;
    }
    StartParse(std::move(load), framework::TempExport.load() != 0);
}

void DictionaryLifecycle::Close() {
    StopModelUsers();
    ReleaseModel();
    UpdateFrameMenu();
}

void DictionaryLifecycle::End() {
    StopModelUsers();
    ReleaseModel();
}

void DictionaryLifecycle::CancelOpen() {
    if (framework::Model() != nullptr) return;
    framework::DictionaryPath.Set("");
    CloseDictionaryWindow();
}

void DictionaryLifecycle::StartParse(std::unique_ptr<dictionary::ExportLoad> load,
                                     bool tempExport) {
    StopModelUsers();
    const std::string txdPath = load->Path();
    framework::TxdPath.Set(txdPath);
    framework::TempExport.store(tempExport ? 1 : 0);
    // Releasing writes "TEST.TXD", which may be the very export chosen. The
    // write-back replaces that file by renaming a new one over it, so the
    // export opened before keeps its contents for the read below; and the old
    // model is gone before the new export's bytes arrive.
    ReleaseModel();
    if (const int error = load->Read(); error != 0) {
        UpdateFrameMenu();
        ReportExportError(error, txdPath);
        return;
    }
    // The model keeps the export for its life: its texts point into it, and
    // a model released (or a parse abandoned) frees it with the rest.
    dictionary::DictionaryModel* model = framework::CreateModel();
    const std::string_view bytes = load->GiveTo(*model);
    load.reset();
    UpdateFrameMenu();
    const int thread = rt::Start([this, bytes] {
        ParseEnded(KESTR003(bytes));
        std::int32_t self = rt::ThisThread();
        ParseThread.compare_exchange_strong(self, 0);
    });
    ParseThread.store(thread);
}

void DictionaryLifecycle::ParseEnded(bool completed) {
    if (framework::TempExport.load() == 1) rt::RemoveFile(framework::TxdPath.Get());
    const rt::WindowRef frame = framework::FrameWindow();
    frame.SetStatus(1, "");
    frame.SetStatus(2, "");
    frame.Display();
    if (!completed) ReleaseModel();
    CloseDictionaryWindow();
    UpdateFrameMenu();
    // The dictionary window's thread is known from its start, so that a
    // Close that follows at once finds it.
    const dictionary::DictionaryModel* model = framework::Model();
    if (completed && model != nullptr) {
        framework::DisplayThread.store(rt::Start(
            [model, path = framework::DictionaryPath.Get()] { display::KESTR009(*model, path); }));
    }
}

void DictionaryLifecycle::StopModelUsers() {
    // The parse first: when it completes it starts the dictionary window.
    CloseAndWait(ParseThread.load());
    CloseDictionaryWindow();
}

void DictionaryLifecycle::CloseDictionaryWindow() {
    CloseAndWait(framework::DisplayThread.exchange(0));
}

void DictionaryLifecycle::ReleaseModel() {
    framework::ReleaseLoadedModel();
}

}  // namespace app
