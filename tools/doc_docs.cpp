// kestrian-doc docs: Markdown documentation of the dictionary in a folder,
// written page by page; a page whose bytes are unchanged is left alone, so
// that its time stamp (and a build that depends on it) stays as it was. The
// folder may be a team's repository: only files that carry the generated
// mark are ever replaced or removed, unless --force says otherwise.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "runtime/core/safe_file.h"
#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"
#include "workflow/graph_layout.h"
#include "workflow/markdown_docs.h"

namespace tools {

namespace {

// Makes `folder`, and its parents, when it is missing; false after a message
// when it cannot be made or something else is in its place (a link to a
// folder is followed).
bool EnsureFolder(const std::string& folder) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (std::filesystem::is_directory(status)) return true;
    if (std::filesystem::exists(status)) {
        std::fprintf(stderr, "kestrian-doc: docs: cannot write %s: it is not a folder\n",
                     folder.c_str());
        return false;
    }
    if (std::filesystem::create_directories(folder, error) || !error) return true;
    std::fprintf(stderr, "kestrian-doc: docs: cannot make %s: %s\n", folder.c_str(),
                 error.message().c_str());
    return false;
}

// Whether the file at `path` is a plain file this command wrote: it carries
// the generated mark.
bool WrittenByDocs(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::regular)
        return false;
    std::ifstream file(path, std::ios::binary);
    char head[256] = {};
    file.read(head, sizeof head);
    return workflow::CarriesGeneratedMark(
        std::string_view(head, static_cast<std::size_t>(file.gcount())));
}

// The paths of `files` where something that this command did not write
// stands: a file without the mark, a link, a folder.
std::vector<std::string> InTheWay(const std::string& folder,
                                  const std::vector<workflow::DocsFile>& files) {
    std::vector<std::string> paths;
    for (const workflow::DocsFile& file : files) {
        const std::string path = folder + "/" + file.path;
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) continue;
        if (!WrittenByDocs(path)) paths.push_back(path);
    }
    return paths;
}

// Removes the generated pages and drawings that this run did not write.
int CleanStale(const std::string& folder, const std::set<std::string>& written) {
    int removed = 0;
    auto sweep = [&](const std::filesystem::path& dir, std::string_view prefix) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
            const std::string name = entry.path().filename().string();
            if (!name.ends_with(".md") && !name.ends_with(".svg")) continue;
            if (written.contains(std::string(prefix) + name)) continue;
            if (!WrittenByDocs(entry.path())) continue;
            if (std::filesystem::remove(entry.path(), error)) ++removed;
        }
    };
    sweep(folder, "");
    sweep(std::filesystem::path(folder) / "files", "files/");
    return removed;
}

}  // namespace

int RunDocs(Args args) {
    const std::optional<DocsArguments> read = ReadDocsArguments(args);
    if (!read) return kExitOk;
    auto model = LoadExport(read->input);
    if (!model) return kExitBadInput;
    const workflow::DocsDiagram diagram = read->diagram == "svg" ? workflow::DocsDiagram::Svg
                                          : read->diagram == "mermaid"
                                              ? workflow::DocsDiagram::Mermaid
                                              : workflow::DocsDiagram::None;
    std::vector<workflow::DocsFile> files = workflow::MarkdownDocumentation(*model, diagram);
    workflow::GraphLayout layout;
    for (workflow::DocsFile& file : files) {
        if (!file.drawn) continue;
        std::string error;
        std::optional<std::string> svg = layout.Render(file.content, "svg", error);
        if (!svg) {
            std::fprintf(stderr, "kestrian-doc: docs: %s: %s\n", file.path.c_str(), error.c_str());
            return kExitOutputFailed;
        }
        file.content = workflow::MarkedDrawing(std::move(*svg));
    }

    // What stands in the way is named before anything is written; --force
    // replaces it (a link itself, not the file it leads to).
    const std::vector<std::string> inTheWay = InTheWay(read->folder, files);
    for (const std::string& path : inTheWay) {
        std::error_code error;
        if (read->force) {
            if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, error)))
                std::filesystem::remove(path, error);
        } else {
            std::fprintf(stderr,
                         "kestrian-doc: docs: %s was not written by kestrian-doc docs; --force "
                         "replaces it\n",
                         path.c_str());
        }
    }
    if (!inTheWay.empty() && !read->force) return kExitOutputFailed;
    if (!EnsureFolder(read->folder) || !EnsureFolder(read->folder + "/files"))
        return kExitOutputFailed;

    std::set<std::string> names;
    std::vector<rt::NewContents> changed;
    for (const workflow::DocsFile& file : files) {
        names.insert(file.path);
        const std::string path = read->folder + "/" + file.path;
        if (rt::ReadFileBytes(path) != file.content) changed.push_back({path, file.content});
    }
    std::string failed;
    std::string reason;
    if (!rt::ReplaceFiles(changed, failed, reason)) {
        std::fprintf(stderr, "kestrian-doc: docs: cannot write %s: %s\n", failed.c_str(),
                     reason.c_str());
        return kExitOutputFailed;
    }
    const std::size_t written = changed.size();
    const std::size_t unchanged = files.size() - written;
    const int removed = read->clean ? CleanStale(read->folder, names) : 0;
    std::string said = read->folder + ": " + std::to_string(written) + " written, " +
                       std::to_string(unchanged) + " unchanged";
    if (read->clean) said += ", " + std::to_string(removed) + " removed";
    return WriteStandardOutput(said + "\n") ? kExitOk : kExitOutputFailed;
}

}  // namespace tools
