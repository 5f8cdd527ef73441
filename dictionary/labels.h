// Labels as the dictionary's lists compare them: exactly, letter case
// counted, trailing blanks not. Every reader of a model (the window's lists,
// the report, kestrian-doc's commands) resolves files, aliases, fields and
// keys through this one rule, so that all of them link the same relations.
// Lookups without regard to case exist only to tell a user what a label
// nearly names ("did you mean ...") and to choose a --select target.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dictionary/model.h"

namespace dictionary {

// `label` as labels are compared: trailing blanks cut.
std::string_view LabelKey(std::string_view label) noexcept;
// Whether two labels are the same label (or keyword: "ALIAS", "END",
// "GROUP", "NOLINK").
bool SameLabel(std::string_view a, std::string_view b) noexcept;
// `label` with trailing blanks cut and ASCII letters in lower case: the key
// of lookups without regard to case.
std::string FoldedLabel(std::string_view label);

// The label a qualified reference names: "CUS:CustNo" gives "CustNo",
// "-City" gives "City", "CUS:Street[2]" gives "Street"; blanks cut.
std::string_view Unqualified(std::string_view reference) noexcept;
// The prefix of a qualified reference: "CUS" for "-CUS:CustNo", empty when
// it has none.
std::string_view Qualifier(std::string_view reference) noexcept;

// The key components of a key or index, as stored ("-City" keeps its sign).
std::vector<std::string_view> Components(const List<TextLineQueue>& list);

// One label chosen among many (a --select): the label that matches exactly,
// else the one label that matches without regard to case.
struct LabelChoice {
    enum class Outcome { Exact, CaseOnly, Ambiguous, None };
    Outcome outcome = Outcome::None;
    std::size_t position = 0;             // of the choice among the labels
    std::vector<std::string> candidates;  // with Ambiguous: those that match but for case
};
LabelChoice ChooseLabel(const std::vector<std::string_view>& labels, std::string_view wanted);

// The files and aliases of a model by label, and the fields and keys of each
// file, made on first use. Lookups are exact; the "...IgnoringCase" ones find
// what a label names in another letter case. The model must outlive the index.
class LabelIndex {
  public:
    explicit LabelIndex(const DictionaryModel& model);

    // The first file (alias) with this label, or null.
    const FileQueue* File(std::string_view label) const;
    const AliasQueue* Alias(std::string_view label) const;
    // Every file with this label, in the model's order (more than one only
    // in a dictionary that uses a label twice).
    std::vector<const FileQueue*> Files(std::string_view label) const;
    // The file `label` names, itself or through an alias.
    const FileQueue* FileOrAliased(std::string_view label) const;
    // A file or alias whose label differs from `label` only in case: its
    // label, or empty when there is none.
    std::string_view FileOrAliasIgnoringCase(std::string_view label) const;

    // 0-based position of a file or an alias of the model.
    std::size_t PositionOf(const FileQueue& file) const;
    std::size_t PositionOf(const AliasQueue& alias) const;

    // The field (memo, blob) of `file` labelled `label`, or null. Group ends
    // are no fields.
    const FieldQueue* Field(const FileQueue& file, std::string_view label) const;
    // Whether `file` has a field, memo or blob labelled `label`.
    bool HasFieldLike(const FileQueue& file, std::string_view label) const;
    // Whether `file` has a key or index labelled `label`.
    bool HasKey(const FileQueue& file, std::string_view label) const;
    // The label of a field, memo or blob (key or index) of `file` that differs
    // from `label` only in case, or empty.
    std::string_view FieldIgnoringCase(const FileQueue& file, std::string_view label) const;
    std::string_view KeyIgnoringCase(const FileQueue& file, std::string_view label) const;

    // The aliases of the file labelled `file` (there or not), in the model's order.
    std::vector<const AliasQueue*> AliasesOf(std::string_view file) const;

  private:
    using Folded = std::unordered_map<std::string, std::string_view>;
    struct FileLabels {
        bool made = false;
        std::unordered_map<std::string_view, const FieldQueue*> fields;
        std::unordered_map<std::string_view, bool> others;  // memos and blobs
        std::unordered_map<std::string_view, bool> keys;    // keys and indexes
        Folded foldedFields;                                // fields, memos and blobs
        Folded foldedKeys;
    };
    const FileLabels& LabelsOf(const FileQueue& file) const;

    const DictionaryModel& model_;
    std::unordered_map<std::string_view, std::vector<const FileQueue*>> files_;
    std::unordered_map<std::string_view, const AliasQueue*> aliases_;
    std::unordered_map<std::string_view, std::vector<const AliasQueue*>> aliasesOf_;
    Folded folded_;  // files and aliases
    mutable std::vector<FileLabels> labels_;
};

}  // namespace dictionary
