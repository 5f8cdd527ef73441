// The settings-file object: single values and saved window placements in one
// profile file (the program's is "kestrian.INI").
#pragma once

#include <string>
#include <string_view>

#include "runtime/window_placement.h"

namespace rt {

class IniManager {
  public:
    static constexpr std::size_t kMaxFileName = 259;
    static constexpr std::size_t kMaxName = 63;     // section and key names when reading
    static constexpr std::size_t kMaxValue = 1023;  // values when reading
    static constexpr std::size_t kMaxFetch = 999;   // what Fetch returns
    static constexpr std::string_view kUnknown = "---Unknown---";

    // Sets the file that every later call reads and writes.
    void Init(std::string_view fileName);
    const std::string& FileName() const { return fileName_; }

    // Writes one value; failures are ignored.
    void Update(std::string_view section, std::string_view key, std::string_view value);
    // The stored value, or "" when the key is missing.
    std::string TryFetch(std::string_view section, std::string_view key) const;
    // The stored value, or "---Unknown---" when the key is missing.
    std::string Fetch(std::string_view section, std::string_view key) const;

    // Saves the window's placement under `section`: nothing for an iconized
    // window; "Maximize" ("Yes"/"No"), and for a window that is not maximized
    // also "XPos", "YPos", "Height" and "Width".
    void UpdateWindow(std::string_view section, rt::PlacementTarget& window);
    // Restores what UpdateWindow saved. Nothing changes unless "Maximize" is
    // "Yes" or "No"; position and size only when "XPos" is present; size and
    // maximized state only for a window with a resizable frame. A stored
    // coordinate that is not a number, and a width or height below 1, leave
    // that value of the window as it is.
    void FetchWindow(std::string_view section, rt::PlacementTarget& window);

  private:
    std::string Read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;

    std::string fileName_;  // FILENAME
};

}  // namespace rt
