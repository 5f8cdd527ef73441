// The program-wide state that every window reads. Values shared between
// threads are atomics or guarded texts; the model is handed over whole.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "runtime/window.h"

namespace dictionary {
struct DictionaryModel;
}

namespace rt {
class IniManager;
}

namespace framework {

class ErrorManager;

// A fixed-capacity text (a null-terminated string of `capacity` bytes) that
// more than one thread reads.
class SharedText {
  public:
    explicit SharedText(std::size_t capacity) : capacity_(capacity) {}
    std::string Get() const;
    void Set(const std::string& value);  // cut to capacity - 1 characters

  private:
    std::size_t capacity_;
    mutable std::mutex mutex_;
    std::string value_;
};

// Path of the dictionary the user chose (a .DCT or a .TXD).
extern SharedText DictionaryPath;
// Path of the text export the parser reads.
extern SharedText TxdPath;
// 1 while TxdPath names the temporary export made from a .DCT.
extern std::atomic<std::uint8_t> TempExport;

extern std::atomic<std::int32_t> DisplayThread;
extern std::atomic<std::int32_t> CloseItem;
extern std::atomic<std::int32_t> PrintItem;
extern std::atomic<std::uint8_t> AboutRequested;
extern std::atomic<std::uint8_t> FrameIconized;
extern std::atomic<std::uint8_t> GlobalRequest;
extern std::atomic<std::uint8_t> GlobalResponse;
extern std::atomic<std::int32_t> GlobalNavigationRequest;

// The frame window, once it has been displayed.
rt::WindowRef FrameWindow();
void SetFrameWindow(const rt::WindowRef& frame);

// The loaded dictionary; null when none is loaded.
dictionary::DictionaryModel* Model();
// Installs a new model (the old one must have been released).
dictionary::DictionaryModel* CreateModel();
// Releases the loaded model, if any: writes it back and frees it.
void ReleaseLoadedModel();

ErrorManager& GlobalErrors();
rt::IniManager& GlobalIni();

}  // namespace framework
