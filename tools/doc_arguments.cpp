#include "tools/doc_arguments.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "runtime/core/case_fold.h"
#include "runtime/core/version.h"
#include "workflow/graph_layout.h"
#include "workflow/lint.h"

namespace tools {

namespace {

// Reads `args` into the options `app` declares. False when the help was
// asked for (it is printed); UsageError for anything CLI11 refuses.
bool Parse(CLI::App& app, Args args) {
    std::vector<std::string> words;
    for (auto word = args.rbegin(); word != args.rend(); ++word) words.emplace_back(*word);
    try {
        app.parse(words);
    } catch (const CLI::CallForHelp&) {
        const std::string help = app.help();
        std::fwrite(help.data(), 1, help.size(), stdout);
        return false;
    } catch (const CLI::ParseError& error) {
        throw UsageError{app.get_name() + ": " + error.what()};
    }
    return true;
}

std::unique_ptr<CLI::App> Command(std::string_view name, std::string_view description) {
    auto app = std::make_unique<CLI::App>(std::string(description), std::string(name));
    app->get_formatter()->column_width(28);
    return app;
}

// The export a command reads, or a usage error naming the command.
void RequireInput(const CLI::App& app, const std::string& input) {
    if (input.empty()) throw UsageError{app.get_name() + ": the export to read is missing"};
}

// An -o given as "" is a mistake, not standard output.
void RequireName(const CLI::App& app, const std::optional<std::string>& output) {
    if (output && output->empty()) throw UsageError{app.get_name() + ": -o needs a file name"};
}

// The value must be one of `allowed`; the message names the word and them.
CLI::Validator OneOf(std::vector<std::string> allowed) {
    std::string names;
    for (const std::string& name : allowed) names += (names.empty() ? "" : "|") + name;
    return CLI::Validator(
        [allowed, names](std::string& value) -> std::string {
            for (const std::string& name : allowed) {
                if (value == name) return {};
            }
            return value + " is not one of " + names;
        },
        names);
}

// A whole number from `low` to `high`, digits only; the message names the word.
CLI::Validator WholeNumber(std::size_t low, std::size_t high) {
    const std::string range = std::to_string(low) + " to " + std::to_string(high);
    return CLI::Validator(
        [low, high, range](std::string& value) -> std::string {
            std::size_t number = 0;
            bool digits = !value.empty();
            for (char c : value) {
                if (c < '0' || c > '9' || number > high) {
                    digits = false;
                    break;
                }
                number = number * 10 + static_cast<std::size_t>(c - '0');
            }
            if (digits && number >= low && number <= high) return {};
            return value + " must be a whole number from " + range;
        },
        "N");
}

// The diagram format an output file's extension names, in any letter case;
// null for standard output or an extension of no format.
std::optional<std::string> FormatOfExtension(const std::string& output) {
    struct Extension {
        std::string_view extension;
        std::string_view format;
    };
    static constexpr Extension kExtensions[] = {
        {".svg", "svg"}, {".png", "png"}, {".dot", "dot"}, {".gv", "dot"}, {".mmd", "mermaid"},
    };
    const std::string extension = std::filesystem::path(output).extension().string();
    for (const Extension& known : kExtensions) {
        if (rt::EqualNoCase(extension, known.extension)) return std::string(known.format);
    }
    return std::nullopt;
}

// The command line of a command that reads one export and takes nothing else.
std::optional<ModelArguments> ReadExportOnly(std::string_view name, std::string_view description,
                                             Args args) {
    ModelArguments out;
    auto app = Command(name, description);
    app->add_option("export", out.input, "the dictionary export (.TXD)");
    if (!Parse(*app, args)) return std::nullopt;
    RequireInput(*app, out.input);
    return out;
}

}  // namespace

std::optional<ModelArguments> ReadModelArguments(Args args) {
    return ReadExportOnly("model", "The dictionary model as JSON on standard output.", args);
}

std::optional<ModelArguments> ReadTextconvArguments(Args args) {
    return ReadExportOnly("textconv",
                          "The dictionary as UTF-8 text, a line an object, each naming the "
                          "object whole, for Git's textconv; /dev/null is an empty dictionary.",
                          args);
}

std::optional<WritebackArguments> ReadWritebackArguments(Args args) {
    WritebackArguments out;
    auto app = Command("writeback",
                       "What releasing the model writes to \"TEST.TXD\", on standard output "
                       "or into OUT.");
    app->add_option("export", out.input, "the dictionary export (.TXD)");
    app->add_option("-o", out.output, "the file to write")->option_text("OUT");
    if (!Parse(*app, args)) return std::nullopt;
    RequireInput(*app, out.input);
    RequireName(*app, out.output);
    if (out.output) CheckOutputPath("writeback", out.input, *out.output);
    return out;
}

std::optional<ListsArguments> ReadListsArguments(Args args) {
    ListsArguments out;
    auto app = Command("lists",
                       "The dictionary window's heading and four lists, for the Files row "
                       "LABEL (else the first), as text tables or as JSON.");
    app->add_option("export", out.input, "the dictionary export (.TXD)");
    app->add_option("--select", out.select, "the file or alias whose lists are shown")
        ->option_text("LABEL");
    app->add_flag("--json", out.json, "one JSON object instead of text tables");
    if (!Parse(*app, args)) return std::nullopt;
    RequireInput(*app, out.input);
    return out;
}

std::optional<ReportArguments> ReadReportArguments(Args args) {
    ReportArguments out;
    std::optional<std::string> output;
    std::string format = "pdf";
    std::optional<std::string> paper;
    bool noTitle = false, noSummary = false, noKeys = false, noAliases = false, noRelations = false;
    auto app = Command("report",
                       "The dictionary report as a PDF (on standard output or into OUT) or "
                       "as text, laid out on the paper named (else the system's default).");
    app->add_option("export", out.input, "the dictionary export (.TXD)");
    app->add_option("-o", output, "the file to write (- for standard output)")->option_text("OUT");
    app->add_option("--select", out.selected, "print only these files or aliases")
        ->option_text("LABEL ...")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app->add_flag("--no-title-page", noTitle, "leave out the title page");
    app->add_flag("--no-summary", noSummary, "leave out the files summary");
    app->add_flag("--no-keys", noKeys, "leave out keys and indexes");
    app->add_flag("--no-aliases", noAliases, "leave out the aliases");
    app->add_flag("--no-relations", noRelations, "leave out the relations");
    app->add_option("--format", format, "pdf, or text: each band's text, a form feed a page")
        ->check(OneOf({"pdf", "text"}));
    app->add_option("--paper", paper, "one of " + rt::PaperNames())->option_text("NAME");
    app->add_flag("--landscape", out.landscape, "turn the paper");
    if (!Parse(*app, args)) return std::nullopt;
    RequireInput(*app, out.input);
    RequireName(*app, output);
    if (paper) {
        const std::optional<rt::SheetSize> sheet = rt::PaperNamed(*paper);
        if (!sheet)
            throw UsageError{"report: unknown paper " + *paper + " (" + rt::PaperNames() + ")"};
        out.paper = *sheet;
    }
    out.text = format == "text";
    out.flags.PrintTitlePage = !noTitle;
    out.flags.PrintSummary = !noSummary;
    out.flags.PrintKeys = !noKeys;
    out.flags.PrintAliases = !noAliases;
    out.flags.PrintRelations = !noRelations;
    if (output) out.output = *output;
    if (out.output != "-") CheckOutputPath("report", out.input, out.output);
    return out;
}

std::optional<DocsArguments> ReadDocsArguments(Args args) {
    DocsArguments out;
    out.diagram = workflow::GraphLayoutBuiltIn() ? "svg" : "mermaid";
    auto app = Command("docs",
                       "GitHub-flavoured Markdown documentation of the dictionary: DIR/README.md "
                       "and a page a file under DIR/files/. Only files docs wrote itself (they "
                       "carry its mark) are replaced or removed; any other file in the way stops "
                       "the run before anything is written.");
    app->add_option("export", out.input, "the dictionary export (.TXD)");
    app->add_option("-o", out.folder,
                    "the documentation's folder (made when missing, with its parents)")
        ->option_text("DIR")
        ->required();
    app->add_option("--diagram", out.diagram,
                    "the diagrams: svg (drawn by Graphviz), mermaid (drawn by the Markdown "
                    "viewer) or none")
        ->check(OneOf({"svg", "mermaid", "none"}));
    app->add_flag("--clean", out.clean,
                  "remove the pages of files the dictionary no longer has (only pages docs "
                  "wrote)");
    app->add_flag("--force", out.force,
                  "replace files in the way that docs did not write (a link is replaced, not "
                  "followed)");
    if (!Parse(*app, args)) return std::nullopt;
    RequireInput(*app, out.input);
    if (out.folder.empty()) throw UsageError{"docs: -o needs a folder name"};
    if (out.diagram == "svg" && !workflow::GraphLayoutBuiltIn())
        throw UsageError{"docs: --diagram svg: this build has no Graphviz layout"};
    return out;
}

std::optional<DiagramArguments> ReadDiagramArguments(Args args) {
    DiagramArguments out;
    std::optional<std::string> output;
    std::optional<std::string> format;
    std::string columns = "keys";
    auto app = Command("diagram",
                       "The files, aliases and relations as a diagram: Graphviz DOT, SVG or "
                       "PNG, or a Mermaid flowchart.");
    app->add_option("export", out.input, "the dictionary export (.TXD)");
    app->add_option("--format", format,
                    "dot, svg, png or mermaid; without it, what OUT's extension names (.dot, "
                    ".gv, .svg, .png, .mmd), else dot")
        ->check(OneOf({"dot", "svg", "png", "mermaid"}));
    CLI::Option* select =
        app->add_option("--select", out.select, "draw only this file or alias and its neighbours")
            ->option_text("LABEL");
    app->add_option("--distance", out.distance,
                    "how many relations away the neighbours lie, 0 to 1000 (1)")
        ->option_text("N")
        ->check(WholeNumber(0, 1000))
        ->needs(select);
    app->add_option("--columns", columns,
                    "what a file's box shows: keys (the primary key's fields), all (every "
                    "field with its type, at most 30, and the fields each relation links) "
                    "or none")
        ->check(OneOf({"keys", "all", "none"}));
    app->add_option("-o", output, "the file to write (- for standard output)")->option_text("OUT");
    if (!Parse(*app, args)) return std::nullopt;
    RequireInput(*app, out.input);
    RequireName(*app, output);
    const std::optional<std::string> named = output ? FormatOfExtension(*output) : std::nullopt;
    if (format && named && *format != *named)
        throw UsageError{"diagram: --format " + *format + " and -o " + *output +
                         " ask for different formats"};
    out.format = format.value_or(named.value_or(out.format));
    if ((out.format == "svg" || out.format == "png") && !workflow::GraphLayoutBuiltIn()) {
        const std::string asked = format ? "--format " + *format : "-o " + *output;
        throw UsageError{"diagram: " + asked + ": this build has no Graphviz layout"};
    }
    out.columns = columns == "all"    ? workflow::GraphColumns::All
                  : columns == "none" ? workflow::GraphColumns::None
                                      : workflow::GraphColumns::Keys;
    if (output) out.output = *output;
    if (out.output != "-") CheckOutputPath("diagram", out.input, out.output);
    return out;
}

std::optional<LintArguments> ReadLintArguments(Args args) {
    LintArguments out;
    std::vector<std::string> names;
    std::string rules;
    for (const workflow::LintRule& rule : workflow::LintRules()) {
        names.emplace_back(rule.name);
        rules += "\n  " + std::string(rule.name) +
                 (rule.severity == workflow::Severity::Error ? " (error): " : " (warning): ") +
                 std::string(rule.summary);
    }
    std::optional<std::string> format;
    bool json = false;
    auto app = Command("lint",
                       "Finds the mistakes the import lets through, one line each: "
                       "FILE.TXD:LINE: OBJECT: RULE: message, LINE being that of the object's "
                       "declaration. Exit 0 when no error, 1 when at least one, 2 on bad input.");
    app->footer("Rules:" + rules);
    app->add_option("export", out.input, "the dictionary export (.TXD)");
    app->add_option("--format", format,
                    "text; json (an array of rule, severity, object, line and message); sarif "
                    "(SARIF 2.1.0, for code scanning); github (workflow annotations)")
        ->check(OneOf({"text", "json", "sarif", "github"}));
    app->add_flag("--json", json, "the same as --format json");
    app->add_option("--disable", out.disabled, "leave a rule out (may be repeated)")
        ->option_text("RULE")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(OneOf(names));
    app->add_flag("--require-descriptions", out.requireDescriptions,
                  "warn of files and fields without a description");
    if (!Parse(*app, args)) return std::nullopt;
    RequireInput(*app, out.input);
    if (json && format && *format != "json")
        throw UsageError{"lint: --json and --format " + *format + " ask for different formats"};
    if (format) out.format = *format;
    if (json) out.format = "json";
    return out;
}

std::optional<DiffArguments> ReadDiffArguments(Args args) {
    DiffArguments out;
    std::vector<std::string> files;
    auto app = Command("diff",
                       "What changed from OLD to NEW, one line a change after a line naming "
                       "NEW: + added, - removed, ~ changed. Exit 0 when the same, 1 when they "
                       "differ, 2 on bad input.");
    app->add_option("exports", files,
                    "OLD.TXD NEW.TXD, or the seven arguments Git gives a diff driver: PATH "
                    "OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE (the first line then "
                    "names PATH)")
        ->option_text("OLD NEW");
    app->add_flag("--json", out.json, "a JSON array of change, object and detail");
    app->add_flag("--all", out.all, "also the header lines: VERSION, CREATED, MODIFIED");
    app->add_flag("--ignore-descriptions", out.ignoreDescriptions,
                  "leave changed descriptions out");
    if (!Parse(*app, args)) return std::nullopt;
    if (files.size() == 2) {
        out.before = files[0];
        out.after = files[1];
        // A removed file is named by its old path, not by /dev/null.
        out.path = files[1] == "/dev/null" ? files[0] : files[1];
    } else if (files.size() == 7) {
        out.path = files[0];
        out.before = files[1];
        out.after = files[4];
    } else if (files.size() < 2) {
        throw UsageError{"diff: the two exports to compare are missing"};
    } else {
        throw UsageError{"diff: " + std::to_string(files.size()) +
                         " files given: name OLD and NEW, or pass Git's seven arguments"};
    }
    if (out.before.empty() || out.after.empty())
        throw UsageError{"diff: the two exports to compare are missing"};
    return out;
}

std::string VersionLine() {
    return "kestrian-doc " + std::string(rt::ProgramVersion()) +
           " (diagram layout: " + (workflow::GraphLayoutBuiltIn() ? "Graphviz" : "none") + ")";
}

}  // namespace tools
