// File > Open in the running program: text exports, cancelling, and .DCT
// dictionaries exported through the stand-in IDE on a private session bus.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/layouts.h"
#include "dictionary/model.h"
#include "framework/globals.h"
#include "runtime/core/profile.h"
#include "tests/e2e/program_harness.h"
#include "tests/support/child_process.h"
#include "tests/support/ide_stand_in.h"
#include "tests/support/private_session_bus.h"
#include "tests/support/scoped_settings.h"

namespace {

using e2e::ProgramHarness;
using e2e::SamplePath;
using e2e::WaitUntil;
namespace menu = app::frame_menu;
namespace fs = std::filesystem;

// A program run with a private bus; the stand-in IDE is started on demand.
class OpenDictionaryTest : public testing::Test {
  public:
    void SetUp() override { ASSERT_TRUE(bus_.Started()); }

    fs::path Dct(const std::string& name) {
        const fs::path path = harness_.Root() / name;
        testsupport::WriteFile(path.string(), "a dictionary the IDE reads");
        return path;
    }
    fs::path IdeSettings() const {
        return harness_.Root() / "drive" / "Velmora4" / "BIN" / "Velmora4.INI";
    }
    fs::path TempTxd() const { return harness_.WorkFolder() / "Temp.TXD"; }
    std::string LogFile() const { return (harness_.Root() / "ide.log").string(); }
    std::vector<std::string> IdeLog() const { return testsupport::ReadLines(LogFile()); }

    void StartIde(std::vector<std::string> options) {
        options.push_back("--log=" + LogFile());
        ide_ =
            std::make_unique<testsupport::ChildProcess>(testsupport::StandInIdeProgram(), options);
        ASSERT_TRUE(WaitUntil([&] {
            const auto log = IdeLog();
            return log.size() >= 2 && log[1] == "owner";
        }));
    }

    std::vector<rt::MessageRequest> Boxes() { return harness_.Dialogs().Messages(); }

    ProgramHarness harness_;
    testsupport::PrivateSessionBus bus_;
    std::unique_ptr<testsupport::ChildProcess> ide_;
};

// Opens ORDERS.DCT with the stand-in started with `options` and returns the
// one box the user was shown.
rt::MessageRequest OpenAgainstIde(OpenDictionaryTest& test, ProgramHarness& harness,
                                  std::vector<std::string> options) {
    test.StartIde(std::move(options));
    harness.Dialogs().QueueOpenFile(test.Dct("ORDERS.DCT").string());
    harness.Run([](ProgramHarness& h) {
        h.WaitForFrame();
        h.Choose(menu::Open);
        EXPECT_TRUE(h.Dialogs().WaitForMessages(1, std::chrono::seconds(30)));
        h.Choose(menu::Exit);
    });
    const auto boxes = harness.Dialogs().Messages();
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? rt::MessageRequest{} : boxes.front();
}

TEST_F(OpenDictionaryTest, DctWithTheIdeRunningIsExportedParsedAndTheExportDeleted) {
    StartIde({"--mode=export", "--export-source=" + SamplePath().string()});
    const fs::path dct = Dct("ORDERS.DCT");
    harness_.Dialogs().QueueOpenFile(dct.string());
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        h.Choose(menu::Open);
        EXPECT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        EXPECT_NE(framework::Model(), nullptr);
        EXPECT_FALSE(dictionary::Rows(framework::Model()->FILE).empty());
        EXPECT_FALSE(fs::exists(TempTxd()));
        h.Choose(menu::Exit);
    });
    const std::vector<std::string> log = IdeLog();
    ASSERT_EQ(log.size(), 4u);  // started once, by the test: nothing was launched
    EXPECT_EQ(log[2], "execute [ExportDct(" + dct.string() + "," + TempTxd().string() + ")]");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(OpenDictionaryTest, SecondDctOverwritesTheTemporaryExport) {
    StartIde({"--mode=export", "--export-source=" + SamplePath().string()});
    harness_.Dialogs().QueueOpenFile(Dct("FIRST.DCT").string());
    harness_.Dialogs().QueueOpenFile(Dct("SECOND.DCT").string());
    // A stale export from an earlier run must not be read instead.
    testsupport::WriteFile(TempTxd().string(), "[DICTIONARY]\r\nVERSION 'stale'\r\n");
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        for (int open = 0; open < 2; ++open) {
            const int before = framework::DisplayThread.load();
            h.Choose(menu::Open);
            EXPECT_TRUE(WaitUntil([&] {
                const int display = framework::DisplayThread.load();
                return display != 0 && display != before && h.DictionaryWindowOpen();
            }));
            EXPECT_NE(framework::Model()->VERSION, "'stale'");
        }
        h.Choose(menu::Exit);
    });
    EXPECT_EQ(IdeLog().size(), 6u);  // start, owner, and two exports
}

