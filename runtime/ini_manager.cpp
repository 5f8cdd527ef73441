#include "runtime/ini_manager.h"

#include <charconv>
#include <optional>
#include <string>

#include "runtime/core/blanks.h"
#include "runtime/core/profile.h"

namespace rt {
namespace {

// The text without trailing blanks, as every argument is passed on.
std::string_view Clip(std::string_view text) {
    return TrimTrailingSpaces(text);
}

std::string_view Cut(std::string_view text, std::size_t length) {
    return text.substr(0, length);
}

// A stored coordinate: an optional sign and digits, a fraction dropped.
std::optional<int> PlacementNumber(std::string_view text) {
    std::size_t digitsEnd = text.find('.');
    std::string_view whole = text.substr(0, digitsEnd);
    if (digitsEnd != std::string_view::npos) {
        std::string_view fraction = text.substr(digitsEnd + 1);
        if (fraction.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    }
    if (!whole.empty() && whole.front() == '+') whole.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    if (error != std::errc() || end != whole.data() + whole.size()) return std::nullopt;
    return value;
}

}  // namespace

void IniManager::Init(std::string_view fileName) {
    // FILENAME holds at most 259 characters; blanks are removed on use.
    fileName_ = std::string(Clip(Cut(fileName, kMaxFileName)));
}

void IniManager::Update(std::string_view section, std::string_view key, std::string_view value) {
    rt::WriteProfileString(Clip(section), Clip(key), Clip(value), fileName_);
}

std::string IniManager::Read(std::string_view section, std::string_view key,
                             std::string_view defaultValue) const {
    // Names are read into fields of 63 characters, then passed on without
    // their trailing blanks.
    std::string value = rt::GetProfileString(Clip(Cut(section, kMaxName)), Clip(Cut(key, kMaxName)),
                                             defaultValue, fileName_);
    if (value.size() > kMaxValue) value.resize(kMaxValue);
    return value;
}

std::string IniManager::TryFetch(std::string_view section, std::string_view key) const {
    return Read(section, key, "");
}

std::string IniManager::Fetch(std::string_view section, std::string_view key) const {
    std::string value = Read(section, key, kUnknown);
    if (value.size() > kMaxFetch) value.resize(kMaxFetch);
    return value;
}

void IniManager::UpdateWindow(std::string_view section, rt::PlacementTarget& window) {
    if (window.IsIconized()) return;
    const bool maximized = window.IsMaximized();
    Update(section, "Maximize", maximized ? "Yes" : "No");
    if (maximized) return;
    Update(section, "XPos", std::to_string(window.X()));
    Update(section, "YPos", std::to_string(window.Y()));
    Update(section, "Height", std::to_string(window.Height()));
    Update(section, "Width", std::to_string(window.Width()));
}

void IniManager::FetchWindow(std::string_view section, rt::PlacementTarget& window) {
    const std::string maximize = TryFetch(section, "Maximize");
    if (maximize != "Yes" && maximize != "No") return;
    const bool flag = maximize == "Yes";
    const bool resizable = window.HasResizableFrame();

    if (!flag && resizable && window.IsMaximized()) window.SetMaximized(false);

    if (!TryFetch(section, "XPos").empty()) {
        if (auto x = PlacementNumber(Fetch(section, "XPos"))) window.SetX(*x);
        if (auto y = PlacementNumber(Fetch(section, "YPos"))) window.SetY(*y);
        if (resizable) {
            auto width = PlacementNumber(Fetch(section, "Width"));
            if (width && *width > 0) window.SetWidth(*width);
            auto height = PlacementNumber(Fetch(section, "Height"));
            if (height && *height > 0) window.SetHeight(*height);
        }
    }

    if (resizable && window.IsMaximized() != flag) window.SetMaximized(flag);
}

}  // namespace rt
