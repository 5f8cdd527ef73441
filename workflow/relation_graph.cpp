#include "workflow/relation_graph.h"

#include <algorithm>
#include <unordered_map>

#include "dictionary/field_facts.h"
#include "dictionary/labels.h"
#include "runtime/core/blanks.h"

namespace workflow {

using dictionary::Components;
using dictionary::LabelKey;
using dictionary::Unqualified;

namespace {

std::string Label(const dictionary::Text& label) {
    return std::string(rt::TrimTrailingSpaces(label.view()));
}

std::vector<std::string> PrimaryKeyFields(const dictionary::FileQueue& file) {
    std::vector<std::string> fields;
    for (const dictionary::KeyQueue& key : dictionary::Rows(file.KEY)) {
        if (!key.PRIMARY) continue;
        for (std::string_view component : Components(key.FIELD))
            fields.emplace_back(Unqualified(component));
        break;
    }
    return fields;
}

// What a file's box lists: memos, blobs, then the fields with the depth of
// their GROUP nesting.
std::vector<GraphField> BoxFields(const dictionary::FileQueue& file) {
    std::vector<GraphField> fields;
    for (const dictionary::MemoQueue& memo : dictionary::Rows(file.MEMO))
        fields.push_back({Label(memo.LABEL), dictionary::MemoTypeText(memo), 0});
    for (const dictionary::BlobQueue& blob : dictionary::Rows(file.BLOB))
        fields.push_back({Label(blob.LABEL), "BLOB", 0});
    std::size_t depth = 0;
    for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
        if (dictionary::IsGroupEnd(field)) {
            if (depth > 0) --depth;
            continue;
        }
        fields.push_back({Label(field.LABEL), dictionary::TypeTextWithDim(field), depth});
        if (dictionary::IsGroup(field)) ++depth;
    }
    return fields;
}

// The fields a relation links, "one" side first; a NOLINK pair links none.
std::vector<std::string> FieldPairs(const dictionary::RelationQueue& relation, bool leftIsOne) {
    std::vector<std::string> pairs;
    for (const dictionary::FieldPairQueue& pair : dictionary::Rows(relation.LEFTFIELDS)) {
        if (dictionary::SameLabel(pair.LEFT.view(), "NOLINK")) continue;
        const std::string_view left = Unqualified(pair.LEFT.view());
        const std::string_view right = Unqualified(pair.RIGHT.view());
        pairs.push_back(std::string(leftIsOne ? left : right) + " = " +
                        std::string(leftIsOne ? right : left));
    }
    return pairs;
}

void SortUnique(std::vector<std::size_t>& positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
}

}  // namespace

GraphSource::GraphSource(const dictionary::DictionaryModel& model,
                         const dictionary::RelationIndex& index)
    : model_(model), index_(index), labels_(model) {}

RelationGraph GraphSource::Whole() const {
    std::vector<std::size_t> files(dictionary::Rows(model_.FILE).size());
    std::vector<std::size_t> aliases(dictionary::Rows(model_.ALIAS).size());
    std::vector<std::size_t> relations(dictionary::Rows(model_.RELATION).size());
    for (std::size_t i = 0; i < files.size(); ++i) files[i] = i;
    for (std::size_t i = 0; i < aliases.size(); ++i) aliases[i] = i;
    for (std::size_t i = 0; i < relations.size(); ++i) relations[i] = i;
    return Build(std::move(files), std::move(aliases), std::move(relations), {});
}

std::optional<RelationGraph> GraphSource::Around(std::string_view label,
                                                 std::size_t distance) const {
    auto relations = dictionary::Rows(model_.RELATION);
    std::vector<std::size_t> fileChosen;
    std::vector<std::size_t> aliasChosen;
    std::unordered_map<std::string_view, bool> reached;

    // Reaching a file or an alias reaches the file and all its aliases; the
    // labels newly reached go into `next`.
    auto reach = [&](std::string_view name, std::vector<std::string>& next) {
        if (!reached.try_emplace(LabelKey(name), true).second) return;
        std::string_view fileLabel = name;
        if (labels_.File(name) == nullptr) {
            const dictionary::AliasQueue* alias = labels_.Alias(name);
            if (alias == nullptr) return;
            aliasChosen.push_back(labels_.PositionOf(*alias));
            next.push_back(Label(alias->LABEL));
            fileLabel = alias->FILE.view();
            if (!reached.try_emplace(LabelKey(fileLabel), true).second) return;
        }
        if (const dictionary::FileQueue* file = labels_.File(fileLabel)) {
            fileChosen.push_back(labels_.PositionOf(*file));
            next.push_back(Label(file->LABEL));
        }
        for (const dictionary::AliasQueue* alias : labels_.AliasesOf(fileLabel)) {
            if (!reached.try_emplace(LabelKey(alias->LABEL.view()), true).second) continue;
            aliasChosen.push_back(labels_.PositionOf(*alias));
            next.push_back(Label(alias->LABEL));
        }
    };
    if (labels_.File(label) == nullptr && labels_.Alias(label) == nullptr) return std::nullopt;
    std::vector<std::string> frontier;
    reach(label, frontier);
    std::vector<std::size_t> relationChosen;
    for (std::size_t step = 0; step <= distance && !frontier.empty(); ++step) {
        std::vector<std::string> next;
        for (const std::string& name : frontier) {
            for (std::size_t position : index_.Of(name)) {
                relationChosen.push_back(position);
                if (step == distance) continue;
                reach(relations[position].LEFTFILE.view(), next);
                reach(relations[position].RIGHTFILE.view(), next);
            }
        }
        frontier = std::move(next);
    }
    return Build(std::move(fileChosen), std::move(aliasChosen), std::move(relationChosen), label);
}

