// kestrian-doc diff: what changed between two exports, object by object.
#include <memory>

#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"
#include "workflow/structural_diff.h"

namespace tools {

int RunDiff(Args args) {
    const std::optional<DiffArguments> read = ReadDiffArguments(args);
    if (!read) return kExitOk;
    auto before = LoadExportOrNothing(read->before);
    if (!before) return kExitBadInput;
    auto after = LoadExportOrNothing(read->after);
    if (!after) return kExitBadInput;
    const std::vector<workflow::Change> changes = workflow::Diff(
        *before, *after, {.headers = read->all, .ignoreDescriptions = read->ignoreDescriptions});
    std::string out;
    if (read->json) {
        out = workflow::ChangesJson(changes);
    } else if (!changes.empty()) {
        // Git runs the driver once a file: the header says which file the
        // changes belong to. The path is the repository's, as Git gave it.
        out = "diff " + read->path + "\n" + workflow::ChangesText(changes);
    }
    if (!WriteStandardOutput(out)) return kExitBadInput;
    return changes.empty() ? kExitOk : kExitOutputFailed;
}

}  // namespace tools
