#include "app/dictionary_acquisition.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/app/ide_fixture.h"

namespace {

using testsupport::Box;
using Lines = std::vector<std::string>;

std::string LastDictionaryUsed() {
    return rt::GetProfileString("Defaults", "LastDictionaryUsed", "<none>", "KESTRIAN.INI");
}

TEST(DictionaryDialog, RequestsTheVelmoraDictionariesDialog) {
    const rt::OpenFileRequest request = app::DictionaryDialogRequest("");
    EXPECT_EQ(request.title, "Velmora Dictionaries");
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].name, "Velmora Dictionaries (*.DCT)");
    EXPECT_EQ(request.filters[0].pattern, "*.DCT");
    EXPECT_EQ(request.filters[1].name, "Exported Text (*.TXD)");
    EXPECT_EQ(request.filters[1].pattern, "*.TXD");
    EXPECT_EQ(request.initialPath, "");
}

TEST(DictionaryDialog, StartsFromTheLastChoiceOrTheNearestFolderThatStillExists) {
    testsupport::TempFolder folder;
    const std::string existing = folder / "ORDERS.DCT";
    EXPECT_EQ(app::DialogStartPath(existing), existing);  // the file itself need not exist
    EXPECT_EQ(app::DialogStartPath(folder / "gone/deeper/ORDERS.DCT"), folder.Path());
    EXPECT_EQ(app::DialogStartPath("ORDERS.DCT"), "ORDERS.DCT");
    EXPECT_EQ(app::DialogStartPath("gone/ORDERS.DCT"), "");
    EXPECT_EQ(app::DialogStartPath(""), "");
    EXPECT_EQ(app::DictionaryDialogRequest(existing).initialPath, existing);
}

TEST(DictionaryKind, LastThreeCharactersDecideInAnyCase) {
    EXPECT_TRUE(app::IsDctPath("/d/ORDERS.DCT"));
    EXPECT_TRUE(app::IsDctPath("/d/orders.dct"));
    EXPECT_TRUE(app::IsDctPath("/d/orders.Dct"));
    EXPECT_TRUE(app::IsDctPath("ORDERSDCT"));
    EXPECT_FALSE(app::IsDctPath("/d/ORDERS.TXD"));
    EXPECT_FALSE(app::IsDctPath("/d/ORDERS.DCT "));
    EXPECT_FALSE(app::IsDctPath("CT"));
    EXPECT_FALSE(app::IsDctPath(""));
}

class AcquisitionTest : public testsupport::IdeFixture {
  protected:
    app::Acquisition Acquire() {
        app::AcquisitionHooks hooks;
        const app::IdeExportSettings settings = Settings();
        hooks.showStatus = settings.showStatus;
        hooks.launcher = settings.launcher;
        hooks.redraw = [this] { redrawSawChoice_.push_back(LastDictionaryUsed()); };
        return app::AcquireDictionary(state_, hooks);
    }

    void SetLastDictionary(const std::string& path) {
        ASSERT_TRUE(rt::WriteProfileString("Defaults", "LastDictionaryUsed", path, "KESTRIAN.INI"));
    }

    app::AcquisitionState state_{"/old/ORDERS.DCT", "/old/Temp.TXD", true};
    std::vector<std::string> redrawSawChoice_;
    testsupport::TempFolder dictionaries_;
};

TEST_F(AcquisitionTest, TemporaryExportIsInTheCurrentDirectory) {
    EXPECT_EQ(app::TempExportPath(), rt::CurrentDirectory() + "/Temp.TXD");
    EXPECT_EQ(app::TempExportPath(), TempTxd());
}

TEST_F(AcquisitionTest, CancelLeavesTheLastChoiceInDictionaryPath) {
    const std::string last = dictionaries_ / "LAST.DCT";
    SetLastDictionary(last);
    dialogs_->QueueOpenFile(std::nullopt);
    EXPECT_EQ(Acquire(), app::Acquisition::Cancelled);
    EXPECT_EQ(state_.dictionaryPath, last);
    EXPECT_EQ(state_.txdPath, "/old/Temp.TXD");
    EXPECT_TRUE(state_.tempExport);
    EXPECT_EQ(LastDictionaryUsed(), last);
    ASSERT_EQ(dialogs_->OpenFileRequests().size(), 1u);
    EXPECT_EQ(dialogs_->OpenFileRequests()[0].initialPath, last);
    EXPECT_TRUE(redrawSawChoice_.empty());
}

