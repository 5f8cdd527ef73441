// kestrian-doc: documents a dictionary export from the command line with the
// program's own code.
#include <array>
#include <cstdio>
#include <new>
#include <string_view>
#include <vector>

#include "dictionary/export_file.h"
#include "runtime/core/error_state.h"
#include "runtime/core/safe_file.h"
#include "runtime/core/system_io.h"
#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"

namespace tools {
namespace {

struct Command {
    std::string_view name;
    std::string_view synopsis;
    int (*run)(Args args);
};

constexpr std::array kCommands = {
    Command{"model", "model FILE.TXD                 the dictionary model as JSON", RunModel},
    Command{"writeback",
            "writeback FILE.TXD [-o OUT]    the export written when the model is released",
            RunWriteback},
    Command{"lists",
            "lists FILE.TXD [--select LABEL] [--json]\n"
            "                                 the dictionary window's heading and lists",
            RunLists},
    Command{"report",
            "report FILE.TXD [-o OUT] [--select LABEL]... [--no-title-page] [--no-summary]\n"
            "        [--no-keys] [--no-aliases] [--no-relations] [--format pdf|text]\n"
            "        [--paper NAME] [--landscape]\n"
            "                                 the dictionary report as a PDF or as text",
            RunReport},
    Command{"docs",
            "docs FILE.TXD -o DIR [--diagram svg|mermaid|none] [--clean]\n"
            "                                 Markdown documentation, a page a file",
            RunDocs},
    Command{"diagram",
            "diagram FILE.TXD [--format dot|svg|png|mermaid] [--select LABEL [--distance N]]\n"
            "        [-o OUT]                 the files and their relations as a diagram",
            RunDiagram},
    Command{"lint",
            "lint FILE.TXD [--format text|json|sarif|github] [--json] [--disable RULE]...\n"
            "        [--require-descriptions] the dictionary's mistakes (exit 1 on an error)",
            RunLint},
    Command{"diff",
            "diff OLD.TXD NEW.TXD [--json] [--all] [--ignore-descriptions]\n"
            "                                 what changed (exit 1 when they differ); also\n"
            "                                 Git's diff driver, with its seven arguments",
            RunDiff},
    Command{"textconv",
            "textconv FILE.TXD              the dictionary as text, a line an object, for\n"
            "                                 Git's textconv",
            RunTextconv},
};

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: kestrian-doc COMMAND ARGUMENTS\n"
                 "       kestrian-doc COMMAND --help | --help | --version\n\ncommands:\n");
    for (const Command& command : kCommands) {
        std::fprintf(to, "  %.*s\n", static_cast<int>(command.synopsis.size()),
                     command.synopsis.data());
    }
}

int BadUsage(std::string_view message) {
    std::fprintf(stderr, "kestrian-doc: %.*s\n", static_cast<int>(message.size()), message.data());
    PrintUsage(stderr);
    return kExitBadInput;
}

// A command called with the wrong words: what is wrong, then that command's
// own usage.
int BadCommandUsage(const Command& command, std::string_view message) {
    std::fprintf(stderr, "kestrian-doc: %.*s\nusage: kestrian-doc %.*s\n",
                 static_cast<int>(message.size()), message.data(),
                 static_cast<int>(command.synopsis.size()), command.synopsis.data());
    std::fprintf(stderr, "(kestrian-doc %.*s --help lists its options)\n",
                 static_cast<int>(command.name.size()), command.name.data());
    return kExitBadInput;
}

int Dispatch(Args words) {
    if (words.empty()) return BadUsage("no command given");
    if (words.front() == "-h" || words.front() == "--help" || words.front() == "help") {
        PrintUsage(stdout);
        return kExitOk;
    }
    if (words.front() == "--version") {
        if (words.size() > 1) return BadUsage("--version takes nothing after it");
        std::printf("%s\n", VersionLine().c_str());
        return kExitOk;
    }
    for (const Command& command : kCommands) {
        if (command.name != words.front()) continue;
        try {
            return command.run(words.subspan(1));
        } catch (const UsageError& error) {
            return BadCommandUsage(command, error.message);
        } catch (const std::bad_alloc&) {
            // Whatever step ran out of memory, the files it was writing were
            // abandoned on the way here and their temporaries are gone.
            const std::string_view text = rt::RuntimeErrorText(dictionary::kInsufficientMemory);
            std::fprintf(stderr, "kestrian-doc: %.*s: Error %d (%.*s)\n",
                         static_cast<int>(command.name.size()), command.name.data(),
                         dictionary::kInsufficientMemory, static_cast<int>(text.size()),
                         text.data());
            return kExitBadInput;
        }
    }
    return BadUsage("unknown command " + std::string(words.front()));
}

}  // namespace
}  // namespace tools

int main(int argc, char** argv) {
    rt::io::TuneAllocatorForOneLargeModel();
    rt::io::UseBinaryStandardStreams();
    rt::RemoveTemporariesOnSignals();
    std::vector<std::string_view> words(argv + 1, argv + argc);
    return tools::Dispatch(words);
}
