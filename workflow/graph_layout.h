// Lays out DOT graphs with Graphviz's library and renders them (SVG, PNG).
// A build without Graphviz keeps the text formats only.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace workflow {

// Whether this build can lay graphs out.
bool GraphLayoutBuiltIn();

// One Graphviz context for all the graphs a command draws: Graphviz keeps
// text measurements between layouts that a context freed and made again
// would leave pointing at freed memory.
class GraphLayout {
  public:
    GraphLayout();
    ~GraphLayout();
    GraphLayout(const GraphLayout&) = delete;
    GraphLayout& operator=(const GraphLayout&) = delete;

    // The graph `dot` rendered in `format` ("svg" or "png"); null with
    // `error` set when Graphviz is not built in or refuses the graph.
    std::optional<std::string> Render(std::string_view dot, std::string_view format,
                                      std::string& error);

  private:
    struct Context;
    std::unique_ptr<Context> context_;
};

}  // namespace workflow
