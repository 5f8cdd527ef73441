// The command lines of kestrian-doc, read into plain values. Each reader
// gets the words after the command's name; it throws UsageError (naming the
// command and the offending word) on a wrong command line, and gives nothing
// back after printing the command's help for -h or --help.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/core/print_options.h"
#include "runtime/core/paper_sizes.h"
#include "tools/doc_commands.h"
#include "workflow/graph_text.h"

namespace tools {

struct ModelArguments {
    std::string input;
};

struct WritebackArguments {
    std::string input;
    std::optional<std::string> output;
};

struct ListsArguments {
    std::string input;
    std::optional<std::string> select;
    bool json = false;
};

struct ReportArguments {
    std::string input;
    std::string output = "-";  // "-" for standard output
    std::vector<std::string> selected;
    printing::PrintFlags flags;  // the --no-... options; never a preview
    bool text = false;
    rt::SheetSize paper = rt::DefaultPaper();
    bool landscape = false;
};

struct DocsArguments {
    std::string input;
    std::string folder;
    std::string diagram;  // "svg", "mermaid" or "none"
    bool clean = false;
    bool force = false;  // replace files in the way that lack the generated mark
};

struct DiagramArguments {
    std::string input;
    std::string output = "-";
    std::string format = "dot";  // "dot", "svg", "png" or "mermaid"
    std::optional<std::string> select;
    std::size_t distance = 1;
    workflow::GraphColumns columns = workflow::GraphColumns::Keys;
};

struct LintArguments {
    std::string input;
    std::string format = "text";  // "text", "json", "sarif" or "github"
    std::vector<std::string> disabled;
    bool requireDescriptions = false;
};

struct DiffArguments {
    std::string before;
    std::string after;
    std::string path;  // the file the changes are of: Git's path, else `after`
    bool json = false;
    bool all = false;
    bool ignoreDescriptions = false;
};

std::optional<ModelArguments> ReadModelArguments(Args args);
std::optional<WritebackArguments> ReadWritebackArguments(Args args);
std::optional<ListsArguments> ReadListsArguments(Args args);
std::optional<ReportArguments> ReadReportArguments(Args args);
std::optional<DocsArguments> ReadDocsArguments(Args args);
std::optional<DiagramArguments> ReadDiagramArguments(Args args);
std::optional<LintArguments> ReadLintArguments(Args args);
std::optional<DiffArguments> ReadDiffArguments(Args args);
std::optional<ModelArguments> ReadTextconvArguments(Args args);

// "kestrian-doc 0.1 (diagram layout: Graphviz)" or "... (diagram layout: none)".
std::string VersionLine();

}  // namespace tools
