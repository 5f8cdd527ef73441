#include "workflow/lint.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "dictionary/field_facts.h"
#include "dictionary/labels.h"
#include "dictionary/scanner.h"
#include "runtime/core/blanks.h"
#include "runtime/core/case_fold.h"
#include "workflow/lint_groups.h"

namespace workflow {

namespace {

constexpr std::array kRules = {
    LintRule{"alias-missing-file", Severity::Error, "an alias names no file of the dictionary"},
    LintRule{"relation-missing-file", Severity::Error, "a relation names a file that is missing"},
    LintRule{"relation-missing-key", Severity::Error,
             "a relation names a key that its file does not have"},
    LintRule{"relation-missing-field", Severity::Error,
             "a field pair names a field that its file lacks (NOLINK is allowed)"},
    LintRule{"key-missing-field", Severity::Error,
             "a key or index component names no field of its file"},
    LintRule{"duplicate-label", Severity::Error,
             "two files or aliases, two fields of one file, or two keys or indexes of one "
             "file share a label (case aside)"},
    LintRule{"duplicate-prefix", Severity::Error, "two files or aliases share a prefix"},
    LintRule{"unbalanced-group", Severity::Error,
             "a GROUP without its END, or an END without a GROUP"},
    LintRule{"label-case-mismatch", Severity::Error,
             "a relation, alias, key component or field pair names a label that exists only "
             "in another letter case (the window does not link it)"},
    LintRule{"prefix-mismatch", Severity::Error,
             "a reference's prefix is not the prefix of the file, or of the group, that holds "
             "the field"},
    LintRule{"invalid-label", Severity::Error,
             "a label that does not start with a letter or underscore, or holds other than "
             "letters, digits, underscores and colons"},
    LintRule{"no-primary-key", Severity::Warning, "a file that keeps keys has no primary key"},
    LintRule{"pair-type-mismatch", Severity::Warning,
             "the two fields of a pair differ in type or size"},
    LintRule{"missing-description", Severity::Warning,
             "a file or field without a description (only with --require-descriptions)"},
};

std::string_view Trimmed(const dictionary::Text& text) {
    return rt::TrimBlanks(text.view());
}

bool HasDescription(const dictionary::ObjectTextRef& text) {
    if (!text) return false;
    for (const dictionary::TextLineQueue& line : dictionary::Rows(text->Sections().LONGDESC)) {
        if (!rt::TrimBlanks(line.TEXT.view()).empty()) return true;
    }
    return false;
}

// Drivers whose files keep no keys: a file of theirs without keys is no fault.
bool KeepsNoKeys(const dictionary::FileQueue& file) {
    const std::string unquoted = dictionary::RemoveChars(file.DRIVER.view(), "'", false);
    const std::string_view driver = rt::TrimBlanks(unquoted);
    return rt::EqualNoCase(driver, "ascii") || rt::EqualNoCase(driver, "basic") ||
           rt::EqualNoCase(driver, "dos");
}

std::string Label(const dictionary::Text& label) {
    return std::string(dictionary::LabelKey(label.view()));
}

std::string NearlyNamed(std::string_view kind, std::string_view named, std::string_view actual) {
    return "names " + std::string(kind) + " " + std::string(named) +
           ", which the dictionary has only as " + std::string(actual) + " (letter case differs)";
}

// The declaration of `row` in the export among `found`, those of its label
// in the export's order: the only one, else the one whose place among them is
// that of `row` among the model's rows of that label. Empty when none is.
template <class Found, class Row, class Same>
Found Pick(const std::vector<Found>& found, std::span<const Row> rows, const Row& row, Same same) {
    if (found.size() <= 1) return found.empty() ? Found{} : found.front();
    std::size_t place = 0;
    for (const Row& other : rows) {
        if (&other == &row) break;
        if (same(other, row)) ++place;
    }
    return place < found.size() ? found[place] : Found{};
}

// Whether two rows of a list carry the same label.
constexpr auto SameLabelOf = [](const auto& a, const auto& b) {
    return dictionary::SameLabel(a.LABEL.view(), b.LABEL.view());
};

// What a finding names, and the line of its declaration (0 when not found).
struct Where {
    std::string object;
    std::size_t line = 0;
};

// The files one side of a relation names: the file with its label (more
// than one when the label is used twice), or those an alias names, with
// the alias's prefix.
struct Side {
    std::vector<const dictionary::FileQueue*> files;
    std::string_view aliasPrefix;
};

class Linter {
  public:
    Linter(const dictionary::DictionaryModel& model, const LintOptions& options)
        : model_(model), options_(options), labels_(model) {}

