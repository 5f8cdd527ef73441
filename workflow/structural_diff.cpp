#include "workflow/structural_diff.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "dictionary/field_facts.h"
#include "dictionary/labels.h"
#include "dictionary/model_json.h"
#include "dictionary/scanner.h"
#include "runtime/core/blanks.h"
#include "runtime/core/joined.h"
#include "runtime/core/windows1252.h"
#include "workflow/sequence_alignment.h"

namespace workflow {

using dictionary::Components;
using dictionary::IsGroupEnd;
using dictionary::ValidOf;

namespace {

// One attribute of an object: a name it is matched by and the text shown.
struct Attribute {
    std::string name;
    std::string text;
};
using Attributes = std::vector<Attribute>;

std::string Trimmed(const dictionary::Text& text) {
    return std::string(rt::TrimBlanks(text.view()));
}

void AddIf(Attributes& attributes, std::string name, const dictionary::Text& value) {
    if (value.has_value()) attributes.push_back({name, name + "(" + Trimmed(value) + ")"});
}

void AddFlag(Attributes& attributes, std::string_view name, bool set) {
    if (set) attributes.push_back({std::string(name), std::string(name)});
}

std::string Summary(const Attributes& attributes) {
    std::vector<std::string_view> texts;
    for (const Attribute& attribute : attributes) texts.push_back(attribute.text);
    return rt::Joined(texts, ",");
}

// An ordered list of objects of one kind: their unique keys (the label;
// one used again gets "#2", "#3"...), labels as written, shown names and
// attributes.
struct Objects {
    std::vector<std::string> keys;
    std::vector<std::string> labels;
    std::vector<std::string> names;
    std::vector<Attributes> attributes;

    void Add(std::string_view label, std::string name, Attributes described) {
        std::string key(dictionary::LabelKey(label));
        labels.push_back(key);
        const std::size_t seen = ++count_[key];
        if (seen > 1) key += "#" + std::to_string(seen);
        keys.push_back(std::move(key));
        names.push_back(std::move(name));
        attributes.push_back(std::move(described));
    }

  private:
    std::unordered_map<std::string, std::size_t> count_;
};

// The keys of `after` by which its objects are paired with those of
// `before`: their own, except that an object whose label matches no label
// of `before` and matches but for letter case exactly one that `after`
// lost takes that one's key. `renamed` gets the old label of each such one.
std::vector<std::string> PairingKeys(const Objects& before, const Objects& after,
                                     std::vector<std::string>& renamed) {
    std::vector<std::string> keys = after.keys;
    renamed.assign(keys.size(), {});
    const std::unordered_set<std::string> inBefore(before.keys.begin(), before.keys.end());
    const std::unordered_set<std::string> inAfter(after.keys.begin(), after.keys.end());
    std::unordered_map<std::string, std::vector<std::size_t>> lost;  // folded key -> before
    std::unordered_map<std::string, std::size_t> gained;             // folded key -> count
    for (std::size_t b = 0; b < before.keys.size(); ++b) {
        if (!inAfter.contains(before.keys[b]))
            lost[dictionary::FoldedLabel(before.keys[b])].push_back(b);
    }
    for (const std::string& key : after.keys) {
        if (!inBefore.contains(key)) ++gained[dictionary::FoldedLabel(key)];
    }
    for (std::size_t a = 0; a < keys.size(); ++a) {
        if (inBefore.contains(keys[a])) continue;
        const std::string folded = dictionary::FoldedLabel(keys[a]);
        auto was = lost.find(folded);
        if (was == lost.end() || was->second.size() != 1 || gained[folded] != 1) continue;
        keys[a] = before.keys[was->second.front()];
        renamed[a] = before.labels[was->second.front()];
    }
    return keys;
}

class Differ {
  public:
    explicit Differ(const DiffOptions& options) : options_(options) {}

    std::vector<Change> Run(const dictionary::DictionaryModel& before,
                            const dictionary::DictionaryModel& after) {
        if (options_.headers) {
            Header("VERSION", before.VERSION, after.VERSION);
            Header("CREATED", before.CREATED, after.CREATED);
            Header("MODIFIED", before.MODIFIED, after.MODIFIED);
        }
        Files(before, after);
        Compare(Aliases(before), Aliases(after), false);
        Compare(Relations(before), Relations(after), false);
        return std::move(changes_);
    }

  private:
    void Header(std::string_view name, const dictionary::Text& before,
                const dictionary::Text& after) {
        if (before == after) return;
        changes_.push_back({'~', std::string(name), Trimmed(before) + " -> " + Trimmed(after)});
    }

    void Files(const dictionary::DictionaryModel& before,
               const dictionary::DictionaryModel& after) {
        auto beforeFiles = dictionary::Rows(before.FILE);
        auto afterFiles = dictionary::Rows(after.FILE);
        const Objects other = FileObjects(afterFiles);
        Compare(FileObjects(beforeFiles), other, false, [&](const Step& kept) {
            Members(beforeFiles[kept.before], afterFiles[kept.after], other.names[kept.after]);
        });
    }