// The graph of the chosen files, aliases and relations (positions in the
// model's lists), in the model's order; a relation is drawn when both its
// sides are. The node labelled `selected` (a file before an alias) is marked.
RelationGraph GraphSource::Build(std::vector<std::size_t> fileChosen,
                                 std::vector<std::size_t> aliasChosen,
                                 std::vector<std::size_t> relationChosen,
                                 std::string_view selected) const {
    SortUnique(fileChosen);
    SortUnique(aliasChosen);
    SortUnique(relationChosen);
    auto files = dictionary::Rows(model_.FILE);
    auto aliases = dictionary::Rows(model_.ALIAS);
    auto relations = dictionary::Rows(model_.RELATION);
    RelationGraph graph;
    // Keyed by the model's own labels.
    std::unordered_map<std::string_view, std::size_t> nodes;      // files, then aliases
    std::unordered_map<std::string_view, std::size_t> fileNodes;  // files only
    auto add = [&](std::string_view key, GraphNode node) {
        const std::size_t at = graph.nodes.size();
        nodes.try_emplace(key, at);
        if (!node.alias) fileNodes.try_emplace(key, at);
        graph.nodes.push_back(std::move(node));
        return at;
    };
    for (std::size_t i : fileChosen) {
        const dictionary::FileQueue& file = files[i];
        add(LabelKey(file.LABEL.view()), {"f" + std::to_string(i), Label(file.LABEL),
                                          std::string(rt::TrimBlanks(file.PREFIX.view())),
                                          PrimaryKeyFields(file), false, BoxFields(file)});
    }
    for (std::size_t i : aliasChosen) {
        const dictionary::AliasQueue& alias = aliases[i];
        const std::size_t node =
            add(LabelKey(alias.LABEL.view()), {"a" + std::to_string(i),
                                               Label(alias.LABEL),
                                               std::string(rt::TrimBlanks(alias.PREFIX.view())),
                                               {},
                                               true,
                                               {}});
        if (auto file = fileNodes.find(LabelKey(alias.FILE.view())); file != fileNodes.end())
            graph.edges.push_back({node, file->second, true, false, false, {}, {}});
    }
    if (auto node = nodes.find(LabelKey(selected)); !selected.empty() && node != nodes.end())
        graph.nodes[node->second].selected = true;
    for (std::size_t position : relationChosen) {
        const dictionary::RelationQueue& relation = relations[position];
        auto left = nodes.find(LabelKey(relation.LEFTFILE.view()));
        auto right = nodes.find(LabelKey(relation.RIGHTFILE.view()));
        if (left == nodes.end() || right == nodes.end()) continue;
        // The edge goes from the "one" side to the "many" side.
        const bool leftIsOne = dictionary::LeftSideIsOne(relation);
        const dictionary::Text& oneKey = leftIsOne ? relation.LEFTKEY : relation.RIGHTKEY;
        const dictionary::Text& manyKey = leftIsOne ? relation.RIGHTKEY : relation.LEFTKEY;
        GraphEdge edge;
        edge.from = leftIsOne ? left->second : right->second;
        edge.to = leftIsOne ? right->second : left->second;
        edge.toMany = true;
        edge.label = std::string(Unqualified(oneKey.view())) + " : " +
                     std::string(Unqualified(manyKey.view()));
        edge.fieldPairs = FieldPairs(relation, leftIsOne);
        graph.edges.push_back(std::move(edge));
    }
    return graph;
}

}  // namespace workflow
