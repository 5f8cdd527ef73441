#include <unistd.h>

#include <cstdio>

#include "dictionary/model_json.h"
#include "dictionary/release_model.h"
#include "dictionary/writeback_file.h"
#include "tools/doc_commands.h"

namespace tools {

namespace {

// The input file of a command that takes one: the first word.
std::string InputPath(Args args, std::string_view command) {
    if (args.empty() || args.front().empty()) {
        throw UsageError{std::string(command) + ": the export to read is missing"};
    }
    return std::string(args.front());
}

int OutputFailed(const std::string& what, const std::string& reason = {}) {
    if (reason.empty()) {
        std::fprintf(stderr, "kestrian-doc: cannot write %s\n", what.c_str());
    } else {
        std::fprintf(stderr, "kestrian-doc: cannot write %s: %s\n", what.c_str(), reason.c_str());
    }
    return kExitOutputFailed;
}

}  // namespace

int RunModel(Args args) {
    std::string path = InputPath(args, "model");
    if (args.size() > 1) throw UsageError{"model: unexpected " + std::string(args[1])};
    auto model = LoadExport(path);
    if (!model) return kExitBadInput;
    dictionary::WriteModelJson(
        *model, [](std::string_view piece) { std::fwrite(piece.data(), 1, piece.size(), stdout); });
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return OutputFailed("standard output");
    return kExitOk;
}

int RunWriteback(Args args) {
    std::string path = InputPath(args, "writeback");
    std::string out;
    bool toFile = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o" && !toFile) {
            if (i + 1 >= args.size()) throw UsageError{"writeback: -o needs a file name"};
            out = std::string(args[++i]);
            toFile = true;
            CheckOutputPath("writeback", path, out);
        } else {
            throw UsageError{"writeback: unexpected " + std::string(args[i])};
        }
    }
    auto model = LoadExport(path);
    if (!model) return kExitBadInput;
    dictionary::WritebackFile file;
    int opened = toFile ? file.Create(out) : file.Attach(STDOUT_FILENO);
    // The model is released whether or not the file opened, as the program
    // does; only this tool reports the failure.
    dictionary::ReleaseModelInto(*model, file);
    int closed = file.Close();
    if (opened != 0 || closed != 0)
        return OutputFailed(toFile ? out : "standard output", file.FailureReason());
    return kExitOk;
}

}  // namespace tools
