// A test bench for the IDE conversation: a private session bus, the drive root
// and settings folder in temporary folders, the current directory in a
// temporary folder, scripted dialogs and a recorder of status messages.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/ide_export.h"
#include "runtime/core/file_ops.h"
#include "runtime/core/paths.h"
#include "runtime/core/profile.h"
#include "runtime/dde_client.h"
#include "tests/support/child_process.h"
#include "tests/support/ide_stand_in.h"
#include "tests/support/private_session_bus.h"
#include "tests/support/scoped_settings.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/wait_until.h"

namespace testsupport {

class IdeFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        bus_ = std::make_unique<PrivateSessionBus>();
        ASSERT_TRUE(bus_->Started()) << "dbus-daemon could not be started";
        previousDirectory_ = rt::CurrentDirectory();
        ASSERT_TRUE(rt::SetCurrentDirectory(work_.Path()));
    }

    void TearDown() override {
        rt::SetCurrentDirectory(previousDirectory_);
        ide_.reset();
        bus_.reset();
    }

    // Starts the stand-in IDE with `options` and waits until it answers.
    void StartIde(std::vector<std::string> options = {}) {
        options.push_back("--log=" + logFile_);
        ide_ = std::make_unique<ChildProcess>(StandInIdeProgram(), options);
        ASSERT_TRUE(ide_->Started());
        // The name can be seen on the bus a moment before the stand-in notes it.
        ASSERT_TRUE(WaitUntil([this] {
            const std::vector<std::string> log = IdeLog();
            return rt::DdeServerPresent("VelmoraWin") && log.size() >= 2 && log[1] == "owner";
        }));
    }

    // The IDE's settings file, as this system names it.
    std::string IdeSettingsPath() const { return root_ / "Velmora4/BIN/Velmora4.INI"; }
    void WriteIdeSettings(const std::string& content) { WriteFile(IdeSettingsPath(), content); }
    std::string Autopick() const {
        return rt::GetProfileString("Environment", "autopick", "<none>", IdeSettingsPath());
    }

    std::vector<std::string> IdeLog() const { return ReadLines(logFile_); }
    std::string TempTxd() const { return work_ / "Temp.TXD"; }

    // Export settings that record status messages and launches; the launch
    // notes the IDE's autopick value at that moment.
    app::IdeExportSettings Settings() {
        app::IdeExportSettings settings;
        settings.showStatus = [this](const std::string& message) { statuses_.push_back(message); };
        settings.launcher.launch = [this](std::string_view commandLine) {
            launches_.push_back(std::string(commandLine) + " autopick=" + Autopick());
            return rt::LaunchProgram(commandLine);
        };
        return settings;
    }

    TempFolder root_;
    TempFolder config_;
    TempFolder work_;
    TempFolder logs_;
    std::string logFile_ = logs_ / "ide.log";
    ScopedEnv driveRoot_{"KESTRIAN_DRIVE_ROOT", root_.Path()};
    ScopedEnv configHome_{"XDG_CONFIG_HOME", config_.Path()};
    ScopedEnv ideLog_{"STAND_IN_IDE_LOG", logFile_};
    ScopedDialogs dialogs_;
    std::vector<std::string> statuses_;
    std::vector<std::string> launches_;
    std::unique_ptr<PrivateSessionBus> bus_;
    std::unique_ptr<ChildProcess> ide_;
    std::string previousDirectory_;

    // The message boxes shown so far, each as "text / caption / icon buttons default".
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const rt::MessageRequest& box : dialogs_->Messages()) {
            boxes.push_back(box.text + " / " + box.caption + " / " +
                            std::to_string(static_cast<int>(box.icon)) + " " +
                            std::to_string(box.buttons) + " " + std::to_string(box.defaultButton));
        }
        return boxes;
    }
};

// A box of the acquisition as Boxes() shows it: one OK button, no icon.
inline std::string Box(const std::string& text, const std::string& caption) {
    return text + " / " + caption + " / 0 1 1";
}

}  // namespace testsupport
