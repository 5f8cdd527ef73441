#include "runtime/core/launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>

#include "tests/support/ide_stand_in.h"
#include "tests/support/wait_until.h"

namespace {

using rt::SplitCommandLine;
using Words = std::vector<std::string>;

TEST(SplitCommandLine, SeparatesWordsAtBlanksAndTabs) {
    EXPECT_EQ(SplitCommandLine("Velmora4.EXE"), Words{"Velmora4.EXE"});
    EXPECT_EQ(SplitCommandLine("  prog  a\tb  "), (Words{"prog", "a", "b"}));
    EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(SplitCommandLine, QuotesKeepBlanksInOneWord) {
    EXPECT_EQ(SplitCommandLine("prog \"a b\" c"), (Words{"prog", "a b", "c"}));
    EXPECT_EQ(SplitCommandLine("prog \"\""), (Words{"prog", ""}));
    EXPECT_EQ(SplitCommandLine("pre\"fix x\"y"), (Words{"prefix xy"}));
}

class LaunchTest : public ::testing::Test {
  protected:
    // A shell script named `name` in a folder put first on PATH.
    void Script(const std::string& name, const std::string& body) {
        const std::string path = (bin_ / name);
        testsupport::WriteFile(path, "#!/bin/sh\n" + body + "\n");
        chmod(path.c_str(), 0755);
    }

    testsupport::TempFolder bin_;
    testsupport::TempFolder work_;
    testsupport::ScopedEnv path_{"PATH", bin_.Path() + ":" + std::getenv("PATH")};
};

TEST_F(LaunchTest, UnknownProgramIsNotStarted) {
    EXPECT_FALSE(rt::Launch("kestrian-no-such-program-anywhere"));
    const rt::LaunchedProgram program = rt::LaunchProgram("kestrian-no-such-program-anywhere");
    EXPECT_FALSE(program.Started());
    EXPECT_TRUE(program.Ended());
    EXPECT_FALSE(rt::Launch(""));
}

TEST_F(LaunchTest, FindsTheProgramThroughPathAndPassesItsArguments) {
    Script("kestrian-echo", "printf '%s|' \"$@\" > \"$1.part\" && mv \"$1.part\" \"$1\"");
    const std::string out = (work_ / "out.txt");
    ASSERT_TRUE(rt::Launch("kestrian-echo " + out + " \"two words\" three"));
    ASSERT_TRUE(testsupport::WaitUntil([&] { return testsupport::ReadLines(out).size() == 1; }));
    EXPECT_EQ(testsupport::ReadFile(out), out + "|two words|three|");
}

TEST_F(LaunchTest, ReturnsWithoutWaitingAndReapsTheProgram) {
    const std::string go = (work_ / "go");
    const std::string done = (work_ / "done");
    Script("kestrian-waiter", "while [ ! -e \"$1\" ]; do sleep 0.01; done; touch \"$2\"");
    const rt::LaunchedProgram program = rt::LaunchProgram("kestrian-waiter " + go + " " + done);
    ASSERT_TRUE(program.Started());
    EXPECT_FALSE(program.Ended());  // it cannot end before "go" exists
    testsupport::WriteFile(go, "");
    ASSERT_TRUE(testsupport::WaitUntil([&] { return program.Ended(); }));
    EXPECT_TRUE(std::filesystem::exists(done));
    // Already collected by the runtime: no zombie is left for anybody.
    int status = 0;
    EXPECT_EQ(waitpid(program.ProcessId(), &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

}  // namespace
