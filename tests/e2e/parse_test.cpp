// Opening a text export through File > Open: the parse window's three
// endings, File > Close writing "TEST.TXD", and a chosen "TEST.TXD".
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <Qt>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/layouts.h"
#include "dictionary/model.h"
#include "framework/globals.h"
#include "runtime/core/profile.h"
#include "runtime/program_threads.h"
#include "tests/e2e/program_harness.h"
#include "tests/support/large_export.h"

namespace {

using e2e::ProgramHarness;
using e2e::SamplePath;
using e2e::WaitUntil;
namespace menu = app::frame_menu;
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<std::string> FileLabels() {
    std::vector<std::string> labels;
    if (const dictionary::DictionaryModel* model = framework::Model())
        for (const dictionary::FileQueue& file : dictionary::Rows(model->FILE))
            labels.emplace_back(file.LABEL.view());
    return labels;
}

// Waits until no dictionary is loaded and the menu says so: the menu is
// updated last when a model is released.
// The frame's menu is brought up to date item by item: Close first, then Print.
bool WaitForNoDictionary(const rt::WindowRef& frame) {
    return WaitUntil([&] {
        return framework::Model() == nullptr && !frame.IsEnabled(menu::Close) &&
               !frame.IsEnabled(menu::Print);
    });
}

// Queues a large export as the next File > Open choice.
fs::path QueueLargeExport(ProgramHarness& harness) {
    const fs::path big = harness.Root() / "BIG.TXD";
    WriteFile(big, dict_test::LargeExport(20000));
    harness.Dialogs().QueueOpenFile(big.string());
    return big;
}

// Opens the queued export and waits until the parse shows its progress.
bool OpenAndWaitForProgress(ProgramHarness& h, const rt::WindowRef& frame) {
    h.Choose(menu::Open);
    return WaitUntil([&] { return frame.Status(1).rfind("Parsing: ", 0) == 0; });
}

TEST(Parse, ChosenExportIsParsedAndHandedToTheDictionaryWindow) {
    ProgramHarness harness;
    const fs::path sample = SamplePath();
    harness.Dialogs().QueueOpenFile(sample.string());
    harness.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        h.Choose(menu::Open);
        EXPECT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        EXPECT_NE(framework::Model(), nullptr);
        EXPECT_FALSE(FileLabels().empty());
        EXPECT_TRUE(WaitUntil(
            [&] { return frame.IsEnabled(menu::Close) && frame.IsEnabled(menu::Print); }));
        EXPECT_EQ(frame.Status(1), "");
        EXPECT_EQ(frame.Status(2), "");
        EXPECT_NE(framework::DisplayThread.load(), 0);
        EXPECT_EQ(framework::TempExport.load(), 0);
        h.Choose(menu::Exit);
    });
    const auto requests = harness.Dialogs().OpenFileRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "Velmora Dictionaries");
    EXPECT_EQ(rt::GetProfileString("Defaults", "LastDictionaryUsed", "", "kestrian.INI"),
              sample.string());
    // The model released at the end was written back.
    EXPECT_TRUE(fs::exists(harness.WorkFolder() / "TEST.TXD"));
}

TEST(Parse, TheModelKeepsTheExportItsTextsPointInto) {
    ProgramHarness harness;
    harness.Dialogs().QueueOpenFile(SamplePath().string());
    harness.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        dictionary::DictionaryModel* model = framework::Model();
        ASSERT_NE(model, nullptr);
        // A declaration line is a text of the export as it stands: the model
        // keeps it in place (a copy would lie elsewhere) once it holds the export.
        int inPlace = 0;
        for (const dictionary::FileQueue& file : dictionary::Rows(model->FILE)) {
            if (!file.TEXT) continue;
            const std::string_view line = file.TEXT->DEFINITION.view();
            if (line.size() > dictionary::Text::kInlineCapacity &&
                model->storage.Keep(line).data() == line.data())
                ++inPlace;
        }
        EXPECT_GT(inPlace, 0);
        h.Choose(menu::Exit);
    });
}

TEST(Parse, TheFrameShowsTheProgressWhileParsing) {
    ProgramHarness harness;
    QueueLargeExport(harness);
    harness.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        ASSERT_TRUE(OpenAndWaitForProgress(h, frame));
        // The two zones are set together: the bar is never behind the figure
        // read before it, and both grow until the parse ends.
        int percent = 0;
        ASSERT_TRUE(WaitUntil([&] {
            const std::string figure = frame.Status(2);
            const std::string bar = frame.Status(1);
            // Both are blanked once the parse window has closed.
            if (figure.empty() || bar.empty()) return !h.WindowOpen("KESTR003");
            EXPECT_EQ(figure, std::to_string(std::atoi(figure.c_str())) + "% parsed");
            EXPECT_EQ(bar.rfind("Parsing: ", 0), 0u);
            const int shown = std::atoi(figure.c_str());
            EXPECT_GE(shown, percent);
            EXPECT_GE(bar.size() - 9, static_cast<std::size_t>(shown));
            percent = shown;
            return percent >= 50;
        }));
        h.Choose(menu::Exit);
    });
}

