// kestrian-doc report on the bundled sample, as text and as a PDF read back
// with the poppler tools.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "printing/core/report_engine.h"
#include "tests/support/temp_folder.h"
#include "tests/support/tool_run.h"

#if defined(KESTRIAN_DOC_PATH) && defined(KESTRIAN_SAMPLES_DIR)

namespace printing {
namespace {

using dict_test::ReadBytes;
using dict_test::TempFolder;
using dict_test::ToolRun;
using dict_test::WriteBytes;

bool Contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

std::vector<std::string> Pages(const std::string& text) {
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t at = text.find("\f\n"); at != std::string::npos;
         at = text.find("\f\n", start)) {
        pages.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    return pages;
}

class KestrianDocReportTest : public testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(folder.File("SAMPLE.TXD"), ReadBytes(KESTRIAN_SAMPLES_DIR "/SAMPLE.TXD"));
        // The system's default paper, whatever this machine's is.
        ::setenv("PAPERSIZE", "A4", 1);
    }
    ToolRun Run(const std::string& arguments) {
        return dict_test::RunToolIn(KESTRIAN_DOC_PATH, folder, arguments);
    }
    // Runs a shell command in the folder; its standard output.
    std::string Shell(const std::string& command) {
        const std::string out = folder.File("shell.out");
        std::string line = "cd '" + folder.Path().string() + "' && " + command + " >'" + out + "'";
        if (std::system(line.c_str()) != 0) return "(failed) " + command;
        return ReadBytes(out);
    }
    TempFolder folder;
};

TEST_F(KestrianDocReportTest, TextPagesOfTheSample) {
    ToolRun run = Run("report SAMPLE.TXD --format text");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> pages = Pages(run.out);
    ASSERT_EQ(pages.size(), 3u) << run.out;
    EXPECT_TRUE(pages[0].starts_with("Velmora Data Dictionary\nSAMPLE.TXD\nVersion : 4.0\n"));
    EXPECT_TRUE(pages[0].ends_with("\nKESTRIAN: the Velmora Dictionary Reporter  Page 1\n"));
    EXPECT_TRUE(
        pages[1].starts_with("Files Summary  SAMPLE.TXD\n"
                             "FILE       PRE  DRIVER PATH            ATTRIBUTES\n"
                             "Customer   CUS  DOS    'CUSTOMER.DAT'  CREATE,THREAD,BINDABLE\n"))
        << pages[1];
    EXPECT_TRUE(
        pages[1].ends_with("\nSAMPLE.TXD - Orders  KESTRIAN: the Velmora Dictionary "
                           "Reporter  Page 1\n"));
    EXPECT_TRUE(pages[2].ends_with("  Page 2\n"));
    EXPECT_TRUE(
        Contains(run.out,
                 "File Customer  SAMPLE.TXD\n\nPrefix: CUS                                    "
                 "Attributes: CREATE\n"));
    EXPECT_TRUE(Contains(run.out, "Alias : ShipTo\n"));
    EXPECT_TRUE(Contains(run.out, "PostCode     CSTRING(11)        @s10\n           END\n"));
    // The connectors come out as UTF-8, and a NOLINK pair as a lone dash.
    EXPECT_TRUE(Contains(run.out,
                         "\xE2\x80\xB9\xE2\x80\x94\xC2\xBB Orders       Customer "
                         "\xE2\x80\xB9\xE2\x80\x94\xE2\x80\xBA ORD:KeyCust"));
    EXPECT_TRUE(Contains(run.out, "   \xE2\x80\x94\xE2\x80\xBA ORD:OrderDate\n"));
    EXPECT_TRUE(Contains(run.out, "Alias ShipTo  SAMPLE.TXD\n\nPrefix: SHP\nFile  : Customer\n"));
    for (const std::string& page : pages) {
        EXPECT_EQ(page.find(" \n"), std::string::npos) << "trailing blanks";
    }
}

TEST_F(KestrianDocReportTest, OptionsLeaveOutSections) {
    ToolRun run =
        Run("report SAMPLE.TXD --format text --select Product --select ShipTo --no-title-page "
            "--no-summary --no-relations");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "File Product  SAMPLE.TXD\n\nPrefix: PRO                                    "
              "Attributes: OEM\n"
              "Driver: ASCII\nPath  : 'PRODUCT.DAT'\n\nFIELD  TYPE        PICTURE  VALID\n"
              "Line   STRING(80)  @s80\nAlias ShipTo  SAMPLE.TXD\n\nPrefix: SHP\nFile  : Customer\n"
              "SAMPLE.TXD - ShipTo  KESTRIAN: the Velmora Dictionary Reporter  Page 1\n\f\n");
    ToolRun noKeys = Run("report SAMPLE.TXD --format text --no-keys --no-aliases");
    ASSERT_EQ(noKeys.exitCode, 0) << noKeys.err;
    EXPECT_FALSE(Contains(noKeys.out, "\nKEY "));
    EXPECT_FALSE(Contains(noKeys.out, "Alias ShipTo"));
    EXPECT_TRUE(Contains(noKeys.out, "Alias : ShipTo"));  // still named under its file
}

