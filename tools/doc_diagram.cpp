// kestrian-doc diagram: the relation diagram of the dictionary or of one
// file's neighbourhood, as text (DOT, Mermaid) or drawn by Graphviz.
#include <cstdio>

#include "dictionary/relation_index.h"
#include "tools/command_output.h"
#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"
#include "workflow/generated_mark.h"
#include "workflow/graph_layout.h"
#include "workflow/graph_text.h"
#include "workflow/relation_graph.h"

namespace tools {

int RunDiagram(Args args) {
    const std::optional<DiagramArguments> read = ReadDiagramArguments(args);
    if (!read) return kExitOk;
    auto model = LoadExport(read->input);
    if (!model) return kExitBadInput;
    const dictionary::RelationIndex index(*model);
    const workflow::GraphSource source(*model, index);
    std::optional<workflow::RelationGraph> graph;
    if (read->select) {
        std::vector<std::string_view> labels;
        for (const dictionary::FileQueue& file : dictionary::Rows(model->FILE))
            labels.push_back(file.LABEL.view());
        for (const dictionary::AliasQueue& alias : dictionary::Rows(model->ALIAS))
            labels.push_back(alias.LABEL.view());
        const std::optional<std::size_t> chosen =
            ChooseSelected("diagram", read->input, labels, *read->select);
        if (!chosen) return kExitBadInput;
        graph = source.Around(labels[*chosen], read->distance);
    } else {
        graph = source.Whole();
    }
    std::string content;
    if (read->format == "mermaid") {
        content = workflow::GraphMermaid(*graph, read->columns);
    } else {
        content = workflow::GraphDot(*graph, read->columns);
        if (read->format != "dot") {
            std::string error;
            workflow::GraphLayout layout;
            std::optional<std::string> drawn = layout.Render(content, read->format, error);
            if (!drawn) {
                std::fprintf(stderr, "kestrian-doc: diagram: %s\n", error.c_str());
                return kExitBadInput;
            }
            content = read->format == "svg" ? workflow::UnversionedDrawing(std::move(*drawn))
                                            : std::move(*drawn);
        }
    }
    CommandOutput output("diagram");
    if (!output.Open(read->output)) return kExitOutputFailed;
    return output.Close(output.Write(content));
}

}  // namespace tools
