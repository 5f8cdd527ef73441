#include "tests/e2e/program_harness.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <thread>

#include "app/layouts.h"
#include "app/program_main.h"
#include "framework/globals.h"
#include "runtime/application.h"
#include "runtime/program_threads.h"

namespace e2e {

std::filesystem::path SamplePath() {
    return std::filesystem::path(KESTRIAN_SOURCE_DIR) / "samples" / "SAMPLE.TXD";
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

ProgramHarness::ProgramHarness() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrian-e2e-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    std::filesystem::create_directories(root_ / "config");
    std::filesystem::create_directories(root_ / "drive");
    std::filesystem::create_directories(WorkFolder());
    setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    setenv("KESTRIAN_DRIVE_ROOT", (root_ / "drive").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    previousDirectory_ = std::filesystem::current_path();
    std::filesystem::current_path(WorkFolder());
}

ProgramHarness::~ProgramHarness() {
    std::error_code ignored;
    std::filesystem::current_path(previousDirectory_, ignored);
    std::filesystem::permissions(WorkFolder(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
}

int ProgramHarness::Run(const std::function<void(ProgramHarness&)>& driver,
                        const std::string& startDictionary) {
    std::atomic<bool> ended{false};
    std::thread user([&] {
        driver(*this);
        // A driver cut short by a failed assertion never chose Exit: end the
        // program so that the test fails at once instead of hanging.
        if (testing::Test::HasFatalFailure()) Choose(app::frame_menu::Exit);
        // The session is over and the program must end by itself. One that
        // does not fails the test and is closed down: each close-down ends
        // the window on top of each thread, so it is repeated until the
        // program has ended.
        if (WaitUntil([&] { return ended.load(); }, endDeadline_)) return;
        ADD_FAILURE() << "the program did not end after the session";
        while (!WaitUntil([&] { return ended.load(); }, std::chrono::seconds(1)))
            rt::CloseDownOtherThreads(std::chrono::milliseconds(0));
    });
    const int code = rt::RunApplication([&] { app::Main(startDictionary); },
                                        /*keepDialogService=*/true);
    ended.store(true);
    user.join();
    return code;
}

rt::WindowRef ProgramHarness::WaitForFrame() {
    EXPECT_TRUE(WaitUntil([] { return !framework::FrameWindow().IsNull(); }));
    return framework::FrameWindow();
}

void ProgramHarness::Choose(int menuItem) {
    const rt::WindowRef frame = framework::FrameWindow();
    frame.PostEvent(rt::event::Accepted, menuItem);
}

int ProgramHarness::CountWindows(const std::string& label) const {
    int count = 0;
    for (const rt::OpenWindowInfo& info : rt::OpenWindows())
        if (info.label == label) ++count;
    return count;
}

bool ProgramHarness::WindowOpen(const std::string& label) const {
    return CountWindows(label) > 0;
}

}  // namespace e2e