TEST_F(AcquisitionTest, NoLastChoiceStartsBlank) {
    EXPECT_EQ(Acquire(), app::Acquisition::Cancelled);
    EXPECT_EQ(state_.dictionaryPath, "");
    EXPECT_EQ(dialogs_->OpenFileRequests().at(0).initialPath, "");
}

TEST_F(AcquisitionTest, TextExportIsUsedAsItIs) {
    const std::string txd = dictionaries_ / "orders.txd";
    testsupport::WriteFile(txd, "x");
    dialogs_->QueueOpenFile(txd);
    EXPECT_EQ(Acquire(), app::Acquisition::Ready);
    EXPECT_EQ(state_.dictionaryPath, txd);
    EXPECT_EQ(state_.txdPath, txd);
    EXPECT_FALSE(state_.tempExport);
    EXPECT_EQ(LastDictionaryUsed(), txd);
    EXPECT_EQ(redrawSawChoice_, Lines{"<none>"});  // redrawn before the choice is saved
    EXPECT_TRUE(statuses_.empty());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(AcquisitionTest, TypedNameThatDoesNotExistIsKeptAsTyped) {
    const std::string typed = dictionaries_ / "missing.TXD";
    dialogs_->QueueOpenFile(typed);
    EXPECT_EQ(Acquire(), app::Acquisition::Ready);
    EXPECT_EQ(state_.txdPath, typed);
    EXPECT_EQ(LastDictionaryUsed(), typed);
}

TEST_F(AcquisitionTest, LowerCaseDctIsExportedThroughTheRunningIde) {
    const std::string dct = dictionaries_ / "orders.dct";
    testsupport::WriteFile(dct, "[DICTIONARY]\r\n");
    StartIde();
    dialogs_->QueueOpenFile(dct);
    EXPECT_EQ(Acquire(), app::Acquisition::Ready);
    EXPECT_EQ(state_.dictionaryPath, dct);
    EXPECT_EQ(state_.txdPath, TempTxd());
    EXPECT_TRUE(state_.tempExport);
    EXPECT_EQ(testsupport::ReadFile(TempTxd()), "[DICTIONARY]\r\n");
    EXPECT_EQ(statuses_, (Lines{"", "Exporting dictionary...Please wait", ""}));
    EXPECT_TRUE(launches_.empty());
}

TEST_F(AcquisitionTest, FailedExportKeepsTheChoiceAndTheAttemptsPaths) {
    const std::string dct = dictionaries_ / "ORDERS.DCT";
    testsupport::WriteFile(dct, "x");
    testsupport::ScopedEnv path("PATH", dictionaries_.Path());  // no IDE to launch
    dialogs_->QueueOpenFile(dct);
    EXPECT_EQ(Acquire(), app::Acquisition::Failed);
    EXPECT_EQ(LastDictionaryUsed(), dct);
    EXPECT_EQ(state_.dictionaryPath, dct);
    EXPECT_EQ(state_.txdPath, TempTxd());
    EXPECT_TRUE(state_.tempExport);
    EXPECT_EQ(launches_.size(), 10u);
    EXPECT_EQ(Boxes(), Lines{Box("Unable to run Velmora 4 after 10 attempts.",
                                 "ERROR LAUNCHING Velmora 4")});
}

TEST_F(AcquisitionTest, DictionaryInAFolderWithBlanksIsRefusedWithoutLaunching) {
    const std::string folder = dictionaries_ / "My Dictionaries";
    std::filesystem::create_directory(folder);
    const std::string dct = folder + "/ORDERS.DCT";
    testsupport::WriteFile(dct, "x");
    dialogs_->QueueOpenFile(dct);
    EXPECT_EQ(Acquire(), app::Acquisition::Failed);
    EXPECT_EQ(LastDictionaryUsed(), dct);
    EXPECT_TRUE(launches_.empty());
    EXPECT_TRUE(statuses_.empty());
    EXPECT_EQ(Boxes(), Lines{Box(app::UnsafeDictionaryPathMessage(dct), "ERROR")});
}

}  // namespace