TEST_F(OpenDictionaryTest, AbsentIdeIsLaunchedTenTimesThenTheUserIsTold) {
    testsupport::WriteFile(IdeSettings().string(),
                           "; the IDE's own\r\n[Environment]\r\nautopick=on\r\n");
    testsupport::IdeOnPath onPath;
    testsupport::ScopedEnv mode("STAND_IN_IDE_MODE", "absent");
    testsupport::ScopedEnv log("STAND_IN_IDE_LOG", LogFile());
    harness_.Dialogs().QueueOpenFile(Dct("ORDERS.DCT").string());
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        h.Choose(menu::Open);
        EXPECT_TRUE(h.Dialogs().WaitForMessages(1, std::chrono::seconds(60)));
        // The path is forgotten once the box is answered, not before it shows.
        EXPECT_TRUE(WaitUntil([] { return framework::DictionaryPath.Get().empty(); }));
        EXPECT_EQ(framework::Model(), nullptr);
        h.Choose(menu::Exit);
    });
    EXPECT_EQ(IdeLog(), std::vector<std::string>(10, "start"));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Unable to run Velmora 4 after 10 attempts.");
    EXPECT_EQ(Boxes()[0].caption, "ERROR LAUNCHING Velmora 4");
    // Restored after the launches; the start-up's menu registration came before.
    const std::string settings = testsupport::ReadFile(IdeSettings().string());
    EXPECT_EQ(settings.rfind("; the IDE's own\r\n[Environment]\r\nautopick=on\r\n", 0), 0u)
        << settings;
}

TEST_F(OpenDictionaryTest, RefusalShowsTheIdesNumberAndMessage) {
    const rt::MessageRequest box = OpenAgainstIde(
        *this, harness_,
        {"--mode=refuse", "--error-number=42", "--error-message=Dictionary is locked"});
    EXPECT_EQ(box.text, "Error 42: Dictionary is locked");
    EXPECT_EQ(box.caption, "DDE ERROR");
}

TEST_F(OpenDictionaryTest, NoAnswerIsADdeTimeout) {
    const rt::MessageRequest box = OpenAgainstIde(*this, harness_, {"--mode=silent"});
    EXPECT_EQ(box.text, "DDE Timeout");
    EXPECT_EQ(box.caption, "DDE ERROR");
}

TEST_F(OpenDictionaryTest, CancelWithADictionaryLoadedChangesNothing) {
    harness_.Dialogs().QueueOpenFile(SamplePath().string());
    harness_.Dialogs().QueueOpenFile(std::nullopt);
    harness_.Run([&](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        const dictionary::DictionaryModel* loaded = framework::Model();
        h.Choose(menu::Open);
        EXPECT_TRUE(h.Dialogs().WaitForOpenFiles(2, std::chrono::seconds(20)));
        // The frame handles the next choice only after Open has returned.
        h.Choose(menu::Tile);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen("P1$WINDOW"); }));
        EXPECT_EQ(framework::Model(), loaded);
        EXPECT_TRUE(h.DictionaryWindowOpen());
        EXPECT_EQ(framework::DictionaryPath.Get(), SamplePath().string());
        EXPECT_TRUE(frame.IsEnabled(menu::Close));
        h.Choose(menu::Exit);
    });
}

TEST_F(OpenDictionaryTest, CancelWithoutADictionaryForgetsThePath) {
    rt::WriteProfileString("Defaults", "LastDictionaryUsed", SamplePath().string(), "KESTRIAN.INI");
    harness_.Dialogs().QueueOpenFile(std::nullopt);
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        h.Choose(menu::Open);
        EXPECT_TRUE(h.Dialogs().WaitForOpenFiles(1, std::chrono::seconds(20)));
        EXPECT_TRUE(WaitUntil([] { return framework::DictionaryPath.Get().empty(); }));
        h.Choose(menu::Exit);
    });
    EXPECT_EQ(harness_.Dialogs().OpenFileRequests()[0].initialPath, SamplePath().string());
    EXPECT_EQ(framework::Model(), nullptr);
}

TEST_F(OpenDictionaryTest, TypedNameThatDoesNotExistIsSavedAndReported) {
    const fs::path typed = harness_.Root() / "TYPO.TXD";
    harness_.Dialogs().QueueOpenFile(typed.string());
    harness_.Run([&](ProgramHarness& h) {
        h.WaitForFrame();
        h.Choose(menu::Open);
        EXPECT_TRUE(h.Dialogs().WaitForMessages(1, std::chrono::seconds(20)));
        h.Choose(menu::Exit);
    });
    EXPECT_EQ(rt::GetProfileString("Defaults", "LastDictionaryUsed", "", "KESTRIAN.INI"),
              typed.string());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "ERROR OPENING DICTIONARY");
    EXPECT_EQ(Boxes()[0].text, "Error 2 (File Not Found)\nattempting to open " + typed.string());
}

}  // namespace
