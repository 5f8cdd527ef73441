// kestrian-doc report: the dictionary report, as if every entry (or those
// named with --select) were marked and Preview unticked, as a PDF or as text.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "printing/core/dictionary_report.h"
#include "printing/core/print_options.h"
#include "runtime/core/date_pictures.h"
#include "runtime/core/dates.h"
#include "runtime/core/paper_sizes.h"
#include "runtime/core/pdf_writer.h"
#include "runtime/core/program_title.h"
#include "runtime/core/safe_file.h"
#include "runtime/core/windows1252.h"
#include "tools/doc_commands.h"

namespace tools {

namespace {

// The program's title line, as the frame shows it; the report's footer
// carries it too.

constexpr int kPrintedDatePicture = 7;
constexpr int kPrintedTimePicture = 6;

struct Options {
    std::string path;
    std::string output;  // "-" for standard output
    std::vector<std::string> selected;
    printing::PrintFlags flags;  // the --no-... options; never a preview
    bool text = false;
    rt::SheetSize paper = rt::DefaultPaper();
    bool landscape = false;
};

Options ReadOptions(Args args) {
    Options options;
    auto value = [&](std::size_t& i, const char* what) {
        if (i + 1 >= args.size()) throw UsageError{std::string("report: ") + what};
        return std::string(args[++i]);
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view word = args[i];
        if (word == "-o") {
            options.output = value(i, "-o needs a file name");
            if (options.output.empty()) throw UsageError{"report: -o needs a file name"};
        } else if (word == "--select") {
            options.selected.push_back(value(i, "--select needs a file or alias name"));
        } else if (word == "--format") {
            const std::string format = value(i, "--format needs pdf or text");
            if (format != "pdf" && format != "text") {
                throw UsageError{"report: unknown format " + format + " (pdf or text)"};
            }
            options.text = format == "text";
        } else if (word == "--paper") {
            const std::string name = value(i, "--paper needs a paper name");
            const std::optional<rt::SheetSize> paper = rt::PaperNamed(name);
            if (!paper) {
                throw UsageError{"report: unknown paper " + name + " (" + rt::PaperNames() + ")"};
            }
            options.paper = *paper;
        } else if (word == "--landscape") {
            options.landscape = true;
        } else if (word == "--no-title-page") {
            options.flags.PrintTitlePage = false;
        } else if (word == "--no-summary") {
            options.flags.PrintSummary = false;
        } else if (word == "--no-keys") {
            options.flags.PrintKeys = false;
        } else if (word == "--no-aliases") {
            options.flags.PrintAliases = false;
        } else if (word == "--no-relations") {
            options.flags.PrintRelations = false;
        } else if (options.path.empty() && !word.empty() && !word.starts_with("-")) {
            options.path = std::string(word);
        } else {
            throw UsageError{"report: unexpected " + std::string(word)};
        }
    }
    if (options.path.empty()) throw UsageError{"report: the export to read is missing"};
    if (options.output.empty()) {
        options.output = "-";
    } else if (options.output != "-") {
        CheckOutputPath("report", options.path, options.output);
    }
    return options;
}

// Marks only the named entries; false after a message when a name is unknown.
bool SelectNamed(printing::FilesToPrint& entries, const Options& options) {
    for (printing::FilesToPrintRow& entry : entries) entry.SELECTED = 0;
    for (const std::string& name : options.selected) {
        bool found = false;
        for (printing::FilesToPrintRow& entry : entries) {
            if (entry.NAME == name) {
                entry.SELECTED = 1;
                found = true;
            }
        }
        if (!found) {
            std::fprintf(stderr, "kestrian-doc: report: %s has no file or alias named %s\n",
                         options.path.c_str(), name.c_str());
            return false;
        }
    }
    return true;
}

std::string PrintedAt() {
    return rt::FormatDate(rt::Today(), kPrintedDatePicture) + " " +
           rt::FormatTime(rt::Clock(), kPrintedTimePicture);
}

// Where the output goes: standard output, or a file replaced only when all
// of it was written.
class Output {
  public:
    bool Open(const std::string& path) {
        toFile_ = path != "-";
        if (!toFile_) return true;
        path_ = path;
        if (file_.Open(path)) return true;
        std::fprintf(stderr, "kestrian-doc: report: cannot write %s: %s\n", path.c_str(),
                     file_.Reason().c_str());
        return false;
    }
    bool Write(std::string_view bytes) {
        if (toFile_) return file_.Write(bytes);
        return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    }
    int Close(bool written) {
        if (toFile_) {
            if (written && file_.Commit()) return kExitOk;
            std::fprintf(stderr, "kestrian-doc: report: cannot write %s: %s\n", path_.c_str(),
                         file_.Reason().empty() ? "write failed" : file_.Reason().c_str());
            return kExitOutputFailed;
        }
        if (written && std::fflush(stdout) == 0 && !std::ferror(stdout)) return kExitOk;
        std::fprintf(stderr, "kestrian-doc: cannot write standard output\n");
        return kExitOutputFailed;
    }

  private:
    bool toFile_ = false;
    std::string path_;
    rt::FileReplacement file_;
};

}  // namespace

int RunReport(Args args) {
    const Options options = ReadOptions(args);
    auto model = LoadExport(options.path);
    if (!model) return kExitBadInput;
    if (!model->FILE || model->FILE->empty()) {
        // Nothing to print: an existing output file stays as it was.
        std::fprintf(stderr, "kestrian-doc: report: %s has no files; nothing is printed\n",
                     options.path.c_str());
        return kExitOutputFailed;
    }

    printing::PrintFlags flags = options.flags;
    printing::FilesToPrint entries;
    printing::FillFilesToPrint(*model, flags, entries);
    if (!options.selected.empty() && !SelectNamed(entries, options)) return kExitBadInput;

    printing::PrintFlags reportFlags = flags;
    reportFlags.PrintPreview = false;
    printing::ReportSettings settings;
    settings.dictionaryPath = options.path;
    settings.printedAt = PrintedAt();
    settings.titleText = rt::kProgramTitle;
    const rt::SheetSize sheet = options.paper;
    settings.metrics = options.landscape ? printing::MetricsForSheet(sheet.height, sheet.width)
                                         : printing::MetricsForSheet(sheet.width, sheet.height);

    Output output;
    if (!output.Open(options.output)) return kExitOutputFailed;
    bool written = true;
    if (options.text) {
        printing::RunReport(
            *model, entries, reportFlags, settings, [&](printing::ReportPage&& page) {
                std::string text = rt::Windows1252ToUtf8(printing::ReportText({page}));
                written = output.Write(text) && written;
            });
    } else {
        rt::PdfWriter pdf([&](std::string_view bytes) { return output.Write(bytes); });
        printing::RunReport(
            *model, entries, reportFlags, settings,
            [&](printing::ReportPage&& page) { written = pdf.AddPage(page.drawing) && written; });
        written = pdf.Finish() && written;
    }
    return output.Close(written);
}

}  // namespace tools
