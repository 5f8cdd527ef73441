// The structure of the export's files section, counted line by line: every
// FILE, RECORD and GROUP needs its END. The import is lenient here (an END
// missing from a GROUP is made up by the RECORD's), so the count is made on
// the export's text, not on the model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace workflow {

struct GroupFault {
    std::string object;  // the file's label, or "line N" before any file
    std::string message;
};

std::vector<GroupFault> UnbalancedGroups(std::string_view exportText);

}  // namespace workflow
