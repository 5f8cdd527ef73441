// The dictionary documented as GitHub-flavoured Markdown: README.md with the
// dictionary's header, files, aliases, relations and diagram, and one page a
// file under files/. The same model gives the same bytes.
#pragma once

#include <string>
#include <vector>

#include "dictionary/model.h"
#include "workflow/generated_mark.h"

namespace workflow {

enum class DocsDiagram { Svg, Mermaid, None };

struct DocsFile {
    std::string path;     // relative to the documentation folder, "/" between names
    std::string content;  // UTF-8 Markdown, or DOT to be drawn as the SVG `path`
    bool drawn = false;   // content is DOT
};

// Every file of the documentation: README.md, then each file's page, then
// (with DocsDiagram::Svg) the diagrams to draw.
std::vector<DocsFile> MarkdownDocumentation(const dictionary::DictionaryModel& model,
                                            DocsDiagram diagram);

}  // namespace workflow
