#include "workflow/structural_diff.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "dictionary/field_facts.h"
#include "dictionary/labels.h"
#include "dictionary/model_json.h"
#include "dictionary/scanner.h"
#include "runtime/core/blanks.h"
#include "runtime/core/windows1252.h"
#include "workflow/dictionary_objects.h"
#include "workflow/sequence_alignment.h"

namespace workflow {

namespace {

std::string Trimmed(const dictionary::Text& text) {
    return std::string(rt::TrimBlanks(text.view()));
}

// How much of a changed description line is shown, and how much of it
// before the first character that changed when that lies further on.
constexpr std::size_t kShownLength = 40;
constexpr std::size_t kShownBefore = 10;

// The lines as they compare: blanks around each cut, empty ones at the end
// left out.
std::vector<std::string_view> Compared(const std::vector<std::string_view>& lines) {
    std::vector<std::string_view> kept;
    for (std::string_view line : lines) kept.push_back(rt::TrimBlanks(line));
    while (!kept.empty() && kept.back().empty()) kept.pop_back();
    return kept;
}

// Line `at` of `lines` from `from` on, short and quoted; "(none)" past the end.
std::string Excerpt(const std::vector<std::string_view>& lines, std::size_t at, std::size_t from) {
    if (at >= lines.size()) return "(none)";
    const std::string_view line = lines[at];
    std::string text = from > 0 ? "\"..." : "\"";
    if (from < line.size()) text += line.substr(from, kShownLength);
    if (line.size() > from + kShownLength) text += "...";
    return text + '"';
}

// "description changed, line 2: \"was\" -> \"is\"", "description added: ...",
// "description removed"; empty when the descriptions are the same.
std::string DescriptionChange(const std::vector<std::string_view>& before,
                              const std::vector<std::string_view>& after) {
    const std::vector<std::string_view> old = Compared(before);
    const std::vector<std::string_view> now = Compared(after);
    if (old == now) return {};
    if (old.empty()) return "description added: " + Excerpt(now, 0, 0);
    if (now.empty()) return "description removed";
    std::size_t line = 0;
    while (line < old.size() && line < now.size() && old[line] == now[line]) ++line;
    const std::string_view was = line < old.size() ? old[line] : std::string_view();
    const std::string_view is = line < now.size() ? now[line] : std::string_view();
    std::size_t same = 0;
    while (same < was.size() && same < is.size() && was[same] == is[same]) ++same;
    std::size_t from = 0;
    if (same + kShownBefore > kShownLength) {
        // From the start of the word there.
        from = same - kShownBefore;
        if (const std::size_t blank = was.rfind(' ', from); blank != std::string_view::npos)
            from = blank + 1;
    }
    return "description changed, line " + std::to_string(line + 1) + ": " +
           Excerpt(old, line, from) + " -> " + Excerpt(now, line, from);
}

// An ordered list of objects of one kind: their unique keys (the label;
// one used again gets "#2", "#3"...), labels as written, shown names,
// attributes and descriptions.
struct Objects {
    std::vector<std::string> keys;
    std::vector<std::string> labels;
    std::vector<std::string> names;
    std::vector<Attributes> attributes;
    std::vector<std::vector<std::string_view>> descriptions;

    explicit Objects(DictionaryObjects objects) {
        std::unordered_map<std::string, std::size_t> count;
        for (DictionaryObject& object : objects) {
            std::string key(dictionary::LabelKey(object.label));
            labels.push_back(key);
            const std::size_t seen = ++count[key];
            if (seen > 1) key += "#" + std::to_string(seen);
            keys.push_back(std::move(key));
            names.push_back(std::move(object.name));
            attributes.push_back(std::move(object.attributes));
            descriptions.push_back(std::move(object.description));
        }
    }
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
        if (!options_.ignoreDescriptions)
            Description("DESCRIPTION", dictionary::DictionaryDescription(before),
                        dictionary::DictionaryDescription(after));
        Files(before, after);
        Compare(Objects(AliasObjects(before)), Objects(AliasObjects(after)), false);
        Compare(Objects(RelationObjects(before)), Objects(RelationObjects(after)), false);
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
        const Objects other(FileObjects(after));
        Compare(Objects(FileObjects(before)), other, false, [&](const Step& kept) {
            Members(beforeFiles[kept.before], afterFiles[kept.after], other.names[kept.after]);
        });
    }

    // The memos and blobs, fields, keys and indexes of a file in both versions.
    void Members(const dictionary::FileQueue& before, const dictionary::FileQueue& after,
                 const std::string& file) {
        Compare(Objects(StoreObjects(before, file)), Objects(StoreObjects(after, file)), false);
        Compare(Objects(FieldObjects(before, file, scanner_)),
                Objects(FieldObjects(after, file, scanner_)), true);
        Compare(Objects(KeyObjects(before, file)), Objects(KeyObjects(after, file)), false);
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
        if (!options_.ignoreDescriptions)
            Description(name, before.descriptions[b], after.descriptions[a]);
    }

    // One change when the description differs, with the first line that
    // does, as it was and as it is.
    void Description(const std::string& name, const std::vector<std::string_view>& before,
                     const std::vector<std::string_view>& after) {
        if (std::string detail = DescriptionChange(before, after); !detail.empty())
            changes_.push_back({'~', name, std::move(detail)});
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
