// A relation graph written as text: Graphviz's DOT language or a Mermaid
// flowchart (which GitHub draws in Markdown). Files are boxes with their
// label, prefix and primary key fields; aliases dashed boxes joined to their
// file; a relation an edge from its "one" side to its "many" side, with a bar
// at the "one" end and a crow's foot at the "many" end, labelled with the keys.
#pragma once

#include <string>

#include "workflow/relation_graph.h"

namespace workflow {

// UTF-8 DOT for Graphviz's dot layout.
std::string GraphDot(const RelationGraph& graph);

// A Mermaid flowchart, without the Markdown fence.
std::string GraphMermaid(const RelationGraph& graph);

}  // namespace workflow