    std::vector<Finding> Run(std::string_view exportText) {
        structure_ = ScanExportStructure(exportText);
        for (const dictionary::FileQueue& file : dictionary::Rows(model_.FILE)) {
            fileLines_.push_back(Pick(structure_.lines.Files(file.LABEL.view()),
                                      dictionary::Rows(model_.FILE), file, SameLabelOf));
        }
        CheckFilesAndAliases();
        for (const dictionary::FileQueue& file : dictionary::Rows(model_.FILE)) CheckFile(file);
        for (const dictionary::RelationQueue& relation : dictionary::Rows(model_.RELATION))
            CheckRelation(relation);
        for (const GroupFault& fault : structure_.groups)
            Add("unbalanced-group", {fault.object, fault.line}, fault.message);
        for (const LabelFault& fault : structure_.labels)
            Add("invalid-label", {fault.label, fault.line},
                "a label starts with a letter or underscore and holds only letters, digits, "
                "underscores and colons");
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const Finding& a, const Finding& b) {
                             if (a.object != b.object) return a.object < b.object;
                             if (a.rule != b.rule) return a.rule < b.rule;
                             if (a.message != b.message) return a.message < b.message;
                             return a.line < b.line;
                         });
        return std::move(findings_);
    }

  private:
    bool Enabled(std::string_view rule) const {
        if (rule == "missing-description" && !options_.requireDescriptions) return false;
        return !options_.disabled.contains(rule);
    }

    void Add(std::string_view rule, Where where, std::string message) {
        if (!Enabled(rule)) return;
        const LintRule* known = FindLintRule(rule);
        findings_.push_back({known->name, known->severity, std::move(where.object), where.line,
                             std::move(message)});
    }

    const FileLines* LinesOf(const dictionary::FileQueue& file) const {
        return fileLines_[static_cast<std::size_t>(&file - dictionary::Rows(model_.FILE).data())];
    }
    std::size_t LineOf(const dictionary::FileQueue& file) const {
        const FileLines* lines = LinesOf(file);
        return lines != nullptr ? lines->line : 0;
    }
    // The line of a field, memo or blob (`fields`) or of a key or index of `file`.
    template <class Row>
    std::size_t LineOf(const dictionary::FileQueue& file,
                       std::vector<DeclaredLabel> FileLines::*kind,
                       const dictionary::List<Row>& rows, const Row& row) const {
        const FileLines* lines = LinesOf(file);
        if (lines == nullptr) return 0;
        return Pick(workflow::LinesOf(lines->*kind, row.LABEL.view()), dictionary::Rows(rows), row,
                    SameLabelOf);
    }

    // Labels and prefixes shared among files and aliases: the language does
    // not tell two labels apart by case, so neither does this check.
    void CheckFilesAndAliases() {
        std::unordered_map<std::string, std::string> labels;    // folded -> "file X"
        std::unordered_map<std::string, std::string> prefixes;  // folded -> "file X"
        auto check = [&](std::string_view kind, const Where& where,
                         const dictionary::Text& prefix) {
            const std::string what = std::string(kind) + " " + where.object;
            if (auto [at, added] = labels.try_emplace(dictionary::FoldedLabel(where.object), what);
                !added)
                Add("duplicate-label", where, "the label of " + at->second + " too");
            const std::string_view pre = Trimmed(prefix);
            if (pre.empty()) return;
            if (auto [at, added] = prefixes.try_emplace(dictionary::FoldedLabel(pre), what); !added)
                Add("duplicate-prefix", where,
                    "prefix " + std::string(pre) + " is the prefix of " + at->second + " too");
        };
        for (const dictionary::FileQueue& file : dictionary::Rows(model_.FILE))
            check("file", {Label(file.LABEL), LineOf(file)}, file.PREFIX);
        for (const dictionary::AliasQueue& alias : dictionary::Rows(model_.ALIAS)) {
            const Where name{Label(alias.LABEL),
                             Pick(structure_.lines.Aliases(alias.LABEL.view()),
                                  dictionary::Rows(model_.ALIAS), alias, SameLabelOf)};
            check("alias", name, alias.PREFIX);
            if (Trimmed(alias.FILE).empty()) {
                Add("alias-missing-file", name, "names no file");
            } else if (labels_.File(alias.FILE.view()) == nullptr) {
                const std::string_view nearly = labels_.FileOrAliasIgnoringCase(alias.FILE.view());
                if (!nearly.empty() && labels_.File(nearly) != nullptr) {
                    Add("label-case-mismatch", name,
                        NearlyNamed("file", Trimmed(alias.FILE), nearly));
                } else {
                    Add("alias-missing-file", name,
                        "names file " + std::string(Trimmed(alias.FILE)) +
                            ", which the dictionary does not have");
                }
            }
        }
    }

