#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "runtime/dialogs.h"

namespace {

using namespace std::chrono_literals;

TEST(ScriptedDialogs, EmptyQueuesGiveTheDefaultAnswers) {
    testsupport::ScriptedDialogs dialogs;
    EXPECT_EQ(dialogs.Message({"Text", "Caption", rt::Icon::Question, rt::ButtonYes | rt::ButtonNo,
                               rt::ButtonNo}),
              rt::ButtonNo);
    EXPECT_EQ(dialogs.OpenFile({"Open", {}, ""}), std::nullopt);
    EXPECT_FALSE(dialogs.PrinterSetup({}));
}

TEST(ScriptedDialogs, QueuedAnswersAreUsedInOrder) {
    testsupport::ScriptedDialogs dialogs;
    dialogs.QueueMessageAnswer(rt::ButtonRetry);
    dialogs.QueueMessageAnswer(rt::ButtonAbort);
    dialogs.QueueOpenFile("/tmp/a.txd");
    dialogs.QueueOpenFile(std::nullopt);
    dialogs.QueueOpenFile("/tmp/b.dct");
    dialogs.QueuePrinterSetup(true);

    const rt::MessageRequest box{"T", "C", rt::Icon::Error, rt::ButtonAbort | rt::ButtonRetry,
                                 rt::ButtonRetry};
    EXPECT_EQ(dialogs.Message(box), rt::ButtonRetry);
    EXPECT_EQ(dialogs.Message(box), rt::ButtonAbort);
    EXPECT_EQ(dialogs.Message(box), rt::ButtonRetry);  // queue used up: the default
    EXPECT_EQ(dialogs.OpenFile({}), "/tmp/a.txd");
    EXPECT_EQ(dialogs.OpenFile({}), std::nullopt);
    EXPECT_EQ(dialogs.OpenFile({}), "/tmp/b.dct");
    EXPECT_EQ(dialogs.OpenFile({}), std::nullopt);
    EXPECT_TRUE(dialogs.PrinterSetup({}));
    EXPECT_FALSE(dialogs.PrinterSetup({}));
    EXPECT_EQ(dialogs.PrinterSetupCount(), 2u);
}

TEST(ScriptedDialogs, RecordsEveryRequest) {
    testsupport::ScriptedDialogs dialogs;
    dialogs.Message({"First", "One", rt::Icon::Information, rt::ButtonOk, rt::ButtonOk});
    dialogs.Message(
        {"Second", "Two", rt::Icon::Warning, rt::ButtonYes | rt::ButtonNo, rt::ButtonYes});
    dialogs.OpenFile({"Pick a dictionary", {{"Dictionaries", "*.DCT;*.TXD"}}, "/home"});

    const auto messages = dialogs.Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "First");
    EXPECT_EQ(messages[0].caption, "One");
    EXPECT_EQ(messages[1].icon, rt::Icon::Warning);
    EXPECT_EQ(messages[1].buttons, rt::ButtonYes | rt::ButtonNo);
    const auto opens = dialogs.OpenFileRequests();
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].title, "Pick a dictionary");
    ASSERT_EQ(opens[0].filters.size(), 1u);
    EXPECT_EQ(opens[0].filters[0].pattern, "*.DCT;*.TXD");
    EXPECT_EQ(opens[0].initialPath, "/home");
}

TEST(ScriptedDialogs, WaitsForMessagesFromOtherThreads) {
    testsupport::ScriptedDialogs dialogs;
    EXPECT_FALSE(dialogs.WaitForMessages(1, 0ms));
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&dialogs] {
            for (int j = 0; j < 25; ++j) dialogs.Message({"From a thread", "", {}, 1, 1});
            dialogs.OpenFile({});
        });
    }
    EXPECT_TRUE(dialogs.WaitForMessages(100, 60s));
    EXPECT_TRUE(dialogs.WaitForOpenFiles(4, 60s));
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(dialogs.Messages().size(), 100u);
}

TEST(ScopedDialogs, InstallsAndRestoresTheService) {
    rt::DialogService* before = &rt::Dialogs();
    {
        testsupport::ScopedDialogs scoped;
        EXPECT_EQ(&rt::Dialogs(), scoped.Service().get());
        scoped->QueueMessageAnswer(rt::ButtonNo);
        EXPECT_EQ(rt::Message("Shown", "Here", rt::Icon::None, rt::ButtonYes | rt::ButtonNo,
                              rt::ButtonYes),
                  rt::ButtonNo);
        ASSERT_EQ(scoped->Messages().size(), 1u);
        EXPECT_EQ(scoped->Messages()[0].text, "Shown");
    }
    EXPECT_EQ(&rt::Dialogs(), before);
}

}  // namespace
