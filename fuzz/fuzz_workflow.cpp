// Fuzz target: lint, the structural diff, the Markdown documentation and the
// diagrams' text on the model parsed from an export of any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/relation_index.h"
#include "dictionary/txd_parser.h"
#include "workflow/graph_text.h"
#include "workflow/lint.h"
#include "workflow/lint_report.h"
#include "workflow/markdown_docs.h"
#include "workflow/relation_graph.h"
#include "workflow/structural_diff.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    dictionary::DictionaryModel model;
    dictionary::ParseAll(model, bytes, "FUZZ.TXD");

    workflow::LintOptions options;
    options.requireDescriptions = true;
    const std::vector<workflow::Finding> findings = workflow::Lint(model, bytes, options);
    (void)workflow::FindingsText("FUZZ.TXD", findings);
    (void)workflow::FindingsJson(findings);
    (void)workflow::FindingsSarif("FUZZ.TXD", findings);
    (void)workflow::FindingsGithub("FUZZ.TXD", findings);

    // Against an empty dictionary and against the first half of the input.
    const dictionary::DictionaryModel empty;
    dictionary::DictionaryModel half;
    dictionary::ParseAll(half, bytes.substr(0, size / 2), "HALF.TXD");
    (void)workflow::ChangesText(workflow::Diff(empty, model, {.headers = true}));
    (void)workflow::ChangesJson(workflow::Diff(half, model, {.headers = true}));

    (void)workflow::MarkdownDocumentation(model, workflow::DocsDiagram::Mermaid);
    const dictionary::RelationIndex index(model);
    const workflow::GraphSource source(model, index);
    (void)workflow::GraphDot(source.Whole());
    for (const dictionary::FileQueue& file : dictionary::Rows(model.FILE)) {
        if (auto around = source.Around(file.LABEL.view(), 2))
            (void)workflow::GraphMermaid(*around);
        break;
    }
    return 0;
}
