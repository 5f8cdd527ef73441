#include "workflow/lint.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "dictionary/model_json.h"
#include "runtime/core/blanks.h"
#include "runtime/core/windows1252.h"
#include "workflow/labels.h"
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

// The type of a field as declared: "DECIMAL(11,2)".
std::string TypeText(const dictionary::FieldQueue& field) {
    std::string type(Trimmed(field.TYPE));
    if (field.SIZE.has_value()) type += "(" + std::string(Trimmed(field.SIZE)) + ")";
    return type;
}

// Drivers whose files keep no keys: a file of theirs without keys is no fault.
bool KeepsNoKeys(const dictionary::FileQueue& file) {
    const std::string driver =
        LabelKey(rt::TrimBlanks(dictionary::RemoveChars(file.DRIVER.view(), "'", false)));
    return driver == "ascii" || driver == "basic" || driver == "dos";
}

class Linter {
  public:
    Linter(const dictionary::DictionaryModel& model, const LintOptions& options)
        : model_(model), options_(options), labels_(model) {}

    std::vector<Finding> Run(std::string_view exportText) {
        CheckFilesAndAliases();
        for (const dictionary::FileQueue& file : dictionary::Rows(model_.FILE)) CheckFile(file);
        for (const dictionary::RelationQueue& relation : dictionary::Rows(model_.RELATION))
            CheckRelation(relation);
        if (Enabled("unbalanced-group")) {
            for (const GroupFault& fault : UnbalancedGroups(exportText))
                Add("unbalanced-group", fault.object, fault.message);
        }
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const Finding& a, const Finding& b) {
                             if (a.object != b.object) return a.object < b.object;
                             if (a.rule != b.rule) return a.rule < b.rule;
                             return a.message < b.message;
                         });
        return std::move(findings_);
    }

  private:
    bool Enabled(std::string_view rule) const {
        if (rule == "missing-description" && !options_.requireDescriptions) return false;
        return !options_.disabled.contains(rule);
    }

    void Add(std::string_view rule, std::string object, std::string message) {
        if (!Enabled(rule)) return;
        const LintRule* known = FindLintRule(rule);
        findings_.push_back({known->name, known->severity, std::move(object), std::move(message)});
    }

    // Labels and prefixes shared among files and aliases.
    void CheckFilesAndAliases() {
        std::unordered_map<std::string, std::string> labels;    // key -> "file X"
        std::unordered_map<std::string, std::string> prefixes;  // key -> "file X"
        auto check = [&](std::string_view kind, const dictionary::Text& label,
                         const dictionary::Text& prefix) {
            const std::string name(rt::TrimTrailingSpaces(label.view()));
            const std::string what = std::string(kind) + " " + name;
            if (auto [at, added] = labels.try_emplace(LabelKey(name), what); !added)
                Add("duplicate-label", name, "the label of " + at->second + " too");
            const std::string_view pre = Trimmed(prefix);
            if (pre.empty()) return;
            if (auto [at, added] = prefixes.try_emplace(LabelKey(pre), what); !added)
                Add("duplicate-prefix", name,
                    "prefix " + std::string(pre) + " is the prefix of " + at->second + " too");
        };
        for (const dictionary::FileQueue& file : dictionary::Rows(model_.FILE))
            check("file", file.LABEL, file.PREFIX);
        for (const dictionary::AliasQueue& alias : dictionary::Rows(model_.ALIAS)) {
            check("alias", alias.LABEL, alias.PREFIX);
            const std::string name(rt::TrimTrailingSpaces(alias.LABEL.view()));
            if (Trimmed(alias.FILE).empty()) {
                Add("alias-missing-file", name, "names no file");
            } else if (labels_.File(alias.FILE.view()) == nullptr) {
                Add("alias-missing-file", name,
                    "names file " + std::string(Trimmed(alias.FILE)) +
                        ", which the dictionary "
                        "does not have");
            }
        }
    }

    void CheckFile(const dictionary::FileQueue& file) {
        const std::string name(rt::TrimTrailingSpaces(file.LABEL.view()));
        CheckFieldLabels(file, name);
        CheckKeys(file, name);
        if (Enabled("missing-description")) {
            if (!HasDescription(file.TEXT)) Add("missing-description", name, "has no description");
            for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
                if (!IsGroupEnd(field) && !HasDescription(field.TEXT))
                    Add("missing-description", Member(name, field.LABEL), "has no description");
            }
        }
    }

    static std::string Member(const std::string& file, const dictionary::Text& label) {
        return file + "." + std::string(rt::TrimTrailingSpaces(label.view()));
    }

    // Fields, memos and blobs share one name space per prefix: the file's, or
    // that of a GROUP with a prefix of its own, for the members of that GROUP.
    void CheckFieldLabels(const dictionary::FileQueue& file, const std::string& name) {
        std::unordered_map<std::string, bool> seen;
        auto check = [&](std::string_view scope, const dictionary::Text& label) {
            if (Trimmed(label).empty()) return;
            std::string key(scope);
            key += ':';
            key += LabelKey(label.view());
            if (!seen.try_emplace(key, true).second)
                Add("duplicate-label", Member(name, label),
                    "another field of " + name + " has this label");
        };
        for (const dictionary::MemoQueue& memo : dictionary::Rows(file.MEMO)) check("", memo.LABEL);
        for (const dictionary::BlobQueue& blob : dictionary::Rows(file.BLOB)) check("", blob.LABEL);
        std::vector<std::string> scopes{""};
        for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
            if (IsGroupEnd(field)) {
                if (scopes.size() > 1) scopes.pop_back();
                continue;
            }
            check(scopes.back(), field.LABEL);
            if (IsGroup(field)) scopes.push_back(GroupScope(field, scopes.back()));
        }
    }

    // The prefix of a GROUP's own PRE(x) attribute, else the enclosing one.
    static std::string GroupScope(const dictionary::FieldQueue& group, const std::string& outer) {
        if (!group.TEXT) return outer;
        const std::string_view line = group.TEXT->DEFINITION.view();
        const std::size_t at = line.find("PRE(");
        if (at == std::string_view::npos) return outer;
        const std::size_t end = line.find(')', at);
        if (end == std::string_view::npos) return outer;
        const std::string_view prefix = rt::TrimBlanks(line.substr(at + 4, end - at - 4));
        return prefix.empty() ? outer : LabelKey(prefix);
    }

    void CheckKeys(const dictionary::FileQueue& file, const std::string& name) {
        std::unordered_map<std::string, bool> seen;
        bool primary = false;
        auto check = [&](const auto& key, std::string_view kind) {
            const std::string object = Member(name, key.LABEL);
            if (!seen.try_emplace(LabelKey(key.LABEL.view()), true).second)
                Add("duplicate-label", object,
                    "another key or index of " + name + " has this label");
            for (std::string_view component : Components(key.FIELD)) {
                if (labels_.Field(file, Unqualified(component)) == nullptr)
                    Add("key-missing-field", object,
                        std::string(kind) + " component " + std::string(component) +
                            " names no field of " + name);
            }
        };
        for (const dictionary::KeyQueue& key : dictionary::Rows(file.KEY)) {
            check(key, "key");
            primary = primary || key.PRIMARY != 0;
        }
        for (const dictionary::IndexQueue& index : dictionary::Rows(file.INDEX))
            check(index, "index");
        const bool noKeys = dictionary::Rows(file.KEY).empty();
        if (!primary && !(noKeys && KeepsNoKeys(file)))
            Add("no-primary-key", name, noKeys ? "has no key" : "has no primary key");
    }

    void CheckRelation(const dictionary::RelationQueue& relation) {
        const std::string object =
            "Relation " + std::string(rt::TrimTrailingSpaces(relation.LEFTFILE.view())) + "->" +
            std::string(rt::TrimTrailingSpaces(relation.RIGHTFILE.view()));
        const dictionary::FileQueue* left = SideFile(object, relation.LEFTFILE);
        const dictionary::FileQueue* right = SideFile(object, relation.RIGHTFILE);
        CheckRelationKey(object, left, relation.LEFTKEY);
        CheckRelationKey(object, right, relation.RIGHTKEY);
        std::vector<std::pair<std::string, std::string>> compared;
        auto checkPairs = [&](const dictionary::List<dictionary::FieldPairQueue>& pairs,
                              const dictionary::FileQueue* first,
                              const dictionary::FileQueue* second) {
            for (const dictionary::FieldPairQueue& pair : dictionary::Rows(pairs)) {
                const dictionary::FieldQueue* a = PairField(object, first, pair.LEFT);
                const dictionary::FieldQueue* b = PairField(object, second, pair.RIGHT);
                if (a == nullptr || b == nullptr || TypeText(*a) == TypeText(*b)) continue;
                // The same pair is listed once each way.
                std::string one = LabelKey(pair.LEFT.view()), other = LabelKey(pair.RIGHT.view());
                if (one > other) std::swap(one, other);
                if (std::find(compared.begin(), compared.end(), std::pair(one, other)) !=
                    compared.end())
                    continue;
                compared.emplace_back(one, other);
                Add("pair-type-mismatch", object,
                    std::string(Trimmed(pair.LEFT)) + " is " + TypeText(*a) + ", " +
                        std::string(Trimmed(pair.RIGHT)) + " is " + TypeText(*b));
            }
        };
        checkPairs(relation.LEFTFIELDS, left, right);
        checkPairs(relation.RIGHTFIELDS, right, left);
    }

    const dictionary::FileQueue* SideFile(const std::string& object,
                                          const dictionary::Text& label) {
        if (Trimmed(label).empty()) {
            Add("relation-missing-file", object, "a side names no file");
            return nullptr;
        }
        const dictionary::FileQueue* file = labels_.FileOrAliased(label.view());
        if (file == nullptr)
            Add("relation-missing-file", object,
                "file " + std::string(Trimmed(label)) + " does not exist");
        return file;
    }

    void CheckRelationKey(const std::string& object, const dictionary::FileQueue* file,
                          const dictionary::Text& key) {
        if (file == nullptr || Trimmed(key).empty()) return;
        if (!labels_.HasKey(*file, Unqualified(key.view())))
            Add("relation-missing-key", object,
                std::string(rt::TrimTrailingSpaces(file->LABEL.view())) + " has no key " +
                    std::string(Unqualified(key.view())));
    }

    const dictionary::FieldQueue* PairField(const std::string& object,
                                            const dictionary::FileQueue* file,
                                            const dictionary::Text& reference) {
        if (file == nullptr || LabelKey(Trimmed(reference)) == "nolink") return nullptr;
        const dictionary::FieldQueue* field = labels_.Field(*file, Unqualified(reference.view()));
        if (field == nullptr)
            Add("relation-missing-field", object,
                std::string(rt::TrimTrailingSpaces(file->LABEL.view())) + " has no field " +
                    std::string(Unqualified(reference.view())) + " (" +
                    std::string(Trimmed(reference)) + ")");
        return field;
    }

    const dictionary::DictionaryModel& model_;
    const LintOptions& options_;
    LabelIndex labels_;
    std::vector<Finding> findings_;
};

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

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

std::string FindingsText(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& finding : findings) {
        out += rt::Windows1252ToUtf8(rt::ShowControlBytes(finding.object));
        out += ": ";
        out += finding.rule;
        out += ": ";
        out += rt::Windows1252ToUtf8(rt::ShowControlBytes(finding.message));
        out += '\n';
    }
    return out;
}

std::string FindingsJson(const std::vector<Finding>& findings) {
    std::string out = "[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        out += i == 0 ? "\n  {\"rule\": " : ",\n  {\"rule\": ";
        dictionary::AppendJsonString(out, finding.rule);
        out += ", \"severity\": \"";
        out += SeverityName(finding.severity);
        out += "\", \"object\": ";
        dictionary::AppendJsonString(out, finding.object);
        out += ", \"message\": ";
        dictionary::AppendJsonString(out, finding.message);
        out += '}';
    }
    out += findings.empty() ? "]\n" : "\n]\n";
    return out;
}

}  // namespace workflow
