// The dictionary's linter: the mistakes that the import lets through (a
// relation naming a file, key or field that does not exist, labels used
// twice, a GROUP without its END...) found on the model and the export.
#pragma once

#include <cstddef>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"

namespace workflow {

enum class Severity { Error, Warning };

struct LintRule {
    std::string_view name;
    Severity severity;
    std::string_view summary;  // one line, for --help and the manual
};

// Every rule, errors first.
std::span<const LintRule> LintRules();
const LintRule* FindLintRule(std::string_view name);

struct Finding {
    std::string_view rule;
    Severity severity = Severity::Error;
    std::string object;    // "File", "File.Field", "File.Key", "Alias" or "Relation File->Related"
    std::size_t line = 0;  // of the object's declaration in the export; 0 when not found
    std::string message;   // Windows-1252, as the labels it quotes
};

struct LintOptions {
    std::set<std::string, std::less<>> disabled;  // rule names
    bool requireDescriptions = false;             // enables missing-description
};

// The findings on `model`, parsed from `exportText`, sorted by object (then
// rule and message).
std::vector<Finding> Lint(const dictionary::DictionaryModel& model, std::string_view exportText,
                          const LintOptions& options);

}  // namespace workflow
