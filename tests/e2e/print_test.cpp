// File > Print in the running program: the print options and their rules,
// the report with its progress, printed through a private CUPS scheduler or
// into a PDF file when the system has no printer, Esc during the report, and
// a choice made in Print Setup that holds for later printing.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QAbstractButton>
#include <QPageSize>
#include <QPrinter>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <functional>

#include "app/layouts.h"
#include "printing/preview_layouts.h"
#include "printing/print_options.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/list_control.h"
#include "runtime/program_printer.h"
#include "tests/e2e/program_harness.h"
#include "tests/support/large_export.h"
#include "tests/support/private_cups.h"

namespace {

using e2e::ProgramHarness;
using e2e::SamplePath;
using e2e::WaitUntil;
namespace menu = app::frame_menu;
namespace opt = printing::print_options;
namespace fs = std::filesystem;

constexpr const char* kOptions = "KESTR004";
constexpr const char* kReport = "KESTR008";

// The entries of the bundled sample, in label order.
const std::vector<std::string> kSampleEntries = {"Customer", "OrderLine", "Orders", "Product",
                                                 "ShipTo"};

std::string PdfText(const fs::path& pdf, const char* options = "-layout") {
    std::string text;
    const std::string command =
        std::string("pdftotext ") + options + " '" + pdf.string() + "' - 2>/dev/null";
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, got);
        ::pclose(pipe);
    }
    return text;
}

std::string PdfPageSize(const fs::path& pdf) {
    std::string info;
    if (FILE* pipe = ::popen(("pdfinfo '" + pdf.string() + "' 2>/dev/null").c_str(), "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, pipe))
            if (std::string(line).rfind("Page size:", 0) == 0) info = line;
        ::pclose(pipe);
    }
    return info;
}

// The preview and its Print button.
constexpr const char* kPreview = "P15$PREVIEWWINDOW";
constexpr int kPreviewPrint = printing::preview::control::TbarPrint;

rt::WindowRef FindWindow(const std::string& label) {
    for (const rt::OpenWindowInfo& info : rt::OpenWindows())
        if (info.label == label) return rt::WindowRef(info.id, info.thread);
    return {};
}

// The page-image folders the report made under the test's temporary folder.
int PageFolders(const fs::path& temporary) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(temporary))
        if (entry.path().filename().string().rfind("kestrian-pages-", 0) == 0) ++count;
    return count;
}

// A test of its own: temporary files in its folder, and no printer of the
// machine's (a scheduler that is not there) unless it starts its own.
class PrintTest : public testing::Test {
  protected:
    PrintTest() {
        temporary_ = harness_.Root() / "tmp";
        fs::create_directories(temporary_);
        setenv("TMPDIR", temporary_.c_str(), 1);
        setenv("CUPS_SERVER", (harness_.Root() / "no-scheduler.sock").c_str(), 1);
    }

    // The user picks Letter paper in File > Print Setup: QueueLetterPaper
    // before the run, ChooseLetterPaper in it.
    void QueueLetterPaper() {
        harness_.Dialogs().QueuePrinterSetup(true, [] {
            rt::gui::GuiInvoke(
                [] { rt::ProgramPrinter().setPageSize(QPageSize(QPageSize::Letter)); });
        });
    }
    static void ChooseLetterPaper(ProgramHarness& h) {
        h.Choose(menu::PrintSetup);
        EXPECT_TRUE(WaitUntil([&] { return h.Dialogs().PrinterSetupCount() == 1; }));
    }

    // Opens `txd` and waits for its dictionary window.
    void OpenDictionary(ProgramHarness& h, const fs::path& txd) {
        h.Dialogs().QueueOpenFile(txd.string());
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
    }

    // File > Print; the options window once it shows its printer.
    rt::WindowRef OpenOptions(ProgramHarness& h) {
        h.Choose(menu::Print);
        rt::WindowRef options;
        EXPECT_TRUE(WaitUntil([&] {
            options = FindWindow(kOptions);
            // The resolution is the last text the window fills.
            return !options.IsNull() && !options.Text(opt::Resolution).empty();
        }));
        return options;
    }

    // A click on a button or check box, as the mouse gives it.
    static void Click(const rt::WindowRef& window, int control) {
        rt::gui::GuiInvoke([&] {
            rt::gui::GuiWindow* gui = rt::gui::Find(window.Id());
            if (auto* button =
                    gui ? qobject_cast<QAbstractButton*>(gui->Control(control)) : nullptr)
                button->click();
        });
    }

