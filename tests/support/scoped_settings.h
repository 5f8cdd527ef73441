// Test helpers: a temporary folder removed at the end of the test, and
// environment variables set for the length of a scope (XDG_CONFIG_HOME,
// KESTRIAN_DRIVE_ROOT, ...).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace testsupport {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    // Path() + "/" + relative.
    std::string operator/(std::string_view relative) const;

  private:
    std::string path_;
};

class ScopedEnv {
  public:
    // Sets `name` to `value`, or unsets it when value is nullopt.
    ScopedEnv(std::string name, std::optional<std::string> value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// File helpers for tests; they fail the test (ADD_FAILURE) on error.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, std::string_view content);

}  // namespace testsupport