TEST_F(KestrianDocReportTest, PdfReadBack) {
    ToolRun run = Run("report SAMPLE.TXD -o report.pdf");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    const std::string info = Shell("pdfinfo report.pdf");
    EXPECT_TRUE(Contains(info, "Pages:           3")) << info;
    EXPECT_TRUE(Contains(info, "595.29 x 841.89 pts (A4)")) << info;
    const std::string text = Shell("pdftotext -layout report.pdf -");
    EXPECT_TRUE(Contains(text, "Velmora Data Dictionary")) << text;
    EXPECT_TRUE(Contains(text, "Files Summary")) << text;
    EXPECT_TRUE(Contains(text, "K KeyCustNo")) << text;
    EXPECT_TRUE(Contains(text, "\xE2\x80\xB9\xE2\x80\x94\xE2\x80\xBA RELATED KEY")) << text;
    EXPECT_TRUE(Contains(text, "Page 2")) << text;
    EXPECT_TRUE(Contains(text, "KESTRIAN: the Velmora Dictionary Reporter")) << text;

    ToolRun toStdout = Run("report SAMPLE.TXD --no-title-page");
    ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err;
    EXPECT_TRUE(toStdout.out.starts_with("%PDF-"));
    EXPECT_TRUE(toStdout.out.ends_with("%%EOF\n"));
}

// A made-up export whose every label is 40 characters long.
struct LongLabels {
    static std::string Label(std::string base) {
        for (char c = 'a'; base.size() < 40; c = c == 'z' ? 'a' : c + 1) base += c;
        return base;
    }
    std::string file = Label("CustomerLedgerEntries"), archive = Label("CustomerLedgerArchive");
    std::string key = Label("KeyAccountAndPostingDate"), archiveKey = Label("KeyArchivedAccount");
    std::string account = Label("AccountNumberOfEntry"), date = Label("PostingDateOfEntry");
    std::string alias = Label("LedgerEntriesSeenAsAnAlias");

    std::vector<std::string> Words() const {
        return {file,
                archive,
                "LED:" + key,
                "ARC:" + archiveKey,
                "LED:" + account,
                "ARC:" + account,
                "ARC:" + date,
                alias};
    }
    std::string Export() const {
        return "[DICTIONARY]\r\nVERSION '4.0'\r\n[FILES]\r\n" + file +
               " FILE,DRIVER('SQLITE'),PRE(LED),CREATE,THREAD,BINDABLE,NAME('\\\\server\\share\\"
               "accounts\\receivable\\ledgers\\current.DAT')\r\n" +
               key + " KEY(LED:" + account + ",-LED:" + date + "),DUP,NOCASE,NAME('" + Label("K") +
               "')\r\nRecord RECORD,PRE()\r\n" + account + " LONG\r\n" + date +
               " DATE\r\n END\r\n END\r\n" + archive +
               " FILE,DRIVER('SQLITE'),PRE(ARC),CREATE\r\n" + archiveKey + " KEY(ARC:" + account +
               ")\r\nRecord RECORD,PRE()\r\n" + account + " LONG\r\n" + date +
               " DATE\r\n END\r\n END\r\n[ALIASES]\r\n" + alias + " ALIAS(" + file +
               "),PRE(ALI)\r\n[RELATIONS]\r\n RELATION,1:MANY\r\n" + file + " FILE(LED:" + key +
               ")\r\n" + archive + " RELATED_FILE(ARC:" + archiveKey +
               ")\r\n FILE_TO_RELATED_KEY\r\n FIELD(LED:" + account + ",ARC:" + account +
               ")\r\n FIELD(NOLINK,ARC:" + date +
               ")\r\n END\r\n RELATED_FILE_TO_KEY\r\n FIELD(ARC:" + account + ",LED:" + account +
               ")\r\n END\r\n END\r\n";
    }
};

TEST_F(KestrianDocReportTest, FortyCharacterLabelsComeOutWhole) {
    const LongLabels labels;
    WriteBytes(folder.File("LONG.TXD"), labels.Export());
    ToolRun text = Run("report LONG.TXD --format text");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    ASSERT_EQ(Run("report LONG.TXD -o long.pdf").exitCode, 0);
    const std::string pdf = Shell("pdftotext -layout long.pdf -");
    for (const std::string& word : labels.Words()) {
        EXPECT_TRUE(Contains(text.out, word)) << word << " in\n" << text.out;
        EXPECT_TRUE(Contains(pdf, word)) << word << " in\n" << pdf;
    }
    // Every alias under its file, and the footer's last entry after its path.
    EXPECT_TRUE(Contains(pdf, "Alias : " + labels.alias)) << pdf;
    EXPECT_TRUE(Contains(pdf, "LONG.TXD - " + labels.alias)) << pdf;
    EXPECT_TRUE(Contains(text.out, "\nLONG.TXD - " + labels.alias + "  KESTRIAN")) << text.out;
}