TEST(Parse, EscAbandonsTheParseAndReleasesTheModel) {
    ProgramHarness harness;
    const fs::path big = QueueLargeExport(harness);
    harness.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        ASSERT_TRUE(OpenAndWaitForProgress(h, frame));
        rt::WindowRef parse;
        for (const auto& info : rt::OpenWindows())
            if (info.label == "KESTR003") parse = rt::WindowRef(info.id, info.thread);
        parse.PressKey(Qt::Key_Escape);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen("KESTR003"); }));
        EXPECT_TRUE(WaitForNoDictionary(frame));
        EXPECT_FALSE(h.DictionaryWindowOpen());
        EXPECT_FALSE(frame.IsEnabled(menu::Print));
        EXPECT_EQ(frame.Status(1), "");
        EXPECT_EQ(frame.Status(2), "");
        h.Choose(menu::Exit);
    });
    EXPECT_TRUE(fs::exists(big));  // the user's own export is never deleted
}

TEST(Parse, AnExportThatCannotBeOpenedGetsItsBox) {
    ProgramHarness harness;
    const fs::path missing = harness.Root() / "NOSUCH.TXD";
    harness.Dialogs().QueueOpenFile(missing.string());
    harness.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        h.Choose(menu::Open);
        EXPECT_TRUE(h.Dialogs().WaitForMessages(1, std::chrono::seconds(20)));
        EXPECT_EQ(framework::Model(), nullptr);
        EXPECT_FALSE(frame.IsEnabled(menu::Close));
        h.Choose(menu::Exit);
    });
    const auto boxes = harness.Dialogs().Messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR OPENING DICTIONARY");
    EXPECT_EQ(boxes[0].text, "Error 2 (File Not Found)\nattempting to open " + missing.string());
    EXPECT_EQ(boxes[0].icon, rt::Icon::None);
    EXPECT_EQ(boxes[0].buttons, rt::ButtonOk);
}

// An export that cannot be read whole, or is no text, is refused before the
// loaded dictionary is released.
void RefusedAndTheOldDictionaryStays(const std::string& name, std::uintmax_t sparseSize,
                                     const std::string& bytes, const std::string& error) {
    ProgramHarness harness;
    const fs::path path = harness.WorkFolder() / name;
    WriteFile(path, bytes);
    if (sparseSize != 0) fs::resize_file(path, sparseSize);  // takes no disk
    harness.Dialogs().QueueOpenFile(SamplePath().string());
    harness.Dialogs().QueueOpenFile(path.string());
    harness.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        const std::vector<std::string> labels = FileLabels();
        h.Choose(menu::Open);
        EXPECT_TRUE(h.Dialogs().WaitForMessages(1, std::chrono::seconds(20)));
        EXPECT_EQ(FileLabels(), labels);
        EXPECT_TRUE(h.DictionaryWindowOpen());
        EXPECT_TRUE(frame.IsEnabled(menu::Close));
        h.Choose(menu::Exit);
    });
    const auto boxes = harness.Dialogs().Messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR OPENING DICTIONARY");
    EXPECT_EQ(boxes[0].text, error + "\nattempting to open " + path.string());
}

TEST(Parse, AnExportLargerThanMemoryGetsItsBoxAndTheOldDictionaryStays) {
    RefusedAndTheOldDictionaryStays("HUGE.TXD", std::uintmax_t{100} << 30, {},
                                    "Error 8 (Insufficient Memory)");
}

// A file of NUL bytes is refused at its first block.
TEST(Parse, AFileOfNulBytesGetsItsBoxAndTheOldDictionaryStays) {
    RefusedAndTheOldDictionaryStays("SPARSE.TXD", std::uintmax_t{1} << 30, {},
                                    "Error 36 (Invalid Data File)");
}

TEST(Parse, ANulByteFarInGetsItsBoxAndTheOldDictionaryStays) {
    std::string late = "[DICTIONARY]\r\nVERSION 1\r\n" + std::string(200000, 'x');
    late += std::string(1, '\0') + "\r\n";
    RefusedAndTheOldDictionaryStays("LATE.TXD", 0, late, "Error 36 (Invalid Data File)");
}

// A text file in which no line is a section header is no export either.
TEST(Parse, AFileWithoutASectionHeaderGetsItsBoxAndTheOldDictionaryStays) {
    RefusedAndTheOldDictionaryStays("JUNK.TXD", 0, "hello\r\n", "Error 36 (Invalid Data File)");
}

