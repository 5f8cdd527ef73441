// Runs a command-line tool in a temporary folder and keeps what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/support/temp_folder.h"

namespace dict_test {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `tool` with `arguments` (already quoted for the shell) in `folder`.
inline ToolRun RunToolIn(const std::string& tool, const TempFolder& folder,
                         const std::string& arguments) {
    std::string command = "cd '" + folder.Path().string() + "' && '" + tool + "' " + arguments +
                          " >'" + folder.File("stdout") + "' 2>'" + folder.File("stderr") + "'";
    int status = std::system(command.c_str());
    ToolRun run;
    if (status != -1 && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    run.out = ReadBytes(folder.File("stdout"));
    run.err = ReadBytes(folder.File("stderr"));
    return run;
}

}  // namespace dict_test
