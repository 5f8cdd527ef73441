// lint's findings as each reader takes them: a line each for a person or a
// terminal, JSON, SARIF 2.1.0 for code-scanning services, and GitHub's
// workflow annotations. `path` is the export as the command line named it.
// Objects and messages are Windows-1252 from the export; every format is
// UTF-8 with what its syntax reserves escaped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workflow/lint.h"

namespace workflow {

// One line a finding: "PATH:LINE: OBJECT: RULE: message", without ":LINE"
// when the line is not known.
std::string FindingsText(std::string_view path, const std::vector<Finding>& findings);
// A JSON array of objects with "rule", "severity", "object", "line" (when
// known) and "message".
std::string FindingsJson(const std::vector<Finding>& findings);
// A SARIF 2.1.0 log of one run: every rule of LintRules(), a result a finding.
std::string FindingsSarif(std::string_view path, const std::vector<Finding>& findings);
// One "::error file=PATH,line=N,title=RULE::OBJECT: message" line a finding
// ("::warning" for a warning).
std::string FindingsGithub(std::string_view path, const std::vector<Finding>& findings);

}  // namespace workflow
