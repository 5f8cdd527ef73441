// Runs the real program in this process under the offscreen platform while a
// driver thread plays the user: it posts menu choices and checks the screen.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "runtime/window.h"
#include "tests/support/scripted_dialogs.h"

namespace e2e {

// The bundled sample export.
std::filesystem::path SamplePath();

// Waits until `condition` holds, polling; false after the deadline.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds deadline = std::chrono::seconds(20));

class ProgramHarness {
  public:
    // A private settings folder, drive root and current directory.
    ProgramHarness();
    ~ProgramHarness();

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path SettingsFolder() const { return root_ / "config" / "kestrian"; }
    std::filesystem::path WorkFolder() const { return root_ / "work"; }
    testsupport::ScriptedDialogs& Dialogs() { return *dialogs_; }

    // Runs the program's Main until it ends, with `driver` on its own thread;
    // `startDictionary` as if named on the command line.
    // A program that has not ended within the end deadline after the driver
    // returned fails the test and is closed down. Returns the program's exit
    // code.
    int Run(const std::function<void(ProgramHarness&)>& driver,
            const std::string& startDictionary = {});
    // How long the program may take to end after the driver (a minute).
    void SetEndDeadline(std::chrono::milliseconds deadline) { endDeadline_ = deadline; }

    // Driver helpers.
    rt::WindowRef WaitForFrame();
    void Choose(int menuItem);
    bool WindowOpen(const std::string& label) const;
    int CountWindows(const std::string& label) const;
    bool DictionaryWindowOpen() const { return WindowOpen("P1$DCTWINDOW"); }

  private:
    std::filesystem::path root_;
    std::filesystem::path previousDirectory_;
    testsupport::ScopedDialogs dialogs_;
    std::chrono::milliseconds endDeadline_ = std::chrono::minutes(1);
};

}  // namespace e2e
