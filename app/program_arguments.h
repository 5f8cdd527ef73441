// The program's command line: nothing, or the dictionary to open at start;
// --help and --version.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace app {

struct ProgramArguments {
    enum class Action {
        Run,     // open the frame (and `dictionary`, when one was named)
        Show,    // print `text` (the help or the version) and end with 0
        Refuse,  // print `text` (the message and the usage) and end with 2
    };
    Action action = Action::Run;
    std::string dictionary;  // absolute, or "" when none was named
    std::string text;
};

// Reads the words after the program's name.
ProgramArguments ReadProgramArguments(std::span<const std::string_view> words);

}  // namespace app