    // A right-click on the first row of the file list.
    static void RightClickList(const rt::WindowRef& window) {
        rt::gui::GuiInvoke([&] {
            rt::gui::GuiWindow* gui = rt::gui::Find(window.Id());
            auto* list =
                gui ? qobject_cast<rt::gui::ListControl*>(gui->Control(opt::List)) : nullptr;
            if (list == nullptr) return;
            QTableView* view = list->View();
            const QRect row = view->visualRect(view->model()->index(0, 1));
            QTest::mouseClick(view->viewport(), Qt::RightButton, {}, row.center());
        });
    }

    // Ticks or unticks a box and waits until the window has taken it in.
    static void SetBox(const rt::WindowRef& window, int control, bool ticked) {
        if (window.IsChecked(control) != ticked) Click(window, control);
    }

    static int MarkedRows(const rt::WindowRef& window) {
        int marked = 0;
        for (bool mark : window.ListMarks(opt::List)) marked += mark ? 1 : 0;
        return marked;
    }

    // Runs `look` on the GUI thread with the file list's view.
    static void OnListView(const rt::WindowRef& window,
                           const std::function<void(QTableView&)>& look) {
        rt::gui::GuiInvoke([&] {
            rt::gui::GuiWindow* gui = rt::gui::Find(window.Id());
            auto* list =
                gui ? qobject_cast<rt::gui::ListControl*>(gui->Control(opt::List)) : nullptr;
            if (list != nullptr) look(*list->View());
        });
    }

    void CloseOptions(ProgramHarness& h, const rt::WindowRef& options) {
        Click(options, opt::Close);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen(kOptions); }));
    }

    // Print pressed with Preview unticked: waits until `delivered` holds and
    // the report's window has gone. The window alone cannot tell: between the
    // options closing and the report opening neither is on the screen, and a
    // menu choice made then reaches the report's window, which lies over the
    // frame on the frame's thread, and not the frame.
    // A preview is not expected; one that opens is answered, so that the
    // session still ends, and fails the test.
    void PrintAndWait(ProgramHarness& h, const rt::WindowRef& options,
                      const std::function<bool()>& delivered) {
        Click(options, opt::Print);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen(kOptions); }));
        bool previewSeen = false;
        EXPECT_TRUE(WaitUntil(
            [&] {
                if (const rt::WindowRef preview = FindWindow(kPreview); !preview.IsNull()) {
                    previewSeen = true;
                    preview.PostEvent(rt::event::Accepted, kPreviewPrint);
                }
                return delivered() && !h.WindowOpen(kReport);
            },
            std::chrono::seconds(60)));
        EXPECT_FALSE(previewSeen) << "a preview opened with Preview unticked";
    }

    ProgramHarness harness_;
    fs::path temporary_;
};

