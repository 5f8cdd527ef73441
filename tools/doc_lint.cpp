// kestrian-doc lint: the dictionary's mistakes, one finding a line.
#include <cstdio>

#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"
#include "workflow/lint.h"

namespace tools {

int RunLint(Args args) {
    const std::optional<LintArguments> read = ReadLintArguments(args);
    if (!read) return kExitOk;
    std::string_view text;
    auto model = LoadExport(read->input, &text);
    if (!model) return kExitBadInput;
    workflow::LintOptions options;
    options.disabled.insert(read->disabled.begin(), read->disabled.end());
    options.requireDescriptions = read->requireDescriptions;
    const std::vector<workflow::Finding> findings = workflow::Lint(*model, text, options);
    const std::string out =
        read->json ? workflow::FindingsJson(findings) : workflow::FindingsText(findings);
    if (!WriteStandardOutput(out)) return kExitBadInput;
    for (const workflow::Finding& finding : findings) {
        if (finding.severity == workflow::Severity::Error) return kExitOutputFailed;
    }
    return kExitOk;
}

}  // namespace tools