    // The memos and blobs, fields, keys and indexes of a file in both versions.
    void Members(const dictionary::FileQueue& before, const dictionary::FileQueue& after,
                 const std::string& file) {
        Compare(Stores(before, file), Stores(after, file), false);
        Compare(Fields(before, file), Fields(after, file), true);
        Compare(Keys(before, file), Keys(after, file), false);
    }

    // Lines up the two lists and reports each object added, removed or
    // changed (and moved, with `showMoves`); `kept` is then called for each
    // object in both.
    template <class OnKept = void (*)(const Step&)>
    void Compare(
        const Objects& before, const Objects& after, bool showMoves,
        OnKept kept = [](const Step&) {}) {
        std::vector<std::string> renamed;
        for (const Step& step : Align(before.keys, PairingKeys(before, after, renamed))) {
            if (!step.InAfter()) {
                Removed(before, step.before);
            } else if (!step.InBefore()) {
                Added(after, step.after);
            } else {
                if (!renamed[step.after].empty())
                    changes_.push_back(
                        {'~', after.names[step.after],
                         "label case " + renamed[step.after] + " -> " + after.labels[step.after]});
                Changed(before, step.before, after, step.after);
                if (showMoves && step.moved) {
                    changes_.push_back(
                        {'~', after.names[step.after],
                         step.after == 0 ? "moved to the start"
                                         : "moved after " + Member(after.names[step.after - 1])});
                }
                kept(step);
            }
        }
    }

    static std::string Member(const std::string& name) {
        const std::size_t dot = name.find('.');
        return dot == std::string::npos ? name : name.substr(dot + 1);
    }

    void Added(const Objects& objects, std::size_t at) {
        changes_.push_back({'+', objects.names[at], Summary(objects.attributes[at])});
    }
    void Removed(const Objects& objects, std::size_t at) {
        changes_.push_back({'-', objects.names[at], Summary(objects.attributes[at])});
    }

    // One change a differing attribute: new ones in their order, then those
    // only the old version had.
    void Changed(const Objects& before, std::size_t b, const Objects& after, std::size_t a) {
        const Attributes& old = before.attributes[b];
        const Attributes& now = after.attributes[a];
        const std::string& name = after.names[a];
        auto find = [](const Attributes& in, const std::string& key) -> const Attribute* {
            for (const Attribute& attribute : in) {
                if (attribute.name == key) return &attribute;
            }
            return nullptr;
        };
        for (const Attribute& attribute : now) {
            const Attribute* was = find(old, attribute.name);
            if (was == nullptr) {
                changes_.push_back({'~', name, attribute.text + " added"});
            } else if (was->text != attribute.text) {
                changes_.push_back({'~', name, was->text + " -> " + attribute.text});
            }
        }
        for (const Attribute& attribute : old) {
            if (find(now, attribute.name) == nullptr)
                changes_.push_back({'~', name, attribute.text + " removed"});
        }
    }

    static Objects FileObjects(std::span<const dictionary::FileQueue> files) {
        Objects objects;
        for (const dictionary::FileQueue& file : files) {
            Attributes attributes{{"FILE", "FILE"}};
            AddIf(attributes, "DRIVER", file.DRIVER);
            AddIf(attributes, "PRE", file.PREFIX);
            AddIf(attributes, "NAME", file.NAME);
            for (std::string& word : dictionary::FileAttributeWords(file)) {
                const std::string name = word.substr(0, word.find('('));
                attributes.push_back({name, std::move(word)});
            }
            objects.Add(file.LABEL.view(), std::string(rt::TrimTrailingSpaces(file.LABEL.view())),
                        std::move(attributes));
        }
        return objects;
    }

    static std::string MemberName(const std::string& file, const dictionary::Text& label) {
        return file + "." + std::string(rt::TrimTrailingSpaces(label.view()));
    }

    static Objects Stores(const dictionary::FileQueue& file, const std::string& name) {
        Objects objects;
        for (const dictionary::MemoQueue& memo : dictionary::Rows(file.MEMO)) {
            Attributes attributes{{"TYPE", dictionary::MemoTypeText(memo)}};
            AddIf(attributes, "PICTURE", memo.PICTURE);
            objects.Add(memo.LABEL.view(), MemberName(name, memo.LABEL), std::move(attributes));
        }
        for (const dictionary::BlobQueue& blob : dictionary::Rows(file.BLOB)) {
            objects.Add(blob.LABEL.view(), MemberName(name, blob.LABEL), {{"TYPE", "BLOB"}});
        }
        return objects;
    }

    Objects Fields(const dictionary::FileQueue& file, const std::string& name) {
        Objects objects;
        for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
            if (IsGroupEnd(field)) continue;
            Attributes attributes{{"TYPE", dictionary::TypeText(field)}};
            AddIf(attributes, "DIM", field.DIM);
            AddIf(attributes, "PICTURE", field.PICTURE);
            if (std::string valid = ValidOf(field.TEXT, scanner_); !valid.empty())
                attributes.push_back({"VALID", "VALID(" + valid + ")"});
            objects.Add(field.LABEL.view(), MemberName(name, field.LABEL), std::move(attributes));
        }
        return objects;
    }