TEST_F(PrintTest, OptionsListTheSampleAndFollowTheirRules) {
    harness_.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        OpenDictionary(h, SamplePath());
        rt::WindowRef options = OpenOptions(h);
        EXPECT_EQ(options.Title(), "Print Dictionary");
        EXPECT_EQ(options.ListRowCount(opt::List), static_cast<int>(kSampleEntries.size()));
        EXPECT_EQ(MarkedRows(options), static_cast<int>(kSampleEntries.size()));
        for (int box : {opt::TitlePage, opt::Summary, opt::Aliases, opt::Keys, opt::Relations,
                        opt::Preview}) {
            EXPECT_TRUE(options.IsChecked(box)) << box;
            EXPECT_TRUE(options.IsEnabled(box)) << box;
        }
        // Every entry in view, and no scroll bar for names that fit.
        OnListView(options, [](QTableView& view) {
            EXPECT_FALSE(view.horizontalScrollBar()->isVisible());
            EXPECT_GE(view.viewport()->height(), view.rowViewportPosition(4) + view.rowHeight(4));
        });
        // No system printer: the report would go to a PDF file.
        EXPECT_EQ(options.Text(opt::PrinterName), rt::kPdfPrinterName);
        EXPECT_EQ(options.Text(opt::Resolution), "1200 dpi");

        // Deselect All with Summary unticked leaves nothing to print.
        SetBox(options, opt::Summary, false);
        h.Dialogs().QueuePopupChoice(2);
        RightClickList(options);
        EXPECT_TRUE(h.Dialogs().WaitForPopups(1, std::chrono::seconds(20)));
        EXPECT_TRUE(WaitUntil([&] { return !options.IsEnabled(opt::Print); }));
        EXPECT_EQ(MarkedRows(options), 0);
        EXPECT_FALSE(options.IsChecked(opt::Aliases));
        // Ticking Summary again enables Print with nothing selected.
        SetBox(options, opt::Summary, true);
        EXPECT_TRUE(WaitUntil([&] { return options.IsEnabled(opt::Print); }));
        // Select All marks every entry and ticks Aliases.
        h.Dialogs().QueuePopupChoice(1);
        RightClickList(options);
        EXPECT_TRUE(WaitUntil([&] { return MarkedRows(options) == 5; }));
        EXPECT_TRUE(WaitUntil([&] { return options.IsChecked(opt::Aliases); }));

        // Preview unticked now is ticked again at the next opening.
        SetBox(options, opt::Preview, false);
        EXPECT_TRUE(WaitUntil([&] { return !options.IsChecked(opt::Preview); }));
        CloseOptions(h, options);
        options = OpenOptions(h);
        EXPECT_TRUE(options.IsChecked(opt::Preview));
        CloseOptions(h, options);
        EXPECT_FALSE(h.WindowOpen(kReport));  // Close prints nothing
        EXPECT_EQ(frame.Status(1), "");
        h.Choose(menu::Exit);
    });
    ASSERT_EQ(harness_.Dialogs().Popups().size(), 2u);
    EXPECT_EQ(harness_.Dialogs().Popups()[0].menuText, "Select All|Deselect All|Cancel");
}

// Names as long as labels go, more of them than the list shows: a click on
// a name marks its row and never scrolls the names out of the list's view.
TEST_F(PrintTest, AClickOnANameKeepsTheNamesInView) {
    const fs::path txd = harness_.Root() / "LONG.TXD";
    std::ofstream(txd, std::ios::binary)
        << dict_test::LargeExport(12, 1, "CustomerOrderHistoryArchiveOfTheYear");
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        OpenDictionary(h, txd);
        const rt::WindowRef options = OpenOptions(h);
        ASSERT_EQ(options.ListRowCount(opt::List), 12);
        int marked = 12;
        for (int row : {1, 0, 3}) {
            OnListView(options, [&](QTableView& view) {
                const QRect name = view.visualRect(view.model()->index(row, 1))
                                       .intersected(view.viewport()->rect());
                QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, name.center());
                // As the view does by itself once the double-click time is over.
                view.scrollTo(view.currentIndex());
                // The names are wider than the list: it could scroll, but has not.
                EXPECT_GT(view.horizontalScrollBar()->maximum(), 0);
                EXPECT_EQ(view.horizontalScrollBar()->value(), 0) << row;
                EXPECT_LT(view.columnViewportPosition(1), view.viewport()->width() / 2);
            });
            --marked;  // the click took the row's mark away
            EXPECT_TRUE(WaitUntil([&] { return MarkedRows(options) == marked; })) << row;
        }
        CloseOptions(h, options);
        h.Choose(menu::Exit);
    });
}

TEST_F(PrintTest, SectionsADictionaryLacksAreClearedAndStayClearedForTheNext) {
    const fs::path plain = harness_.Root() / "PLAIN.TXD";
    std::ofstream(plain, std::ios::binary)
        << "[DICTIONARY]\r\nVERSION '4.0'\r\n[FILES]\r\n"
           "Plain  FILE,DRIVER('DOS'),PRE(PLA)\r\n!!> IDENT(1)\r\n"
           "Record  RECORD,PRE()\r\nCode  LONG\r\n!!> IDENT(2)\r\n  END\r\nEND\r\n";
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        OpenDictionary(h, plain);
        rt::WindowRef options = OpenOptions(h);
        EXPECT_EQ(options.ListRowCount(opt::List), 1);
        for (int box : {opt::Keys, opt::Aliases, opt::Relations}) {
            EXPECT_FALSE(options.IsChecked(box)) << box;
            EXPECT_FALSE(options.IsEnabled(box)) << box;
        }
        EXPECT_TRUE(options.IsEnabled(opt::Summary));
        CloseOptions(h, options);
        h.Choose(menu::Close);
        ASSERT_TRUE(WaitUntil([&] { return !h.DictionaryWindowOpen(); }));

        // The sample has all three: the boxes can be ticked again, but are not.
        OpenDictionary(h, SamplePath());
        options = OpenOptions(h);
        for (int box : {opt::Keys, opt::Aliases, opt::Relations}) {
            EXPECT_FALSE(options.IsChecked(box)) << box;
            EXPECT_TRUE(options.IsEnabled(box)) << box;
        }
        // With Aliases unticked the alias entry starts unselected.
        EXPECT_EQ(MarkedRows(options), 4);
        CloseOptions(h, options);
        h.Choose(menu::Exit);
    });
}

