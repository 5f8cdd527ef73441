#include "tests/support/ide_stand_in.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testsupport {

std::string StandInIdeProgram() {
    return KESTRIAN_STAND_IN_IDE;
}

IdeOnPath::IdeOnPath() {
    std::error_code ignored;
    std::filesystem::create_symlink(StandInIdeProgram(), folder_ / "Velmora4.EXE", ignored);
    const char* old = std::getenv("PATH");
    path_.emplace("PATH", folder_.Path() + (old ? ":" + std::string(old) : std::string()));
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace testsupport
