// The commands of kestrian-doc, the batch companion of the program. Each
// command gets the words after its name and returns the process's exit code.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"

namespace tools {

using Args = std::span<const std::string_view>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitOutputFailed = 1;  // the result could not be written
inline constexpr int kExitBadInput = 2;      // bad usage or unreadable input

// Thrown by a command that was called with the wrong words; main answers
// with the usage text and exit code 2.
struct UsageError {
    std::string message;
};

// Checks the file that `command`'s -o names before anything is read: a usage
// error when the name is empty, or when it is the export `input` itself
// (through any link), which the output would destroy.
void CheckOutputPath(std::string_view command, const std::string& input, const std::string& output);

// Writes `text` to standard output and flushes it; false after a message on
// standard error when that failed (a closed pipe, a full disk).
bool WriteStandardOutput(std::string_view text);

// Reads and parses the export at `path`, with `path` as the dictionary path.
// Null after a message on standard error naming the file and the error.
// `text`, when given, is set to the export's bytes, which the model keeps.
std::unique_ptr<dictionary::DictionaryModel> LoadExport(const std::string& path,
                                                        std::string_view* text = nullptr);

// What Git names for the side of a file that was added or deleted.
inline constexpr std::string_view kNoFile = "/dev/null";

// LoadExport, except that kNoFile is an empty dictionary, so that everything
// shows as added or removed.
std::unique_ptr<dictionary::DictionaryModel> LoadExportOrNothing(const std::string& path);

// The position among `labels` of the file or alias a --select names: the
// label that matches exactly, else the one label that matches without regard
// to case. Null after a message naming `input` and `wanted` (and the
// candidates when several match but for case).
std::optional<std::size_t> ChooseSelected(std::string_view command, const std::string& input,
                                          const std::vector<std::string_view>& labels,
                                          const std::string& wanted);

// kestrian-doc model FILE.TXD: the model as JSON on standard output.
int RunModel(Args args);

// kestrian-doc writeback FILE.TXD [-o OUT]: what releasing the model writes
// to "TEST.TXD", on standard output or into OUT.
int RunWriteback(Args args);

// kestrian-doc lists FILE.TXD [--select LABEL] [--json]: the dictionary
// window's heading and four lists, as text tables or as JSON.
int RunLists(Args args);

// kestrian-doc report FILE.TXD [-o OUT] [--select LABEL]... [--no-title-page]
// [--no-summary] [--no-keys] [--no-aliases] [--no-relations] [--format pdf|text]
// [--paper NAME] [--landscape]: the dictionary report as a PDF (on standard
// output or into OUT) or as text, laid out on the paper named (else the
// system's default paper).
int RunReport(Args args);

// kestrian-doc docs FILE.TXD -o DIR [--diagram svg|mermaid|none] [--clean]:
// Markdown documentation; pages whose bytes did not change are left alone.
int RunDocs(Args args);

// kestrian-doc diagram FILE.TXD [--format dot|svg|png|mermaid]
// [--select LABEL [--distance N]] [-o OUT]: the relation diagram.
int RunDiagram(Args args);

// kestrian-doc lint FILE.TXD [--format text|json|sarif|github] [--json]
// [--disable RULE]... [--require-descriptions]: exit 0 when no error was
// found, 1 when one was, 2 on bad input.
int RunLint(Args args);

// kestrian-doc diff OLD.TXD NEW.TXD [--json] [--all] [--ignore-descriptions],
// or with the seven arguments Git gives a diff driver: exit 0 when the
// dictionaries are the same, 1 when they differ, 2 on bad input.
int RunDiff(Args args);

// kestrian-doc textconv FILE.TXD: the dictionary as text, a line an object,
// for Git to compare.
int RunTextconv(Args args);

}  // namespace tools
