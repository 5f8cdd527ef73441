// Lays out a DOT graph with Graphviz's library and renders it (SVG, PNG).
// A build without Graphviz keeps the text formats only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace workflow {

// Whether this build can lay graphs out.
bool GraphLayoutBuiltIn();

// The graph `dot` rendered in `format` ("svg" or "png"); null with `error`
// set when Graphviz is not built in or refuses the graph.
std::optional<std::string> RenderGraph(std::string_view dot, std::string_view format,
                                       std::string& error);

}  // namespace workflow
