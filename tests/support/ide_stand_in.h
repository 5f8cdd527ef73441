// Helpers for tests that talk to the stand-in IDE (the stand_in_ide program).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/support/scoped_settings.h"

namespace testsupport {

// The path of the stand_in_ide program built with the tests.
std::string StandInIdeProgram();

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

// A text file as lines without their line breaks; empty when it is missing.
std::vector<std::string> ReadLines(const std::string& path);

}  // namespace testsupport
