#include "tests/support/ide_stand_in.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace test {

std::string StandInIdeProgram() {
    return KESTRIAN_STAND_IN_IDE;
}

ScopedEnv::ScopedEnv(std::string name, const std::string& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) previous_ = old;
    setenv(name_.c_str(), value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (previous_) {
        setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrian-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::File(const std::string& name) const {
    return path_ + "/" + name;
}

IdeOnPath::IdeOnPath() {
    std::error_code ignored;
    std::filesystem::create_symlink(StandInIdeProgram(), folder_.File("Velmora4.EXE"), ignored);
    const char* old = std::getenv("PATH");
    path_.emplace("PATH", folder_.Path() + (old ? ":" + std::string(old) : std::string()));
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace test
