#include "framework/globals.h"

#include "dictionary/model.h"
#include "dictionary/release_model.h"
#include "framework/error_manager.h"
#include "runtime/ini_manager.h"

namespace framework {

std::string SharedText::Get() const {
    std::lock_guard lock(mutex_);
    return value_;
}

void SharedText::Set(const std::string& value) {
    std::lock_guard lock(mutex_);
    value_ = value.substr(0, capacity_ > 0 ? capacity_ - 1 : 0);
}

SharedText DictionaryPath(256);
SharedText TxdPath(256);
std::atomic<std::uint8_t> TempExport{0};
std::atomic<std::int32_t> DisplayThread{0};
std::atomic<std::int32_t> CloseItem{0};
std::atomic<std::int32_t> PrintItem{0};
std::atomic<std::uint8_t> AboutRequested{0};
std::atomic<std::uint8_t> FrameIconized{0};
std::atomic<std::uint8_t> GlobalRequest{0};
std::atomic<std::uint8_t> GlobalResponse{0};
std::atomic<std::int32_t> GlobalNavigationRequest{0};

// 41 characters.

namespace {
std::atomic<std::uint64_t> frameId{0};
std::atomic<int> frameThread{0};

struct ModelSlot {
    std::atomic<dictionary::DictionaryModel*> model{nullptr};
    ~ModelSlot() { delete model.exchange(nullptr); }
};
ModelSlot& TheModel() {
    static ModelSlot slot;
    return slot;
}
}  // namespace

rt::WindowRef FrameWindow() {
    return rt::WindowRef(frameId.load(), frameThread.load());
}

void SetFrameWindow(const rt::WindowRef& frame) {
    frameThread.store(frame.Thread());
    frameId.store(frame.Id());
}

dictionary::DictionaryModel* Model() {
    return TheModel().model.load();
}

dictionary::DictionaryModel* CreateModel() {
    auto fresh = std::make_unique<dictionary::DictionaryModel>();
    dictionary::DictionaryModel* raw = fresh.get();
    std::unique_ptr<dictionary::DictionaryModel> old(TheModel().model.exchange(fresh.release()));
    return raw;
}

void ReleaseLoadedModel() {
    std::unique_ptr<dictionary::DictionaryModel> model(TheModel().model.exchange(nullptr));
    if (model) dictionary::ReleaseModel(*model);
}

rt::IniManager& GlobalIni() {
    static rt::IniManager ini;
    return ini;
}

ErrorManager& GlobalErrors() {
    static ErrorManager errors;
    return errors;
}

}  // namespace framework