    void CheckFile(const dictionary::FileQueue& file) {
        const std::string name = Label(file.LABEL);
        CheckFieldLabels(file, name);
        CheckKeys(file, name);
        if (Enabled("missing-description")) {
            if (!HasDescription(file.TEXT))
                Add("missing-description", {name, LineOf(file)}, "has no description");
            for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
                if (!dictionary::IsGroupEnd(field) && !HasDescription(field.TEXT))
                    Add("missing-description",
                        {Member(name, field.LABEL),
                         LineOf(file, &FileLines::fields, file.FIELD, field)},
                        "has no description");
            }
        }
    }

    static std::string Member(const std::string& file, const dictionary::Text& label) {
        return file + "." + Label(label);
    }

    // The prefix that qualifies a field of `file` (see FieldPrefixes).
    const std::string& PrefixOf(const dictionary::FileQueue& file,
                                const dictionary::FieldQueue& field) {
        auto [at, made] = prefixes_.try_emplace(&file);
        if (made) at->second = dictionary::FieldPrefixes(file, scanner_);
        return at->second[static_cast<std::size_t>(&field - dictionary::Rows(file.FIELD).data())];
    }

    // Fields, memos and blobs share one name space per prefix: the file's, or
    // that of a GROUP with a prefix of its own, for the members of that GROUP.
    void CheckFieldLabels(const dictionary::FileQueue& file, const std::string& name) {
        std::unordered_map<std::string, bool> seen;
        auto check = [&](std::string_view scope, const auto& rows, const auto& row) {
            if (Trimmed(row.LABEL).empty()) return;
            std::string key = dictionary::FoldedLabel(scope);
            key += ':';
            key += dictionary::FoldedLabel(row.LABEL.view());
            if (!seen.try_emplace(key, true).second)
                Add("duplicate-label",
                    {Member(name, row.LABEL), LineOf(file, &FileLines::fields, rows, row)},
                    "another field of " + name + " has this label");
        };
        const std::string filePrefix(Trimmed(file.PREFIX));
        for (const dictionary::MemoQueue& memo : dictionary::Rows(file.MEMO))
            check(filePrefix, file.MEMO, memo);
        for (const dictionary::BlobQueue& blob : dictionary::Rows(file.BLOB))
            check(filePrefix, file.BLOB, blob);
        for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
            if (!dictionary::IsGroupEnd(field)) check(PrefixOf(file, field), file.FIELD, field);
        }
    }

    // The components of a key as stored (the file's prefix cut off), each
    // with the reference written in its declaration, prefix kept (the stored
    // one when the declaration does not hold as many).
    struct Component {
        std::string shown;
        std::string written;
    };
    std::vector<Component> ComponentsOf(const dictionary::ObjectTextRef& text,
                                        const dictionary::List<dictionary::TextLineQueue>& stored) {
        std::vector<Component> components;
        for (std::string_view component : dictionary::Components(stored))
            components.push_back({std::string(component), std::string(component)});
        if (!text || !text->DEFINITION.has_value()) return components;
        scanner_.Split(text->DEFINITION.view(), {}, true);
        if (scanner_.ArgumentCount(2) < static_cast<std::int32_t>(components.size()))
            return components;
        for (std::size_t i = 0; i < components.size(); ++i) {
            components[i].written =
                rt::TrimBlanks(scanner_.Argument(2, static_cast<std::int32_t>(i + 1)));
        }
        return components;
    }

    void CheckKeys(const dictionary::FileQueue& file, const std::string& name) {
        std::unordered_map<std::string, bool> seen;
        bool primary = false;
        auto check = [&](const auto& rows, const auto& key, std::string_view kind) {
            const Where object{Member(name, key.LABEL), LineOf(file, &FileLines::keys, rows, key)};
            if (!seen.try_emplace(dictionary::FoldedLabel(key.LABEL.view()), true).second)
                Add("duplicate-label", object,
                    "another key or index of " + name + " has this label");
            for (const Component& component : ComponentsOf(key.TEXT, key.FIELD)) {
                const std::string what = std::string(kind) + " component " + component.shown;
                if (const dictionary::FieldQueue* field =
                        FieldOf(object, what, file, {}, component.written)) {
                    CheckPrefix(object, what, file, *field, {}, component.written);
                }
            }
        };
        for (const dictionary::KeyQueue& key : dictionary::Rows(file.KEY)) {
            check(file.KEY, key, "key");
            primary = primary || key.PRIMARY != 0;
        }
        for (const dictionary::IndexQueue& index : dictionary::Rows(file.INDEX))
            check(file.INDEX, index, "index");
        const bool noKeys = dictionary::Rows(file.KEY).empty();
        if (!primary && !(noKeys && KeepsNoKeys(file)))
            Add("no-primary-key", {name, LineOf(file)},
                noKeys ? "has no key" : "has no primary key");
    }

    // The field of `file` that `reference` names; a finding when there is
    // none: in another letter case, or none at all (a key's component, or a
    // pair's field).
    const dictionary::FieldQueue* FieldOf(const Where& object, const std::string& what,
                                          const dictionary::FileQueue& file,
                                          const std::string_view missingRule,
                                          std::string_view reference) {
        const std::string_view label = dictionary::Unqualified(reference);
        if (const dictionary::FieldQueue* field = labels_.Field(file, label)) return field;
        const std::string fileName = Label(file.LABEL);
        if (const std::string_view nearly = labels_.FieldIgnoringCase(file, label);
            !nearly.empty()) {
            Add("label-case-mismatch", object,
                what + " " + NearlyNamed("field", label, std::string(nearly) + " of " + fileName));
        } else if (missingRule.empty()) {
            Add("key-missing-field", object, what + " names no field of " + fileName);
        } else {
            Add(missingRule, object,
                fileName + " has no field " + std::string(label) + " (" + std::string(reference) +
                    ")");
        }
        return nullptr;
    }

    // A finding when `reference` is qualified by another prefix than the one
    // of `field` (or, for a field outside any GROUP of its own, than the
    // alias's the reference goes through).
    void CheckPrefix(const Where& object, const std::string& what,
                     const dictionary::FileQueue& file, const dictionary::FieldQueue& field,
                     std::string_view aliasPrefix, std::string_view reference) {
        const std::string_view qualifier = dictionary::Qualifier(reference);
        if (qualifier.empty()) return;
        const std::string& prefix = PrefixOf(file, field);
        if (qualifier == prefix) return;
        if (!aliasPrefix.empty() && qualifier == aliasPrefix && prefix == Trimmed(file.PREFIX))
            return;
        Add("prefix-mismatch", object,
            what + ": " + Label(field.LABEL) + " of " + Label(file.LABEL) + " takes the prefix " +
                (prefix.empty() ? std::string("(none)") : prefix) + ", not " +
                std::string(qualifier));
    }

    void CheckRelation(const dictionary::RelationQueue& relation) {
        const RelationLines* lines =
            Pick(structure_.lines.Relations(relation.LEFTFILE.view(), relation.RIGHTFILE.view()),
                 dictionary::Rows(model_.RELATION), relation,
                 [](const dictionary::RelationQueue& a, const dictionary::RelationQueue& b) {
                     return dictionary::SameLabel(a.LEFTFILE.view(), b.LEFTFILE.view()) &&
                            dictionary::SameLabel(a.RIGHTFILE.view(), b.RIGHTFILE.view());
                 });
        const RelationLines none;
        const RelationLines& at = lines != nullptr ? *lines : none;
        // A finding on a side or a pair names its line, else the RELATION's.
        auto where = [&](std::size_t line) {
            return Where{"Relation " + Label(relation.LEFTFILE) + "->" + Label(relation.RIGHTFILE),
                         line != 0 ? line : at.line};
        };
        const Side left = SideOf(where(at.left.line), relation.LEFTFILE);
        const Side right = SideOf(where(at.right.line), relation.RIGHTFILE);
        CheckRelationKey(where(at.left.line), left, relation.LEFTKEY);
        CheckRelationKey(where(at.right.line), right, relation.RIGHTKEY);
        std::vector<std::pair<std::string, std::string>> compared;
        auto checkPairs = [&](const dictionary::List<dictionary::FieldPairQueue>& pairs,
                              const std::vector<std::size_t>& pairLines, const Side& first,
                              const Side& second) {
            const auto rows = dictionary::Rows(pairs);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const dictionary::FieldPairQueue& pair = rows[i];
                const Where object = where(i < pairLines.size() ? pairLines[i] : 0);
                const dictionary::FieldQueue* a = PairField(object, first, pair.LEFT);
                const dictionary::FieldQueue* b = PairField(object, second, pair.RIGHT);
                if (a == nullptr || b == nullptr) continue;
                const std::string typeA = dictionary::TypeText(*a);
                const std::string typeB = dictionary::TypeText(*b);
                if (typeA == typeB) continue;
                // The same pair is listed once each way.
                std::string one(Trimmed(pair.LEFT)), other(Trimmed(pair.RIGHT));
                if (one > other) std::swap(one, other);
                if (std::find(compared.begin(), compared.end(), std::pair(one, other)) !=
                    compared.end())
                    continue;
                compared.emplace_back(one, other);
                Add("pair-type-mismatch", object,
                    std::string(Trimmed(pair.LEFT)) + " is " + typeA + ", " +
                        std::string(Trimmed(pair.RIGHT)) + " is " + typeB);
            }
        };
        checkPairs(relation.LEFTFIELDS, at.leftPairs, left, right);
        checkPairs(relation.RIGHTFIELDS, at.rightPairs, right, left);
    }

    Side SideOf(const Where& object, const dictionary::Text& label) {
        Side side;
        if (Trimmed(label).empty()) {
            Add("relation-missing-file", object, "a side names no file");
            return side;
        }
        side.files = labels_.Files(label.view());
        if (side.files.empty()) {
            if (const dictionary::AliasQueue* alias = labels_.Alias(label.view())) {
                side.files = labels_.Files(alias->FILE.view());
                side.aliasPrefix = Trimmed(alias->PREFIX);
                return side;  // a dangling alias is the alias's own finding
            }
            const std::string_view nearly = labels_.FileOrAliasIgnoringCase(label.view());
            if (!nearly.empty()) {
                Add("label-case-mismatch", object, NearlyNamed("file", Trimmed(label), nearly));
            } else {
                Add("relation-missing-file", object,
                    "file " + std::string(Trimmed(label)) + " does not exist");
            }
        }
        return side;
    }

    void CheckRelationKey(const Where& object, const Side& side, const dictionary::Text& key) {
        if (side.files.empty() || Trimmed(key).empty()) return;
        const std::string_view label = dictionary::Unqualified(key.view());
        const dictionary::FileQueue* holder = nullptr;
        for (const dictionary::FileQueue* file : side.files) {
            if (labels_.HasKey(*file, label)) {
                holder = file;
                break;
            }
        }
        const dictionary::FileQueue& owner = holder != nullptr ? *holder : *side.files.front();
        const std::string_view qualifier = dictionary::Qualifier(key.view());
        if (!qualifier.empty() && qualifier != Trimmed(owner.PREFIX) &&
            qualifier != side.aliasPrefix)
            Add("prefix-mismatch", object,
                "key " + std::string(Trimmed(key)) + ": the prefix of " + Label(owner.LABEL) +
                    " is " + std::string(Trimmed(owner.PREFIX)) + ", not " +
                    std::string(qualifier));
        if (holder != nullptr) return;
        if (const std::string_view nearly = labels_.KeyIgnoringCase(owner, label);
            !nearly.empty()) {
            Add("label-case-mismatch", object,
                NearlyNamed("key", label, std::string(nearly) + " of " + Label(owner.LABEL)));
        } else {
            Add("relation-missing-key", object,
                Label(owner.LABEL) + " has no key " + std::string(label));
        }
    }

    // The field a pair names on one side; null for NOLINK, for a side whose
    // file is missing, and (with a finding) for a field that is not there.
    const dictionary::FieldQueue* PairField(const Where& object, const Side& side,
                                            const dictionary::Text& reference) {
        if (side.files.empty() || dictionary::SameLabel(Trimmed(reference), "NOLINK"))
            return nullptr;
        const std::string_view label = dictionary::Unqualified(reference.view());
        for (const dictionary::FileQueue* file : side.files) {
            if (const dictionary::FieldQueue* field = labels_.Field(*file, label)) {
                CheckPrefix(object, "field " + std::string(Trimmed(reference)), *file, *field,
                            side.aliasPrefix, reference.view());
                return field;
            }
        }
        return FieldOf(object, "field " + std::string(Trimmed(reference)), *side.files.front(),
                       "relation-missing-field", Trimmed(reference));
    }

    const dictionary::DictionaryModel& model_;
    const LintOptions& options_;
    dictionary::LabelIndex labels_;
    ExportStructure structure_;
    std::vector<const FileLines*> fileLines_;  // by the model's file
    dictionary::Scanner scanner_;
    std::unordered_map<const dictionary::FileQueue*, std::vector<std::string>> prefixes_;
    std::vector<Finding> findings_;
};

}  // namespace

std::span<const LintRule> LintRules() {
    return kRules;
}

const LintRule* FindLintRule(std::string_view name) {
    for (const LintRule& rule : kRules) {
        if (rule.name == name) return &rule;
    }
    return nullptr;
}

std::vector<Finding> Lint(const dictionary::DictionaryModel& model, std::string_view exportText,
                          const LintOptions& options) {
    return Linter(model, options).Run(exportText);
}

}  // namespace workflow
