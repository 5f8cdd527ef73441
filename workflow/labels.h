// Labels as the dictionary's language compares them, and the lookups that the
// workflow tools (lint, diff, docs, diagrams) share: files, aliases, fields
// and keys found by label without regard to case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dictionary/model.h"
#include "dictionary/scanner.h"

namespace workflow {

// `label` as labels are compared: trailing blanks cut, ASCII letters in
// lower case.
std::string LabelKey(std::string_view label);

// The label a qualified reference names: "CUS:CustNo" gives "CustNo",
// "-City" gives "City", "CUS:Street[2]" gives "Street"; trailing blanks cut.
std::string_view Unqualified(std::string_view reference);

// The key components of a key or index, as written ("-City" keeps its sign).
std::vector<std::string_view> Components(const dictionary::List<dictionary::TextLineQueue>& list);

// Every argument of the VALID attribute among an object's annotation
// keywords, as written ("INRANGE(0,100)" whole); empty when it has none.
std::string ValidOf(const dictionary::ObjectTextRef& text, dictionary::Scanner& scanner);

// Whether a field row closes a GROUP.
bool IsGroupEnd(const dictionary::FieldQueue& field);
bool IsGroup(const dictionary::FieldQueue& field);

// The files and aliases of a model by label (the first of each label), and
// the fields and keys of each file, made on first use. The model must outlive
// the index.
class LabelIndex {
  public:
    explicit LabelIndex(const dictionary::DictionaryModel& model);

    const dictionary::FileQueue* File(std::string_view label) const;
    const dictionary::AliasQueue* Alias(std::string_view label) const;
    // The file `label` names, itself or through an alias.
    const dictionary::FileQueue* FileOrAliased(std::string_view label) const;
    // 0-based position of a file or an alias of the model.
    std::size_t PositionOf(const dictionary::FileQueue& file) const;
    std::size_t PositionOf(const dictionary::AliasQueue& alias) const;

    // The field (memo, blob) of `file` labelled `label`, or null.
    const dictionary::FieldQueue* Field(const dictionary::FileQueue& file,
                                        std::string_view label) const;
    // Whether `file` has a field, memo or blob labelled `label`.
    bool HasFieldLike(const dictionary::FileQueue& file, std::string_view label) const;
    // Whether `file` has a key or index labelled `label`.
    bool HasKey(const dictionary::FileQueue& file, std::string_view label) const;

    // The aliases of the file labelled `file` (there or not), in the model's order.
    std::vector<const dictionary::AliasQueue*> AliasesOf(std::string_view file) const;

  private:
    struct FileLabels {
        bool made = false;
        std::unordered_map<std::string, const dictionary::FieldQueue*> fields;
        std::unordered_map<std::string, bool> others;  // memos and blobs
        std::unordered_map<std::string, bool> keys;    // keys and indexes
    };
    const FileLabels& LabelsOf(const dictionary::FileQueue& file) const;

    const dictionary::DictionaryModel& model_;
    std::unordered_map<std::string, const dictionary::FileQueue*> files_;
    std::unordered_map<std::string, const dictionary::AliasQueue*> aliases_;
    std::unordered_map<std::string, std::vector<const dictionary::AliasQueue*>> aliasesOf_;
    mutable std::vector<FileLabels> labels_;
};

}  // namespace workflow
