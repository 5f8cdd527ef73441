#include "workflow/graph_layout.h"

#if KESTRIAN_GRAPHVIZ
#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>
#endif

namespace workflow {

#if KESTRIAN_GRAPHVIZ

namespace {

struct GraphClose {
    void operator()(Agraph_t* graph) const { agclose(graph); }
};

}  // namespace

struct GraphLayout::Context {
    GVC_t* gvc = gvContext();
    ~Context() {
        if (gvc != nullptr) gvFreeContext(gvc);
    }
};

bool GraphLayoutBuiltIn() {
    return true;
}

GraphLayout::GraphLayout() : context_(std::make_unique<Context>()) {}
GraphLayout::~GraphLayout() = default;

std::optional<std::string> GraphLayout::Render(std::string_view dot, std::string_view format,
                                               std::string& error) {
    if (context_->gvc == nullptr) {
        error = "Graphviz could not start";
        return std::nullopt;
    }
    const std::string text(dot);
    std::unique_ptr<Agraph_t, GraphClose> graph(agmemread(text.c_str()));
    if (!graph) {
        error = "Graphviz could not read the graph";
        return std::nullopt;
    }
    if (gvLayout(context_->gvc, graph.get(), "dot") != 0) {
        error = "Graphviz could not lay the graph out";
        return std::nullopt;
    }
    const std::string renderer(format);
    char* data = nullptr;
    unsigned int length = 0;
    const int rendered = gvRenderData(context_->gvc, graph.get(), renderer.c_str(), &data, &length);
    std::optional<std::string> out;
    if (rendered == 0 && data != nullptr) {
        out.emplace(data, length);
    } else {
        error = "Graphviz cannot render " + renderer;
    }
    if (data != nullptr) gvFreeRenderData(data);
    gvFreeLayout(context_->gvc, graph.get());
    return out;
}

#else

struct GraphLayout::Context {};

bool GraphLayoutBuiltIn() {
    return false;
}

GraphLayout::GraphLayout() = default;
GraphLayout::~GraphLayout() = default;

std::optional<std::string> GraphLayout::Render(std::string_view, std::string_view,
                                               std::string& error) {
    error = "this build has no Graphviz layout; use --format dot or mermaid";
    return std::nullopt;
}

#endif

}  // namespace workflow
