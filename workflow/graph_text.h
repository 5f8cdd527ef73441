// A relation graph written as text: Graphviz's DOT language or a Mermaid
// flowchart (which GitHub draws in Markdown). Files are boxes with their
// label, prefix and the fields GraphColumns asks for; aliases dashed boxes
// joined to their file; a relation an edge from its "one" side to its "many"
// side, with a bar at the "one" end and a crow's foot at the "many" end,
// labelled with the keys. The selected node is drawn with a thick, filled
// outline.
#pragma once

#include <cstddef>
#include <string>

#include "workflow/relation_graph.h"

namespace workflow {

// What a file's box shows below its label and prefix: the primary key's
// fields, every field with its type (and relation edges the fields they
// link), or nothing.
enum class GraphColumns { Keys, All, None };

// At most this many fields in a box with GraphColumns::All; a last line
// counts the others.
inline constexpr std::size_t kMaxBoxFields = 30;
// At most this many field pairs on an edge; an ellipsis stands for the others.
inline constexpr std::size_t kMaxEdgePairs = 3;

// UTF-8 DOT for Graphviz's dot layout.
std::string GraphDot(const RelationGraph& graph, GraphColumns columns = GraphColumns::Keys);

// A Mermaid flowchart, without the Markdown fence.
std::string GraphMermaid(const RelationGraph& graph, GraphColumns columns = GraphColumns::Keys);

}  // namespace workflow
