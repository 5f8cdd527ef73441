#include "app/ide_export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <stdexcept>

#include "tests/app/ide_fixture.h"

namespace {

using testsupport::Box;
using Lines = std::vector<std::string>;

const std::string kExporting = "Exporting dictionary...Please wait";
const std::string kLaunchFailed =
    Box("Unable to run Velmora 4 after 10 attempts.", "ERROR LAUNCHING Velmora 4");

std::string Launching(int attempt) {
    return "Launching Velmora 4 (Attempt " + std::to_string(attempt) + ")...Please wait";
}

class IdeExportTest : public testsupport::IdeFixture {
  protected:
    // A dictionary file; the stand-in "exports" it by copying its bytes.
    std::string Dictionary(const std::string& name, const std::string& content) {
        const std::string path = dictionaries_ / name;
        testsupport::WriteFile(path, content);
        return path;
    }

    bool Export(const std::string& dictionary) {
        return app::ExportThroughIde(dictionary, TempTxd(), settings_);
    }

    testsupport::TempFolder dictionaries_;
    app::IdeExportSettings settings_ = Settings();
};

TEST_F(IdeExportTest, RunningIdeExportsWithoutAnyLaunch) {
    const std::string dictionary = Dictionary("ORDERS.DCT", "[DICTIONARY]\r\n");
    StartIde();
    ASSERT_TRUE(Export(dictionary));
    EXPECT_EQ(statuses_, (Lines{"", kExporting, ""}));
    EXPECT_TRUE(launches_.empty());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(testsupport::ReadFile(TempTxd()), "[DICTIONARY]\r\n");
    EXPECT_EQ(IdeLog(),
              (Lines{"start", "owner", "execute [ExportDct(" + dictionary + "," + TempTxd() + ")]",
                     "exported " + TempTxd()}));
    EXPECT_EQ(rt::DdeTimeout(), 500);
}

TEST_F(IdeExportTest, SecondExportOverwritesTheTemporaryExport) {
    StartIde();
    ASSERT_TRUE(Export(Dictionary("FIRST.DCT", "first, and longer than the second\r\n")));
    ASSERT_TRUE(Export(Dictionary("SECOND.DCT", "second\r\n")));
    EXPECT_EQ(testsupport::ReadFile(TempTxd()), "second\r\n");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(IdeExportTest, AbsentIdeIsLaunchedTenTimesThenTheUserIsTold) {
    WriteIdeSettings("[Environment]\r\nautopick=on\r\n");
    testsupport::IdeOnPath onPath;
    testsupport::ScopedEnv mode("STAND_IN_IDE_MODE", "absent");  // starts, never answers
    EXPECT_FALSE(Export(Dictionary("ORDERS.DCT", "x")));

    Lines expected;
    for (int attempt = 1; attempt <= 10; ++attempt) expected.push_back(Launching(attempt));
    expected.push_back("");
    EXPECT_EQ(statuses_, expected);
    EXPECT_EQ(launches_, Lines(10, "Velmora4.EXE autopick=off"));
    EXPECT_EQ(IdeLog(), Lines(10, "start"));  // each launch really started the program
    EXPECT_EQ(Autopick(), "on");
    EXPECT_EQ(Boxes(), Lines{kLaunchFailed});
    EXPECT_FALSE(std::filesystem::exists(TempTxd()));
}

TEST_F(IdeExportTest, IdeNotInstalledEndsTheSameWay) {
    testsupport::ScopedEnv path("PATH", dictionaries_.Path());
    EXPECT_FALSE(Export(Dictionary("ORDERS.DCT", "x")));
    EXPECT_EQ(statuses_.size(), 11u);
    EXPECT_EQ(statuses_.at(9), Launching(10));
    EXPECT_EQ(launches_.size(), 10u);
    EXPECT_EQ(Boxes(), Lines{kLaunchFailed});
}

TEST_F(IdeExportTest, LaunchedIdeIsWaitedForAndThenExports) {
    WriteIdeSettings("[Environment]\r\nautopick=Last Project\r\n");
    testsupport::IdeOnPath onPath;
    testsupport::ScopedEnv mode("STAND_IN_IDE_MODE", "export");
    const std::string dictionary = Dictionary("ORDERS.DCT", "orders\r\n");
    ASSERT_TRUE(Export(dictionary));
    EXPECT_EQ(statuses_, (Lines{Launching(1), "", kExporting, ""}));
    EXPECT_EQ(launches_, Lines{"Velmora4.EXE autopick=off"});
    EXPECT_EQ(Autopick(), "Last Project");  // restored although the loop ended early
    EXPECT_EQ(testsupport::ReadFile(TempTxd()), "orders\r\n");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(IdeExportTest, AutopickIsRestoredWhenTheLoopIsLeftByAnException) {
    WriteIdeSettings("[Environment]\r\nautopick=on\r\n");
    settings_.showStatus = [](const std::string&) { throw std::runtime_error("status"); };
    EXPECT_THROW(Export(Dictionary("ORDERS.DCT", "x")), std::runtime_error);
    EXPECT_EQ(Autopick(), "on");
}

TEST_F(IdeExportTest, IdeSettingsAreNotWrittenWithoutAnAutopickValue) {
    WriteIdeSettings("[Environment]\r\nautopick=   \r\n");
    const std::string before = testsupport::ReadFile(IdeSettingsPath());
    settings_.launcher.launch = [this](std::string_view) {
        launches_.push_back(Autopick());
        return rt::LaunchedProgram();
    };
    EXPECT_FALSE(Export(Dictionary("ORDERS.DCT", "x")));
    EXPECT_EQ(launches_, Lines(10, ""));
    EXPECT_EQ(testsupport::ReadFile(IdeSettingsPath()), before);
}

TEST_F(IdeExportTest, ReadOnlyIdeSettingsAreLeftAloneAndTheLaunchGoesOn) {
    WriteIdeSettings("[Environment]\r\nautopick=on\r\n");
    ASSERT_EQ(chmod(IdeSettingsPath().c_str(), 0444), 0);
    settings_.launcher.launch = [this](std::string_view) {
        launches_.push_back(Autopick());
        return rt::LaunchedProgram();
    };
    EXPECT_FALSE(Export(Dictionary("ORDERS.DCT", "x")));
    EXPECT_EQ(launches_, Lines(10, "on"));
    EXPECT_EQ(testsupport::ReadFile(IdeSettingsPath()), "[Environment]\r\nautopick=on\r\n");
    EXPECT_EQ(Boxes(), Lines{kLaunchFailed});
}

TEST_F(IdeExportTest, RefusalShowsTheIdesNumberAndMessage) {
    StartIde({"--mode=refuse", "--error-number=47",
              "--error-message=Dictionary ORDERS is locked by another user"});
    EXPECT_FALSE(Export(Dictionary("ORDERS.DCT", "x")));
    EXPECT_EQ(Boxes(), Lines{Box("Error 47: Dictionary ORDERS is locked by a", "DDE ERROR")});
    EXPECT_EQ(statuses_, (Lines{"", kExporting, ""}));
    const Lines log = IdeLog();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log.at(3), "failed Dictionary ORDERS is locked by another user");
    EXPECT_EQ(log.at(4), "request GetErrorNum");
    EXPECT_EQ(log.at(5), "request GetErrorMsg");
}

TEST_F(IdeExportTest, RefusalWithAShortMessage) {
    StartIde({"--mode=refuse", "--error-number=-3", "--error-message=Locked  "});
    EXPECT_FALSE(Export(Dictionary("ORDERS.DCT", "x")));
    EXPECT_EQ(Boxes(), Lines{Box("Error -3: Locked", "DDE ERROR")});
}

TEST_F(IdeExportTest, NoAnswerInTimeIsADdeTimeout) {
    StartIde({"--mode=silent"});
    settings_.ddeTimeout = 20;
    EXPECT_FALSE(Export(Dictionary("ORDERS.DCT", "x")));
    EXPECT_EQ(Boxes(), Lines{Box("DDE Timeout", "DDE ERROR")});
    EXPECT_EQ(rt::DdeTimeout(), 20);
}

TEST_F(IdeExportTest, OtherConversationErrorsShowTheRuntimesCodeAndText) {
    StartIde();
    // The IDE goes away between the connection and the export command.
    settings_.showStatus = [this](const std::string& message) {
        statuses_.push_back(message);
        if (message == kExporting) {
            ide_->Stop();
            ASSERT_TRUE(testsupport::WaitUntil([] { return !rt::DdeServerPresent("VelmoraWin"); }));
        }
    };
    EXPECT_FALSE(Export(Dictionary("ORDERS.DCT", "x")));
    EXPECT_EQ(Boxes(), Lines{Box("Error 602: DDE channel is not open", "ERROR")});
    EXPECT_EQ(statuses_, (Lines{"", kExporting, ""}));
}

TEST_F(IdeExportTest, PathsTheCommandCannotCarryAreRefusedBeforeTheIdeIsReached) {
    StartIde();
    for (const std::string name : {"My Orders.DCT", "ORDERS,OLD.DCT", "ORDERS(1).DCT",
                                   "ORDERS)].DCT", "[ORDERS].DCT", "O\"RDERS.DCT"}) {
        const std::string dictionary = Dictionary(name, "x");
        EXPECT_FALSE(Export(dictionary)) << name;
        EXPECT_EQ(Boxes().back(), Box(app::UnsafeDictionaryPathMessage(dictionary), "ERROR"));
    }
    EXPECT_EQ(Boxes().size(), 6u);
    EXPECT_TRUE(statuses_.empty());
    EXPECT_EQ(IdeLog(), (Lines{"start", "owner"}));  // nothing was sent
    EXPECT_FALSE(std::filesystem::exists(TempTxd()));
}

TEST_F(IdeExportTest, ExportIntoAFolderTheCommandCannotCarryIsRefused) {
    StartIde();
    const std::string folder = work_ / "Exports (old)";
    std::filesystem::create_directory(folder);
    const std::string txd = folder + "/Temp.TXD";
    EXPECT_FALSE(app::ExportThroughIde(Dictionary("ORDERS.DCT", "x"), txd, settings_));
    EXPECT_EQ(Boxes(), Lines{Box(app::UnsafeExportPathMessage(txd), "ERROR")});
    EXPECT_EQ(IdeLog(), (Lines{"start", "owner"}));
}

TEST(UnsafePathMessages, ShowThePathAsProgramText) {
    EXPECT_EQ(app::UnsafeDictionaryPathMessage("/donn\xC3\xA9"
                                               "es x/A.DCT")
                  .rfind("The dictionary /donn\xE9"
                         "es x/A.DCT cannot be exported: ",
                         0),
              0u);
    EXPECT_EQ(app::UnsafeExportPathMessage("/a b/Temp.TXD")
                  .rfind("The dictionary cannot be exported to /a b/Temp.TXD: ", 0),
              0u);
}

TEST_F(IdeExportTest, PathsWithOtherPunctuationAreSentExactly) {
    StartIde();
    const std::string dictionary = Dictionary("orders-v2_final.+~#&.dct", "y\r\n");
    ASSERT_TRUE(Export(dictionary));
    EXPECT_EQ(IdeLog().at(2), "execute [ExportDct(" + dictionary + "," + TempTxd() + ")]");
    EXPECT_EQ(testsupport::ReadFile(TempTxd()), "y\r\n");
}

}  // namespace