    template <class Row>
    static Attributes KeyAttributes(const Row& row, std::string_view kind) {
        Attributes attributes{
            {"TYPE", std::string(kind) + "(" + rt::Joined(Components(row.FIELD), ",") + ")"}};
        AddIf(attributes, "NAME", row.NAME);
        if constexpr (std::is_same_v<Row, dictionary::KeyQueue>)
            AddFlag(attributes, "DUP", row.DUP);
        AddFlag(attributes, "NOCASE", row.NOCASE);
        AddFlag(attributes, "OPT", row.OPT);
        if constexpr (std::is_same_v<Row, dictionary::KeyQueue>)
            AddFlag(attributes, "PRIMARY", row.PRIMARY);
        return attributes;
    }

    static Objects Keys(const dictionary::FileQueue& file, const std::string& name) {
        Objects objects;
        for (const dictionary::KeyQueue& key : dictionary::Rows(file.KEY))
            objects.Add(key.LABEL.view(), MemberName(name, key.LABEL), KeyAttributes(key, "KEY"));
        for (const dictionary::IndexQueue& index : dictionary::Rows(file.INDEX))
            objects.Add(index.LABEL.view(), MemberName(name, index.LABEL),
                        KeyAttributes(index, "INDEX"));
        return objects;
    }

    static Objects Aliases(const dictionary::DictionaryModel& model) {
        Objects objects;
        for (const dictionary::AliasQueue& alias : dictionary::Rows(model.ALIAS)) {
            Attributes attributes{{"ALIAS", "ALIAS(" + Trimmed(alias.FILE) + ")"}};
            AddIf(attributes, "PRE", alias.PREFIX);
            objects.Add(alias.LABEL.view(), std::string(rt::TrimTrailingSpaces(alias.LABEL.view())),
                        std::move(attributes));
        }
        return objects;
    }

    static std::string Pairs(const dictionary::List<dictionary::FieldPairQueue>& pairs) {
        std::string text;
        for (const dictionary::FieldPairQueue& pair : dictionary::Rows(pairs)) {
            if (!text.empty()) text += ',';
            text += "FIELD(" + Trimmed(pair.LEFT) + "," + Trimmed(pair.RIGHT) + ")";
        }
        return text;
    }

    static Objects Relations(const dictionary::DictionaryModel& model) {
        Objects objects;
        for (const dictionary::RelationQueue& relation : dictionary::Rows(model.RELATION)) {
            const std::string left(rt::TrimTrailingSpaces(relation.LEFTFILE.view()));
            const std::string right(rt::TrimTrailingSpaces(relation.RIGHTFILE.view()));
            Attributes attributes{
                {"TYPE", std::string(rt::TrimBlanks(relation.TYPE.view()))},
                {"FILE", "FILE(" + Trimmed(relation.LEFTKEY) + ")"},
                {"RELATED_FILE", "RELATED_FILE(" + Trimmed(relation.RIGHTKEY) + ")"},
                {"FILE_TO_RELATED_KEY", "FILE_TO_RELATED_KEY(" + Pairs(relation.LEFTFIELDS) + ")"},
                {"RELATED_FILE_TO_KEY",
                 "RELATED_FILE_TO_KEY(" + Pairs(relation.RIGHTFIELDS) + ")"}};
            AddIf(attributes, "UPDATE", relation.RIUPDATE);
            AddIf(attributes, "DELETE", relation.RIDELETE);
            const std::string key = left + "->" + right;
            objects.Add(key, "Relation " + key, std::move(attributes));
        }
        // A second relation of the same two files is told apart by its number.
        for (std::size_t i = 0; i < objects.keys.size(); ++i) {
            if (const std::size_t hash = objects.keys[i].rfind('#'); hash != std::string::npos)
                objects.names[i] += " (" + objects.keys[i].substr(hash + 1) + ")";
        }
        return objects;
    }

    const DiffOptions& options_;
    dictionary::Scanner scanner_;
    std::vector<Change> changes_;
};

}  // namespace

std::vector<Change> Diff(const dictionary::DictionaryModel& before,
                         const dictionary::DictionaryModel& after, const DiffOptions& options) {
    return Differ(options).Run(before, after);
}

std::string ChangesText(const std::vector<Change>& changes) {
    std::string out;
    for (const Change& change : changes) {
        out += change.mark;
        out += ' ';
        out += rt::Windows1252ToUtf8(rt::ShowControlBytes(change.object));
        out += ": ";
        out += rt::Windows1252ToUtf8(rt::ShowControlBytes(change.detail));
        out += '\n';
    }
    return out;
}

std::string ChangesJson(const std::vector<Change>& changes) {
    std::string out = "[";
    for (std::size_t i = 0; i < changes.size(); ++i) {
        out += i == 0 ? "\n  {\"change\": \"" : ",\n  {\"change\": \"";
        out += changes[i].mark;
        out += "\", \"object\": ";
        dictionary::AppendJsonString(out, changes[i].object);
        out += ", \"detail\": ";
        dictionary::AppendJsonString(out, changes[i].detail);
        out += '}';
    }
    out += changes.empty() ? "]\n" : "\n]\n";
    return out;
}

}  // namespace workflow
