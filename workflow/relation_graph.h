// The dictionary as a graph for its diagrams: files and aliases as nodes,
// relations and the links of aliases to their files as edges; the whole
// dictionary or the neighbourhood of one file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/labels.h"
#include "dictionary/model.h"
#include "dictionary/relation_index.h"

namespace workflow {

// A field of a file's box: a data field, a GROUP, a memo or a blob.
struct GraphField {
    std::string label;
    std::string type;       // "STRING(35),DIM(2)", "GROUP", "MEMO(2000)", "BLOB"
    std::size_t depth = 0;  // the GROUPs around it
};

struct GraphNode {
    std::string id;     // "f3" for the fourth file, "a0" for the first alias
    std::string label;  // Windows-1252, as the export
    std::string prefix;
    std::vector<std::string> primaryKey;  // the primary key's fields, in order
    bool alias = false;
    // The file's memos, blobs, then its fields in declaration order, group
    // ends left out; none for an alias.
    std::vector<GraphField> fields;
    bool selected = false;  // the file or alias a neighbourhood is drawn around
};

struct GraphEdge {
    std::size_t from = 0;  // node positions
    std::size_t to = 0;
    bool aliasLink = false;  // an alias joined to its file
    bool fromMany = false;   // the "many" side of a relation
    bool toMany = false;
    std::string label;  // "KeyCustNo : KeyCust", the keys of both sides
    // The linked fields, "one" side first: "CustNo = CustNo"; NOLINK pairs
    // left out.
    std::vector<std::string> fieldPairs;
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
    // relations among them; null when there is no such file or alias. The
    // node of `label` is the selected one.
    std::optional<RelationGraph> Around(std::string_view label, std::size_t distance) const;

  private:
    RelationGraph Build(std::vector<std::size_t> files, std::vector<std::size_t> aliases,
                        std::vector<std::size_t> relations, std::string_view selected) const;

    const dictionary::DictionaryModel& model_;
    const dictionary::RelationIndex& index_;
    dictionary::LabelIndex labels_;
};

}  // namespace workflow
