// The structure of the export's files section, counted line by line: every
// FILE, RECORD and GROUP needs its END. The import is lenient here (an END
// missing from a GROUP is made up by the RECORD's), so the count is made on
// the export's text, not on the model. The same pass reads the labels of the
// declarations as written, which the import cuts at a parenthesis, and the
// line of each declaration, which the model does not keep.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "workflow/declaration_lines.h"

namespace workflow {

struct GroupFault {
    std::string object;  // the file's label, or "line N" before any file
    std::size_t line = 0;
    std::string message;
};

// A declaration's label that the language does not allow: "Odd(1)x".
struct LabelFault {
    std::size_t line = 0;  // 1-based
    std::string label;     // as written
};

struct ExportStructure {
    std::vector<GroupFault> groups;
    std::vector<LabelFault> labels;
    DeclarationLines lines;
};

ExportStructure ScanExportStructure(std::string_view exportText);
std::vector<GroupFault> UnbalancedGroups(std::string_view exportText);

// Whether a label starts with a letter or an underscore and holds only
// letters, digits, underscores and colons.
bool IsValidLabel(std::string_view label) noexcept;

}  // namespace workflow
