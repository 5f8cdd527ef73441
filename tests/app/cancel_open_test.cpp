#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/dictionary_lifecycle.h"
#include "framework/globals.h"
#include "runtime/core/file_ops.h"
#include "runtime/core/paths.h"
#include "runtime/event_queue.h"
#include "runtime/events.h"
#include "runtime/program_threads.h"
#include "tests/support/scoped_settings.h"
#include "tests/support/wait_until.h"

namespace {

class CancelOpenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousDirectory_ = rt::CurrentDirectory();
        ASSERT_TRUE(rt::SetCurrentDirectory(work_.Path()));  // a release writes TEST.TXD here
        framework::DictionaryPath.Set("/d/ORDERS.DCT");
    }
    void TearDown() override {
        framework::ReleaseLoadedModel();
        framework::DisplayThread.store(0);
        rt::SetCurrentDirectory(previousDirectory_);
    }

    // A program thread standing for the dictionary window: it records the
    // first event it is sent.
    int StartDisplay() {
        return rt::Start([this] {
            if (auto event = rt::ThisQueue()->WaitUntil(std::nullopt)) received_ = event->number;
        });
    }

    testsupport::TempFolder work_;
    std::string previousDirectory_;
    std::atomic<int> received_{0};
};

TEST_F(CancelOpenTest, WithoutAModelBlanksThePathAndClosesTheDisplay) {
    const int display = StartDisplay();
    framework::DisplayThread.store(display);
    app::Dictionary().CancelOpen();
    EXPECT_EQ(framework::DictionaryPath.Get(), "");
    EXPECT_EQ(framework::DisplayThread.load(), 0);
    ASSERT_TRUE(testsupport::WaitUntil([this] { return received_.load() != 0; }));
    EXPECT_EQ(received_.load(), rt::event::CloseWindow);
    rt::ReapThreads();
}

TEST_F(CancelOpenTest, WithoutADisplayOnlyBlanksThePath) {
    app::Dictionary().CancelOpen();
    EXPECT_EQ(framework::DictionaryPath.Get(), "");
    EXPECT_EQ(framework::DisplayThread.load(), 0);
}

TEST_F(CancelOpenTest, WithAModelLoadedChangesNothing) {
    framework::CreateModel();
    framework::DisplayThread.store(7);
    app::Dictionary().CancelOpen();
    EXPECT_EQ(framework::DictionaryPath.Get(), "/d/ORDERS.DCT");
    EXPECT_EQ(framework::DisplayThread.load(), 7);
}

TEST_F(CancelOpenTest, CloseWaitsForTheDictionaryWindowThenReleasesTheModel) {
    framework::CreateModel();
    const int display = StartDisplay();
    framework::DisplayThread.store(display);
    app::Dictionary().Close();
    EXPECT_FALSE(rt::ThreadExists(display));  // ended before Close returned
    EXPECT_EQ(received_.load(), rt::event::CloseWindow);
    EXPECT_EQ(framework::DisplayThread.load(), 0);
    EXPECT_EQ(framework::Model(), nullptr);
    EXPECT_EQ(framework::DictionaryPath.Get(), "/d/ORDERS.DCT");  // Close keeps the path
    rt::ReapThreads();
}

}  // namespace