TEST_F(KestrianDocReportTest, LinksNoToolkit) {
#ifdef __SANITIZE_ADDRESS__
    // The sanitizer's link keeps every library of the dictionary's chain,
    // the toolkit's among them, while that chain still holds one.
    GTEST_SKIP() << "not checked in a sanitizer build";
#endif
    const std::string libraries = Shell("ldd '" KESTRIAN_DOC_PATH "'");
    EXPECT_FALSE(Contains(libraries, "libQt")) << libraries;
}

// The words of a PDF as pdftotext -bbox places them, page by page.
struct PdfWord {
    std::string text;
    double xMin, yMin, xMax, yMax;
};
struct PdfPage {
    double width, height;  // points
    std::vector<PdfWord> words;
};

std::vector<PdfPage> WordsOf(const std::string& bbox) {
    static const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    static const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<PdfPage> pages;
    std::istringstream lines(bbox);
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, match, page)) {
            pages.push_back({std::stod(match[1]), std::stod(match[2]), {}});
        } else if (std::regex_search(line, match, word) && !pages.empty()) {
            pages.back().words.push_back({match[5], std::stod(match[1]), std::stod(match[2]),
                                          std::stod(match[3]), std::stod(match[4])});
        }
    }
    return pages;
}

// On every paper the report carries the A4 report's words in the same order
// (its footers aside, which fall where each sheet ends), and every word of
// every page lies on the sheet.
TEST_F(KestrianDocReportTest, EveryPaperCarriesTheWholeReportOnItsSheets) {
    std::vector<std::string> a4Words;
    for (const std::string paper : {"A4", "Letter", "A5", "A4 --landscape", "Legal"}) {
        // No title page: its printing time may move on between two runs.
        ToolRun run = Run("report SAMPLE.TXD --no-title-page --paper " + paper + " -o out.pdf");
        ASSERT_EQ(run.exitCode, 0) << paper << ": " << run.err;
        std::vector<PdfPage> pages = WordsOf(Shell("pdftotext -bbox out.pdf -"));
        ASSERT_GE(pages.size(), 2u) << paper;
        std::vector<std::string> body;
        int footers = 0;
        for (PdfPage& page : pages) {
            const PageMetrics metrics =
                MetricsForSheet(static_cast<int>(std::lround(page.width * 1000 / 72)),
                                static_cast<int>(std::lround(page.height * 1000 / 72)));
            const double footerTop = metrics.footerTop * metrics.scale * 72 / 1000;
            // Read top to bottom, left to right, in the layout's own points.
            const double scale = metrics.scale;
            std::sort(page.words.begin(), page.words.end(), [&](const auto& a, const auto& b) {
                const long rowA = std::lround(a.yMin / scale / 2);
                const long rowB = std::lround(b.yMin / scale / 2);
                return rowA != rowB ? rowA < rowB : a.xMin < b.xMin;
            });
            for (const PdfWord& word : page.words) {
                EXPECT_TRUE(word.xMin >= 0 && word.yMin >= 0 && word.xMax <= page.width &&
                            word.yMax <= page.height)
                    << paper << ": " << word.text << " at " << word.xMax << ", " << word.yMax;
                if (word.yMin < footerTop) {
                    body.push_back(word.text);
                } else {
                    footers += word.text == "Page" ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(footers, static_cast<int>(pages.size())) << paper;
        if (a4Words.empty()) {
            a4Words = body;
        } else {
            EXPECT_EQ(body, a4Words) << paper;
        }
    }
    ToolRun unknown = Run("report SAMPLE.TXD --paper Tabloid");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(Contains(unknown.err, "unknown paper Tabloid")) << unknown.err;
}

TEST_F(KestrianDocReportTest, BadInputAndOutput) {
    struct Case {
        std::string arguments;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {"report MISSING.TXD", 2, "MISSING.TXD"},
        {"report SAMPLE.TXD --select Nobody", 2, "has no file or alias named Nobody"},
        {"report SAMPLE.TXD --format html", 2, "report: --format: html is not one of pdf|text"},
        {"report", 2, "the export to read is missing"},
        {"report SAMPLE.TXD -o .", 1, "cannot write ."},
    };
    for (const Case& c : cases) {
        ToolRun run = Run(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_TRUE(Contains(run.err, c.message)) << c.arguments << ": " << run.err;
    }
}

}  // namespace
}  // namespace printing

#endif