TEST_F(PrintTest, ReportIsPrintedThroughTheSystemQueueAndItsPagesGo) {
    testsupport::PrivateCups cups;
    if (!cups.Ready()) GTEST_SKIP() << cups.Why();
    harness_.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        OpenDictionary(h, SamplePath());
        const rt::WindowRef options = OpenOptions(h);
        EXPECT_EQ(options.Text(opt::PrinterName), testsupport::PrivateCups::kQueue);
        EXPECT_EQ(options.Text(opt::PrinterPort).rfind("capture:", 0), 0u)
            << options.Text(opt::PrinterPort);
        EXPECT_EQ(options.Text(opt::Bin), "Auto");
        SetBox(options, opt::Preview, false);
        EXPECT_TRUE(WaitUntil([&] { return !options.IsChecked(opt::Preview); }));
        PrintAndWait(h, options, [&] { return !cups.Jobs().empty(); });
        EXPECT_EQ(frame.Status(1), "");
        EXPECT_EQ(frame.Status(2), "");
        h.Choose(menu::Exit);
    });
    EXPECT_TRUE(harness_.Dialogs().Messages().empty())
        << harness_.Dialogs().Messages().front().text;
    ASSERT_TRUE(cups.WaitForJobs(1));
    const std::vector<std::string> jobs = cups.Jobs();
    ASSERT_EQ(jobs.size(), 1u);  // one job for the whole report
    const std::string text = PdfText(jobs.front());
    EXPECT_NE(text.find("Velmora Data Dictionary"), std::string::npos) << text;
    EXPECT_NE(text.find("Files Summary"), std::string::npos) << text;
    for (const std::string& entry : kSampleEntries)
        EXPECT_NE(text.find(entry), std::string::npos) << entry;
    EXPECT_NE(text.find("KeyCustNo"), std::string::npos);
    EXPECT_NE(text.find("Page 1"), std::string::npos);
    EXPECT_EQ(PageFolders(temporary_), 0);
}

// On Letter paper, shorter than A4, every page's footer still lands on the
// sheet: each page of the printed job carries its "Page N".
TEST_F(PrintTest, AReportPrintedOnLetterCarriesItsFooterOnEveryPage) {
    testsupport::PrivateCups cups;
    if (!cups.Ready()) GTEST_SKIP() << cups.Why();
    QueueLetterPaper();
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        ChooseLetterPaper(h);
        OpenDictionary(h, SamplePath());
        const rt::WindowRef options = OpenOptions(h);
        SetBox(options, opt::Preview, false);
        EXPECT_TRUE(WaitUntil([&] { return !options.IsChecked(opt::Preview); }));
        PrintAndWait(h, options, [&] { return !cups.Jobs().empty(); });
        h.Choose(menu::Exit);
    });
    ASSERT_TRUE(cups.WaitForJobs(1));
    const fs::path job = cups.Jobs().front();
    EXPECT_NE(PdfPageSize(job).find("612 x 792"), std::string::npos) << PdfPageSize(job);
    const std::string text = PdfText(job);
    std::size_t pages = 0;
    for (std::size_t start = 0, end; (end = text.find('\f', start)) != std::string::npos;
         start = end + 1) {
        const std::string page = text.substr(start, end - start);
        EXPECT_NE(page.find("Page "), std::string::npos) << "page " << pages + 1 << ":\n" << page;
        ++pages;
    }
    EXPECT_GE(pages, 3u);
}

