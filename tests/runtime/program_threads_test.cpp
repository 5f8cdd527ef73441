// Program threads and their event queues, without any window.
#include "runtime/program_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "runtime/event_queue.h"
#include "runtime/text_codec.h"

namespace {

using namespace std::chrono_literals;

TEST(EventQueue, KeepsOrderAndLetsAnEventJumpTheQueue) {
    rt::EventQueue queue;
    queue.Push({1, 0, 0, 0});
    queue.Push({2, 0, 0, 0});
    queue.PushFront({3, 0, 0, 0});
    EXPECT_EQ(queue.TryPop()->number, 3);
    EXPECT_EQ(queue.TryPop()->number, 1);
    EXPECT_EQ(queue.WaitUntil(std::nullopt)->number, 2);
    EXPECT_FALSE(queue.TryPop());
    // An empty queue gives nothing once the deadline has passed.
    EXPECT_FALSE(queue.WaitUntil(std::chrono::steady_clock::now() + 1ms));
}

TEST(EventQueue, WakesAWaiterWhenAnEventArrives) {
    rt::EventQueue queue;
    std::thread poster([&] { queue.Push({rt::event::Accepted, -2, 0, 0}); });
    const auto event = queue.WaitUntil(std::chrono::steady_clock::now() + 20s);
    poster.join();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->control, -2);
}

TEST(ProgramThreads, NumberedFromOneWithTheirOwnQueues) {
    std::atomic<int> seen{0};
    std::atomic<int> self{0};
    const int thread = rt::Start([&] {
        self = rt::ThisThread();
        rt::EventQueue* queue = rt::ThisQueue();
        const auto event = queue->WaitUntil(std::chrono::steady_clock::now() + 20s);
        seen = event ? event->number : -1;
    });
    EXPECT_GE(thread, 1);
    rt::Post(900, 0, thread);
    EXPECT_TRUE(rt::WaitForThreadEnd(thread, 20s));
    EXPECT_EQ(self.load(), thread);
    EXPECT_EQ(seen.load(), 900);
    EXPECT_FALSE(rt::ThreadExists(thread));
    EXPECT_EQ(rt::ThisThread(), 0);  // the test's own thread is not a program thread
    const int next = rt::Start([] {});
    EXPECT_GT(next, thread);
    EXPECT_TRUE(rt::WaitForThreadEnd(next, 20s));
    rt::ReapThreads();
}

TEST(ProgramThreads, PostsToAThreadThatIsGoneAreDropped) {
    const int thread = rt::Start([] {});
    ASSERT_TRUE(rt::WaitForThreadEnd(thread, 20s));
    rt::Post(rt::event::CloseWindow, 0, thread);  // must not crash or block
    EXPECT_EQ(rt::LiveThreadCount(), 0);
    rt::ReapThreads();
}

TEST(ProgramThreads, CloseDownReachesEveryOtherThread) {
    std::atomic<int> closedDown{0};
    auto waiter = [&] {
        const auto event = rt::ThisQueue()->WaitUntil(std::nullopt);
        if (event && event->number == rt::event::CloseDown) ++closedDown;
    };
    rt::Start(waiter);
    rt::Start(waiter);
    std::atomic<bool> done{false};
    rt::Start([&] { done = rt::CloseDownOtherThreads(20s); });
    rt::ReapThreads();
    EXPECT_TRUE(done.load());
    EXPECT_EQ(closedDown.load(), 2);
    EXPECT_EQ(rt::LiveThreadCount(), 0);
}

TEST(ProgramThreads, AnEscapingErrorEndsOnlyItsThread) {
    const int thread = rt::Start([] { throw std::runtime_error("boom"); });
    EXPECT_TRUE(rt::WaitForThreadEnd(thread, 20s));
    rt::ReapThreads();
}

TEST(TextCodec, Windows1252RoundTripsThroughUnicode) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    const QString text = rt::FromWin1252(all);
    EXPECT_EQ(text.at(0x80 - 1), QChar(0x20AC));  // the euro sign
    EXPECT_EQ(text.at(0xE9 - 1), QChar(0xE9));
    EXPECT_EQ(rt::ToWin1252(text), all);
    EXPECT_EQ(rt::ToWin1252(QString::fromUtf8("\xE2\x98\x83")), "?");  // no such character
}

}  // namespace
