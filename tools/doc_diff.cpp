// kestrian-doc diff: what changed between two exports, object by object.
#include <cstdio>
#include <memory>

#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"
#include "workflow/structural_diff.h"

namespace tools {

namespace {

// Git names /dev/null for the side of a file that was added or deleted: an
// empty dictionary, so that everything shows as added or removed.
std::unique_ptr<dictionary::DictionaryModel> LoadSide(const std::string& path) {
    if (path == "/dev/null") return std::make_unique<dictionary::DictionaryModel>();
    return LoadExport(path);
}

}  // namespace

int RunDiff(Args args) {
    const std::optional<DiffArguments> read = ReadDiffArguments(args);
    if (!read) return kExitOk;
    auto before = LoadSide(read->before);
    if (!before) return kExitBadInput;
    auto after = LoadSide(read->after);
    if (!after) return kExitBadInput;
    const std::vector<workflow::Change> changes =
        workflow::Diff(*before, *after, {.headers = read->all});
    const std::string out =
        read->json ? workflow::ChangesJson(changes) : workflow::ChangesText(changes);
    if (!WriteStandardOutput(out)) return kExitBadInput;
    return changes.empty() ? kExitOk : kExitOutputFailed;
}

}  // namespace tools
