// The dictionary as a graph for its diagrams: files and aliases as nodes,
// relations and the links of aliases to their files as edges; the whole
// dictionary or the neighbourhood of one file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"
#include "dictionary/relation_index.h"
#include "dictionary/labels.h"

namespace workflow {

struct GraphNode {
    std::string id;     // "f3" for the fourth file, "a0" for the first alias
    std::string label;  // Windows-1252, as the export
    std::string prefix;
    std::vector<std::string> primaryKey;  // the primary key's fields, in order
    bool alias = false;
};

struct GraphEdge {
    std::size_t from = 0;  // node positions
    std::size_t to = 0;
    bool aliasLink = false;  // an alias joined to its file
    bool fromMany = false;   // the "many" side of a relation
    bool toMany = false;
    std::string label;  // "KeyCustNo : KeyCust", the keys of both sides
};

struct RelationGraph {
    std::vector<GraphNode> nodes;
    std::vector<GraphEdge> edges;
};

// The files, aliases and relations of a model, looked up by label, from
// which its graphs are drawn. The model and the index must outlive it.
class GraphSource {
  public:
    GraphSource(const dictionary::DictionaryModel& model, const dictionary::RelationIndex& index);

    // Every file and alias; every relation whose two sides are there.
    RelationGraph Whole() const;

    // The file or alias `label` and what lies at most `distance` relations
    // from it (a file and its aliases count as one place), with the
    // relations among them; null when there is no such file or alias.
    std::optional<RelationGraph> Around(std::string_view label, std::size_t distance) const;

  private:
    RelationGraph Build(std::vector<std::size_t> files, std::vector<std::size_t> aliases,
                        std::vector<std::size_t> relations) const;

    const dictionary::DictionaryModel& model_;
    const dictionary::RelationIndex& index_;
    dictionary::LabelIndex labels_;
};

}  // namespace workflow
