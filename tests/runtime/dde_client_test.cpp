#include "runtime/dde_client.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <thread>

#include "runtime/core/error_state.h"
#include "tests/support/child_process.h"
#include "tests/support/ide_stand_in.h"
#include "tests/support/private_session_bus.h"
#include "tests/support/wait_until.h"

namespace {

constexpr const char* kService = "VelmoraWin";

class DdeClientTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { bus_ = std::make_unique<testsupport::PrivateSessionBus>(); }
    static void TearDownTestSuite() { bus_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(bus_->Started()) << "dbus-daemon could not be started";
        rt::SetDdeTimeout(500);
    }

    // Starts the stand-in IDE with `options` and waits until it owns its name.
    void StartIde(std::vector<std::string> options) {
        options.push_back("--log=" + log_);
        ide_ =
            std::make_unique<testsupport::ChildProcess>(testsupport::StandInIdeProgram(), options);
        ASSERT_TRUE(ide_->Started());
        // The name can be seen on the bus a moment before the stand-in notes it.
        ASSERT_TRUE(testsupport::WaitUntil([this] {
            const std::vector<std::string> log = Log();
            return rt::DdeServerPresent(kService) && log.size() >= 2 && log[1] == "owner";
        }));
    }

    std::vector<std::string> Log() const { return testsupport::ReadLines(log_); }

    static std::unique_ptr<testsupport::PrivateSessionBus> bus_;
    testsupport::TempFolder folder_;
    std::string log_ = (folder_ / "ide.log");
    std::unique_ptr<testsupport::ChildProcess> ide_;
};

std::unique_ptr<testsupport::PrivateSessionBus> DdeClientTest::bus_;

TEST_F(DdeClientTest, ServiceNamesMapToBusNames) {
    EXPECT_EQ(rt::DdeBusName("VelmoraWin"), "org.velmora.VelmoraWin");
}

TEST_F(DdeClientTest, NoChannelWhileNobodyOwnsTheName) {
    EXPECT_FALSE(rt::DdeServerPresent(kService));
    EXPECT_EQ(rt::DdeClient(kService), 0);
    EXPECT_EQ(rt::ErrorCode(), 0);
}

TEST_F(DdeClientTest, NoChannelWithoutASessionBus) {
    StartIde({});
    testsupport::ScopedEnv noBus("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (folder_ / "no-bus"));
    EXPECT_FALSE(rt::DdeServerPresent(kService));
    EXPECT_EQ(rt::DdeClient(kService), 0);
}

TEST_F(DdeClientTest, TimeOutIsProcessWide) {
    rt::SetDdeTimeout(123);
    std::thread([] { EXPECT_EQ(rt::DdeTimeout(), 123); }).join();
}

TEST_F(DdeClientTest, ExecuteIsAcknowledgedAfterTheServerHasDoneIt) {
    const std::string dictionary = (folder_ / "ORDERS.DCT");
    const std::string text = (folder_ / "Temp.TXD");
    testsupport::WriteFile(dictionary, "!export\n");
    StartIde({});
    const rt::DdeChannel channel = rt::DdeClient(kService, "");
    ASSERT_NE(channel, 0);
    rt::SetError(2);
    rt::DdeExecute(channel, "[ExportDct(" + dictionary + "," + text + ")]");
    EXPECT_EQ(rt::ErrorCode(), 0);
    EXPECT_EQ(testsupport::ReadFile(text), "!export\n");
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "start", "owner", "execute [ExportDct(" + dictionary + "," + text + ")]",
                         "exported " + text}));
}

