// kestrian-doc lint: the dictionary's mistakes, one finding a line, or as JSON,
// SARIF or GitHub's workflow annotations.
#include <cstdio>

#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"
#include "workflow/lint.h"
#include "workflow/lint_report.h"

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
    std::string out;
    if (read->format == "json") {
        out = workflow::FindingsJson(findings);
    } else if (read->format == "sarif") {
        out = workflow::FindingsSarif(read->input, findings);
    } else if (read->format == "github") {
        out = workflow::FindingsGithub(read->input, findings);
    } else {
        out = workflow::FindingsText(read->input, findings);
    }
    if (!WriteStandardOutput(out)) return kExitBadInput;
    for (const workflow::Finding& finding : findings) {
        if (finding.severity == workflow::Severity::Error) return kExitOutputFailed;
    }
    return kExitOk;
}

}  // namespace tools
