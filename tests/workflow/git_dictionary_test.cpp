// kestrian-doc as Git uses it: textconv makes git log -p and git show print
// dictionary changes as readable lines, and the diff driver names the file
// before its structural changes. Each test works in a scratch repository of
// its own; Git's global and system settings are kept out of it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/tool_run.h"

namespace {

using dict_test::ReadBytes;
using dict_test::RunToolIn;
using dict_test::TempFolder;
using dict_test::WriteBytes;

const std::string kTool = KESTRIAN_DOC_PATH;

bool HaveGit() {
    return std::system("command -v git >/dev/null 2>&1") == 0;
}

// `text` quoted for the shell.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Sample() {
    return ReadBytes(std::string(KESTRIAN_SAMPLES_DIR) + "/SAMPLE.TXD");
}

// The sample's text with one replacement; its lines end in CR LF.
std::string SampleWith(const std::string& from, const std::string& to) {
    std::string text = Sample();
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A scratch repository in "repo" of a temporary folder, whose .TXD files go
// through kestrian-doc.
class ScratchRepository {
  public:
    ScratchRepository() {
        Git("init -q repo");
        Git("-C repo config user.name Tester");
        Git("-C repo config user.email tester@localhost");
        WriteBytes(folder_.File("repo/.gitattributes"), "*.TXD diff=txd\n");
    }

    // Runs git with `arguments`, away from the user's and the system's
    // settings and pager.
    dict_test::ToolRun Git(const std::string& arguments) const {
        return RunToolIn("env", folder_,
                         "GIT_CONFIG_NOSYSTEM=1 GIT_CONFIG_GLOBAL=/dev/null GIT_PAGER=cat "
                         "git -c color.ui=never " +
                             arguments);
    }
    void Config(const std::string& name, const std::string& value) const {
        Git("-C repo config " + name + " " + Quoted(value));
    }
    void Commit(const std::string& name, const std::string& bytes,
                const std::string& message) const {
        WriteBytes(folder_.File("repo/" + name), bytes);
        Git("-C repo add -A");
        EXPECT_EQ(Git("-C repo commit -q -m '" + message + "'").exitCode, 0);
    }
    void Write(const std::string& name, const std::string& bytes) const {
        WriteBytes(folder_.File("repo/" + name), bytes);
    }

  private:
    TempFolder folder_;
};

TEST(KestrianDocTextconv, SampleTextIsStableValidUtf8AndNamesEachObject) {
    TempFolder folder;
    WriteBytes(folder.File("SAMPLE.TXD"), Sample());
    const auto once = RunToolIn(kTool, folder, "textconv SAMPLE.TXD");
    const auto twice = RunToolIn(kTool, folder, "textconv SAMPLE.TXD");
    ASSERT_EQ(once.exitCode, 0) << once.err;
    EXPECT_EQ(once.out, twice.out);
    // iconv (of the C library) refuses anything that is not UTF-8.
    WriteBytes(folder.File("SAMPLE.txt"), once.out);
    const auto valid = RunToolIn("iconv", folder, "-f UTF-8 -t UTF-8 SAMPLE.txt");
    EXPECT_EQ(valid.exitCode, 0) << valid.err;
    EXPECT_NE(once.out.find("\nCustomer.Balance DECIMAL(11,2),PICTURE(@n-15.2)\n"),
              std::string::npos)
        << once.out;
    EXPECT_NE(once.out.find("Euro (\xE2\x82\xAC) and the caf\xC3\xA9 customers"),
              std::string::npos);
    // Where the export was read from is no part of its content.
    EXPECT_EQ(once.out.find("DCT Path"), std::string::npos);
    const auto empty = RunToolIn(kTool, folder, "textconv /dev/null");
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(RunToolIn(kTool, folder, "textconv MISSING.TXD").exitCode, 2);
}

TEST(KestrianDocGit, LogAndShowPrintAChangedFieldTypeThroughTextconv) {
    if (!HaveGit()) GTEST_SKIP() << "git is not installed";
    ScratchRepository repository;
    repository.Config("diff.txd.textconv", "'" + kTool + "' textconv");
    repository.Commit("SAMPLE.TXD", Sample(), "sample");
    repository.Commit("SAMPLE.TXD",
                      SampleWith("Balance                  DECIMAL(11,2)",
                                 "Balance                  DECIMAL(13,2)"),
                      "wider balance");
    const auto log = repository.Git("-C repo log -p");
    ASSERT_EQ(log.exitCode, 0) << log.err;
    EXPECT_NE(log.out.find("\n-Customer.Balance DECIMAL(11,2),PICTURE(@n-15.2)\n"
                           "+Customer.Balance DECIMAL(13,2),PICTURE(@n-15.2)\n"),
              std::string::npos)
        << log.out;
    // The file as first added, line by line.
    EXPECT_NE(log.out.find("\n+Customer.KeyCustNo KEY(CustNo),NOCASE,OPT,PRIMARY\n"),
              std::string::npos);
    const auto show = repository.Git("-C repo show");
    EXPECT_NE(show.out.find("+Customer.Balance DECIMAL(13,2),PICTURE(@n-15.2)\n"),
              std::string::npos)
        << show.out;
    // Only the changed line: the two sides were read from different places.
    EXPECT_EQ(show.out.find("DESCRIPTION"), std::string::npos) << show.out;
}

TEST(KestrianDocGit, DiffDriverNamesTheFileBeforeItsChanges) {
    if (!HaveGit()) GTEST_SKIP() << "git is not installed";
    ScratchRepository repository;
    repository.Config("diff.txd.command",
                      "sh -c \"'" + kTool + "' diff \\\"\\$@\\\" || test \\$? -eq 1\" --");
    repository.Commit("SAMPLE.TXD", Sample(), "sample");
    EXPECT_EQ(repository.Git("-C repo diff").out, "");
    repository.Write("SAMPLE.TXD", SampleWith("!!> IDENT(8),PROMPT('&First Name:')",
                                              "!!> IDENT(8),PROMPT('&Given Name:')"));
    const auto diff = repository.Git("-C repo diff");
    EXPECT_EQ(diff.exitCode, 0) << diff.err;
    EXPECT_EQ(diff.out,
              "diff SAMPLE.TXD\n"
              "~ Customer.FirstName: PROMPT('&First Name:') -> PROMPT('&Given Name:')\n");
}

}  // namespace
