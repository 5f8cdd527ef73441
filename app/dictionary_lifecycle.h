// The loaded dictionary's life on the frame's side: File > Open acquires an
// export and starts the parse window; a completed parse hands the model to
// the dictionary window; File > Close and the program's end stop both windows
// and release the model. The windows that use the model are started, closed
// and waited for here, and the model is released here only.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace dictionary {
class ExportLoad;
}

namespace app {

// The parse window's thread while a parse runs; 0 otherwise.
extern std::atomic<std::int32_t> ParseThread;

class DictionaryLifecycle {
  public:
    // File > Open, on the frame's thread: choose a dictionary (or take
    // `chosen`, as if the dialog had given it), have a .DCT exported by the
    // IDE, and start the parse of the text export.
    void Open(std::optional<std::string> chosen = std::nullopt);
    // The dictionary named on the program's command line ("" for none),
    // before the frame opens; and, on the frame's thread once it is up, its
    // Open (once).
    void SetStartDictionary(std::string path) { startDictionary_ = std::move(path); }
    bool HasStartDictionary() const { return !startDictionary_.empty(); }
    void OpenStartDictionary();
    // File > Close, on the frame's thread: stop the parse and the dictionary
    // window, release the model, and update the frame's menu.
    void Close();
    // The program's end, once the frame has returned: stop the windows that
    // use the model and release it.
    void End();
    // Ends an Open that did not get as far as a model. With no model loaded it
    // blanks DictionaryPath and closes the dictionary window, if any; with a
    // model loaded it does nothing, so the loaded dictionary stays as it is.
    void CancelOpen();

  private:
    // Runs on the frame's thread once the export is open: releases the loaded
    // model, reads the export whole, creates an empty model, enables Close and
    // Print, and starts the parse window on a thread of its own.
    void StartParse(std::unique_ptr<dictionary::ExportLoad> load, bool tempExport);
    // Runs on the parse thread once the parse window has closed: deletes the
    // temporary export, clears the parse's status texts, releases a model
    // left incomplete, closes any older dictionary window and, when the
    // parse completed, starts the dictionary window on a thread of its own.
    void ParseEnded(bool completed);
    // Asks a running parse to abandon and the dictionary window to close, and
    // waits until both have ended, so that releasing the model afterwards
    // cannot pull it from under either.
    void StopModelUsers();
    // Posts EVENT:CloseWindow to the dictionary window and waits for its
    // thread to end; DisplayThread is 0 afterwards.
    void CloseDictionaryWindow();
    // Writes the loaded model back and frees it.
    void ReleaseModel();

    std::string startDictionary_;
};

// The program's one lifecycle object.
DictionaryLifecycle& Dictionary();

}  // namespace app