TEST(Parse, CloseWritesTestTxdAndClosesTheDictionaryWindow) {
    ProgramHarness harness;
    harness.Dialogs().QueueOpenFile(SamplePath().string());
    harness.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        h.Choose(menu::Close);
        EXPECT_TRUE(WaitForNoDictionary(frame));
        EXPECT_TRUE(WaitUntil([] { return framework::DisplayThread.load() == 0; }));
        EXPECT_FALSE(h.DictionaryWindowOpen());
        EXPECT_FALSE(frame.IsEnabled(menu::Close));
        EXPECT_FALSE(frame.IsEnabled(menu::Print));
        const std::string written = ReadFile(h.WorkFolder() / "TEST.TXD");
        EXPECT_EQ(written.rfind("[DICTIONARY]\r\n", 0), 0u);
        EXPECT_NE(written.find("[FILES]"), std::string::npos);
        EXPECT_FALSE(framework::DictionaryPath.Get().empty());  // Close keeps the path
        h.Choose(menu::Exit);
    });
}

// Nothing at "TEST.TXD" that cannot take the write-back keeps the program
// waiting: Close completes without a word, Open works again, and Exit,
// which releases once more, ends the program. `blocker` stands there.
void CloseCompletesSilentlyPast(const std::function<void(const fs::path&)>& blocker) {
    ProgramHarness harness;
    const fs::path at = harness.WorkFolder() / "TEST.TXD";
    blocker(at);
    harness.Dialogs().QueueOpenFile(SamplePath().string());
    harness.Dialogs().QueueOpenFile(SamplePath().string());
    harness.SetEndDeadline(std::chrono::seconds(20));
    harness.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        h.Choose(menu::Close);
        EXPECT_TRUE(WaitForNoDictionary(frame));
        h.Choose(menu::Open);
        EXPECT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        EXPECT_TRUE(WaitUntil([&] { return frame.IsEnabled(menu::Close); }));
        h.Choose(menu::Exit);
    });
    EXPECT_TRUE(harness.Dialogs().Messages().empty());
    const fs::file_status status = fs::symlink_status(at);
    EXPECT_TRUE(fs::is_directory(status) || fs::is_fifo(status));
}

TEST(Parse, CloseCompletesSilentlyWhenTestTxdIsAFolder) {
    // Impossible to replace, even as root.
    CloseCompletesSilentlyPast([](const fs::path& at) { fs::create_directory(at); });
}

TEST(Parse, CloseCompletesSilentlyWhenTestTxdIsAPipeNoOneReads) {
    CloseCompletesSilentlyPast(
        [](const fs::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); });
}

TEST(Parse, OpeningTestTxdWhileAnotherIsLoadedParsesItAsItWasOnDisk) {
    ProgramHarness harness;
    const fs::path chosen = harness.WorkFolder() / "TEST.TXD";
    WriteFile(chosen,
              "[DICTIONARY]\r\nVERSION '9'\r\n[FILES]\r\nChosen  FILE,PRE(CHO)\r\n!!> IDENT(1)\r\n"
              "Record  RECORD,PRE()\r\nCode  LONG\r\n!!> IDENT(2)\r\n  END\r\nEND\r\n");
    harness.Dialogs().QueueOpenFile(SamplePath().string());
    harness.Dialogs().QueueOpenFile(chosen.string());
    harness.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        const int firstWindow = framework::DisplayThread.load();
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] {
            const int display = framework::DisplayThread.load();
            return display != 0 && display != firstWindow;
        }));
        EXPECT_EQ(FileLabels(), std::vector<std::string>{"Chosen"});
        h.Choose(menu::Exit);
    });
}

// Close, Open or Exit while a parse is still filling the model must wait for
// the parse to let go of it rather than free it under the parser's feet.
TEST(Parse, CloseDuringAParseAbandonsItFirst) {
    ProgramHarness harness;
    QueueLargeExport(harness);
    harness.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        ASSERT_TRUE(OpenAndWaitForProgress(h, frame));
        h.Choose(menu::Close);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen("KESTR003"); }));
        EXPECT_TRUE(WaitForNoDictionary(frame));
        EXPECT_FALSE(h.DictionaryWindowOpen());
        h.Choose(menu::Exit);
    });
}

TEST(Parse, ExitDuringAParseEndsCleanly) {
    ProgramHarness harness;
    QueueLargeExport(harness);
    const int code = harness.Run([&](ProgramHarness& h) {
        ASSERT_TRUE(OpenAndWaitForProgress(h, h.WaitForFrame()));
        h.Choose(menu::Exit);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(framework::Model(), nullptr);
    EXPECT_EQ(rt::LiveThreadCount(), 0);
}

}  // namespace
