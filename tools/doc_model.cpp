#include <cstdio>

#include "dictionary/model_json.h"
#include "dictionary/release_model.h"
#include "dictionary/writeback_file.h"
#include "runtime/core/system_io.h"
#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"

namespace tools {

namespace {

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
    const std::optional<ModelArguments> read = ReadModelArguments(args);
    if (!read) return kExitOk;
    auto model = LoadExport(read->input);
    if (!model) return kExitBadInput;
    dictionary::WriteModelJson(
        *model, [](std::string_view piece) { std::fwrite(piece.data(), 1, piece.size(), stdout); });
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return OutputFailed("standard output");
    return kExitOk;
}

int RunWriteback(Args args) {
    const std::optional<WritebackArguments> read = ReadWritebackArguments(args);
    if (!read) return kExitOk;
    const bool toFile = read->output.has_value();
    const std::string out = read->output.value_or("");
    auto model = LoadExport(read->input);
    if (!model) return kExitBadInput;
    dictionary::WritebackFile file;
    int opened = toFile ? file.Create(out) : file.Attach(rt::io::StandardOutput());
    // The model is released whether or not the file opened, as the program
    // does; only this tool reports the failure.
    dictionary::ReleaseModelInto(*model, file);
    int closed = file.Close();
    if (opened != 0 || closed != 0)
        return OutputFailed(toFile ? out : "standard output", file.FailureReason());
    return kExitOk;
}

}  // namespace tools
