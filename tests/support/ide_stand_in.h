// Helpers for tests that talk to the stand-in IDE (the stand_in_ide program).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace test {

// The path of the stand_in_ide program built with the tests.
std::string StandInIdeProgram();

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnv {
  public:
    ScopedEnv(std::string name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

// A fresh temporary folder, removed with its contents when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "/" + name
    std::string File(const std::string& name) const;

  private:
    std::string path_;
};

// Puts the stand-in on PATH, first, under the name the IDE is launched by
// ("Velmora4.EXE"), for the life of the object.
class IdeOnPath {
  public:
    IdeOnPath();
    IdeOnPath(const IdeOnPath&) = delete;
    IdeOnPath& operator=(const IdeOnPath&) = delete;

  private:
    TempFolder folder_;
    std::optional<ScopedEnv> path_;
};

// Reads a text file as lines (without line breaks); empty when it is missing.
std::vector<std::string> ReadLines(const std::string& path);
// Reads a whole file; empty when it is missing.
std::string ReadFile(const std::string& path);
// Writes a whole file.
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace test