TEST_F(DdeClientTest, RefusedExecuteIsANegativeAcknowledgement) {
    StartIde({"--mode=refuse", "--error-number=47", "--error-message=Dictionary is locked"});
    const rt::DdeChannel channel = rt::DdeClient(kService);
    ASSERT_NE(channel, 0);
    rt::DdeExecute(channel, "[ExportDct(a,b)]");
    EXPECT_EQ(rt::ErrorCode(), 603);
    EXPECT_EQ(rt::ErrorText(), "DDEexecute - invalid command");
    EXPECT_EQ(rt::DdeRead(channel, "GetErrorNum"), "47");
    EXPECT_EQ(rt::ErrorCode(), 0);
    EXPECT_EQ(rt::DdeRead(channel, "GetErrorMsg"), "Dictionary is locked");
    EXPECT_EQ(rt::DdeRead(channel, "NoSuchItem"), "");
    EXPECT_EQ(rt::ErrorCode(), 603);
}

TEST_F(DdeClientTest, NoAnswerWithinTheTimeOutIsATimeOut) {
    StartIde({"--mode=silent"});
    rt::SetDdeTimeout(20);
    const rt::DdeChannel channel = rt::DdeClient(kService);
    ASSERT_NE(channel, 0);
    rt::DdeExecute(channel, "[ExportDct(a,b)]");
    EXPECT_EQ(rt::ErrorCode(), 605);
    EXPECT_EQ(rt::DdeRead(channel, "GetErrorNum"), "");
    EXPECT_EQ(rt::ErrorCode(), 605);
}

TEST_F(DdeClientTest, ServerGoneMeansTheChannelIsNotOpen) {
    StartIde({});
    const rt::DdeChannel channel = rt::DdeClient(kService);
    ASSERT_NE(channel, 0);
    ide_->Stop();
    ASSERT_TRUE(testsupport::WaitUntil([] { return !rt::DdeServerPresent(kService); }));
    rt::DdeExecute(channel, "[ExportDct(a,b)]");
    EXPECT_EQ(rt::ErrorCode(), 602);
    // A conversation is bound to the server that answered it, not to the name.
    StartIde({});
    rt::DdeExecute(channel, "[ExportDct(a,b)]");
    EXPECT_EQ(rt::ErrorCode(), 602);
}

TEST_F(DdeClientTest, UnknownAndClosedChannelsAreInvalid) {
    rt::DdeExecute(0, "[x]");
    EXPECT_EQ(rt::ErrorCode(), 601);
    EXPECT_EQ(rt::DdeRead(9999, "GetErrorNum"), "");
    EXPECT_EQ(rt::ErrorCode(), 601);
    StartIde({});
    const rt::DdeChannel channel = rt::DdeClient(kService);
    ASSERT_NE(channel, 0);
    rt::DdeClose(channel);
    EXPECT_EQ(rt::ErrorCode(), 0);
    rt::DdeExecute(channel, "[x]");
    EXPECT_EQ(rt::ErrorCode(), 601);
    rt::DdeClose(channel);
    EXPECT_EQ(rt::ErrorCode(), 601);
}

TEST_F(DdeClientTest, WorksFromAProgramThreadWithoutAnEventLoop) {
    const std::string dictionary = (folder_ / "A.DCT");
    testsupport::WriteFile(dictionary, "a\n");
    StartIde({});
    int code = -1;
    std::thread([&] {
        const rt::DdeChannel channel = rt::DdeClient(kService);
        rt::DdeExecute(channel, "[ExportDct(" + dictionary + "," + (folder_ / "out") + ")]");
        code = rt::ErrorCode();
    }).join();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testsupport::ReadFile((folder_ / "out")), "a\n");
}

TEST_F(DdeClientTest, CommandsAreFileNamesAndAnswersAreProgramText) {
    StartIde({"--mode=refuse", "--error-message=Verrouill\xC3\xA9 \xE2\x80\x9C\xE2\x80\x9D"});
    const rt::DdeChannel channel = rt::DdeClient(kService);
    rt::DdeExecute(channel,
                   "[ExportDct(/donn\xC3\xA9"
                   "es/A.DCT,/t/Temp.TXD)]");
    EXPECT_EQ(Log().at(2),
              "execute [ExportDct(/donn\xC3\xA9"
              "es/A.DCT,/t/Temp.TXD)]");
    EXPECT_EQ(rt::DdeRead(channel, "GetErrorMsg"), "Verrouill\xE9 \x93\x94");
}

}  // namespace
