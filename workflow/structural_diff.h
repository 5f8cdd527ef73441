// What changed between two versions of a dictionary, object by object:
// files, aliases and relations added, removed or changed, and within a file
// its attributes, fields, keys and indexes, memos and blobs; the
// descriptions of all of them and of the dictionary.
#pragma once

#include <string>
#include <vector>

#include "dictionary/model.h"

namespace workflow {

struct Change {
    char mark = '~';     // '+' added, '-' removed, '~' changed
    std::string object;  // "Customer", "Customer.Balance", "ShipTo", "Relation A->B", "VERSION"
    std::string detail;  // "DECIMAL(11,2) -> DECIMAL(13,2)" (Windows-1252, as the export)
};

struct DiffOptions {
    bool headers = false;             // also VERSION, CREATED and MODIFIED
    bool ignoreDescriptions = false;  // leave changed descriptions out
};

// The changes from `before` to `after`, in the order of `after`, each removed
// object where it stood (after the object that came before it).
std::vector<Change> Diff(const dictionary::DictionaryModel& before,
                         const dictionary::DictionaryModel& after, const DiffOptions& options);

// One line a change: "~ Customer.Balance: DECIMAL(11,2) -> DECIMAL(13,2)" (UTF-8).
std::string ChangesText(const std::vector<Change>& changes);
// A JSON array of objects with "change", "object" and "detail".
std::string ChangesJson(const std::vector<Change>& changes);

}  // namespace workflow