TEST_F(PrintTest, PrintSetupChoiceHoldsForTheOptionsAndTheReport) {
    const fs::path pdf = harness_.Root() / "letter.pdf";
    harness_.Dialogs().QueueSaveFile(pdf.string());
    QueueLetterPaper();
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        ChooseLetterPaper(h);
        OpenDictionary(h, SamplePath());
        rt::WindowRef options = OpenOptions(h);
        EXPECT_EQ(options.Text(opt::Paper), "Letter 8 1/2 x 11 in");
        // Unticked before the dialog: the window handles its events in the
        // order given, so the untick still holds once the dialog is done.
        SetBox(options, opt::Preview, false);
        // Page Setup cancelled keeps the choice and refills the texts.
        Click(options, opt::PageSetup);
        EXPECT_TRUE(WaitUntil([&] { return h.Dialogs().PrinterSetupCount() == 2; }));
        EXPECT_TRUE(WaitUntil([&] { return options.Text(opt::Paper) == "Letter 8 1/2 x 11 in"; }));
        EXPECT_TRUE(WaitUntil([&] { return !options.IsChecked(opt::Preview); }));
        PrintAndWait(h, options, [&] { return fs::exists(pdf); });
        h.Choose(menu::Exit);
    });
    const auto dialogs = harness_.Dialogs().PrinterDialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].caption, "Page Setup");
    EXPECT_EQ(dialogs[1].mode, rt::PrinterDialogMode::PageSetup);
    EXPECT_NE(PdfPageSize(pdf).find("612 x 792"), std::string::npos) << PdfPageSize(pdf);
}

// A dictionary of many files, so that its report takes many ticks.
void WriteLargeExport(const fs::path& path, int files) {
    std::ofstream out(path, std::ios::binary);
    out << dict_test::LargeExport(files, 10);
}

TEST_F(PrintTest, EscDuringTheReportPrintsNothingAndLeavesNoPageFiles) {
    const fs::path big = harness_.Root() / "BIG.TXD";
    WriteLargeExport(big, 3000);
    harness_.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        OpenDictionary(h, big);
        const rt::WindowRef options = OpenOptions(h);
        SetBox(options, opt::Preview, false);
        EXPECT_TRUE(WaitUntil([&] { return !options.IsChecked(opt::Preview); }));
        Click(options, opt::Print);
        ASSERT_TRUE(WaitUntil([&] { return frame.Status(1).rfind("Printing: ", 0) == 0; }));
        EXPECT_NE(frame.Status(2).find("% printed"), std::string::npos);
        EXPECT_EQ(PageFolders(temporary_), 1);
        FindWindow(kReport).PressKey(Qt::Key_Escape);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen(kReport); }));
        EXPECT_TRUE(WaitUntil([&] { return frame.Status(1).empty(); }));
        EXPECT_EQ(frame.Status(2), "");
        h.Choose(menu::Exit);
    });
    // Nothing went to the (PDF) printer: it would have asked for a file first.
    EXPECT_TRUE(harness_.Dialogs().SaveFileRequests().empty());
    EXPECT_EQ(PageFolders(temporary_), 0);
}

TEST_F(PrintTest, WithoutAPrinterTheReportGoesToAPdfFileAndAnUnwritableOneIsNamed) {
    const fs::path unwritable = harness_.Root() / "no-such-folder" / "report.pdf";
    const fs::path written = harness_.Root() / "report.pdf";
    harness_.Dialogs().QueueSaveFile(unwritable.string());
    harness_.Dialogs().QueueSaveFile(written.string());
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        OpenDictionary(h, SamplePath());
        const rt::WindowRef options = OpenOptions(h);
        // Preview stays ticked: the preview's answer decides.
        Click(options, opt::Print);
        rt::WindowRef preview;
        ASSERT_TRUE(WaitUntil([&] { return !(preview = FindWindow(kPreview)).IsNull(); },
                              std::chrono::seconds(60)));
        preview.PostEvent(rt::event::Accepted, kPreviewPrint);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen(kReport); }, std::chrono::seconds(60)));
        EXPECT_TRUE(WaitUntil([&] { return h.Dialogs().SaveFileRequests().size() == 2; }));
        // The new path is the printer's port from now on.
        const rt::WindowRef again = OpenOptions(h);
        EXPECT_EQ(again.Text(opt::PrinterPort), written.string());
        CloseOptions(h, again);
        h.Choose(menu::Exit);
    });
    const auto boxes = harness_.Dialogs().Messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(unwritable.string()), std::string::npos) << boxes[0].text;
    EXPECT_FALSE(fs::exists(unwritable));
    const std::string text = PdfText(written);
    EXPECT_NE(text.find("Files Summary"), std::string::npos) << text;
    EXPECT_NE(text.find("ShipTo"), std::string::npos);
    EXPECT_EQ(PageFolders(temporary_), 0);
}

}  // namespace
