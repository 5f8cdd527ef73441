// kestrian-doc among hostile surroundings: links planted in shared folders,
// outputs that are pipes or the input itself, memory running out, a run
// stopped by a signal, labels that would steer a terminal, Unix line ends.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "dictionary/model.h"
#include "dictionary/release_model.h"
#include "tests/support/large_export.h"
#include "tests/support/temp_folder.h"
#include "tests/support/tool_run.h"

#if defined(KESTRIAN_DOC_PATH) && defined(KESTRIAN_SAMPLES_DIR)

namespace dictionary {
namespace {

namespace fs = std::filesystem;
using dict_test::ReadBytes;
using dict_test::TempFolder;
using dict_test::ToolRun;
using dict_test::WriteBytes;

constexpr uid_t kOtherUser = 65534;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Sample() {
    return ReadBytes(std::string(KESTRIAN_SAMPLES_DIR) + "/SAMPLE.TXD");
}

ToolRun RunTool(const TempFolder& folder, const std::string& arguments) {
    return dict_test::RunToolIn(KESTRIAN_DOC_PATH, folder, arguments);
}

// Temporaries the writer left in `folder`.
int Temporaries(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        count += entry.path().filename().string().starts_with(".kestrian-") ? 1 : 0;
    }
    return count;
}

// kestrian-doc started in `folder` with its output in "stdout" and "stderr"
// there, under an address-space limit when `addressSpace` is not 0.
class DocProcess {
  public:
    DocProcess(const TempFolder& folder, std::vector<std::string> words, rlim_t addressSpace = 0) {
        words.insert(words.begin(), KESTRIAN_DOC_PATH);
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        const std::string out = folder.File("stdout");
        const std::string err = folder.File("stderr");
        const std::string dir = folder.Path().string();
        pid_ = ::fork();
        if (pid_ != 0) return;
        // Only async-signal-safe calls between fork and exec.
        const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (::chdir(dir.c_str()) != 0 || outFd < 0 || errFd < 0) ::_exit(126);
        ::dup2(outFd, 1);
        ::dup2(errFd, 2);
        if (addressSpace != 0) {
            const rlimit limit{addressSpace, addressSpace};
            ::setrlimit(RLIMIT_AS, &limit);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ~DocProcess() {
        if (status_ < 0 && pid_ > 0) {
            ::kill(pid_, SIGKILL);
            Wait();
        }
    }
    DocProcess(const DocProcess&) = delete;
    DocProcess& operator=(const DocProcess&) = delete;

    pid_t Pid() const { return pid_; }
    // The wait status once the process ended.
    int Wait() {
        if (status_ < 0 && pid_ > 0) ::waitpid(pid_, &status_, 0);
        return status_;
    }

  private:
    pid_t pid_ = -1;
    int status_ = -1;
};

// A link owned by another user in a shared folder is refused for every
// output, whichever way it leads; a link owned by this user is followed. The
// release of the program's "TEST.TXD" skips such a link and completes.
TEST(KestrianDocSurroundings, LinksPlantedInASharedFolderAreNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "making another user's link takes root";
    TempFolder folder;
    const fs::path shared = folder.Path() / "shared";
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    WriteBytes(folder.File("SAMPLE.TXD"), Sample());
    WriteBytes(folder.File("victim.conf"), "root only");
    ::chmod(folder.File("victim.conf").c_str(), 0600);
    auto plant = [&](const std::string& name, const std::string& target, uid_t owner) {
        const fs::path link = shared / name;
        fs::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), owner, static_cast<gid_t>(-1)), 0);
    };
    plant("report.pdf", folder.File("victim.conf"), kOtherUser);
    plant("TEST.TXD", folder.File("victim.conf"), kOtherUser);
    // A chain whose second link is the planted one.
    plant("first", "report.pdf", ::geteuid());
    plant("mine.pdf", folder.File("mine.pdf"), ::geteuid());

    for (const std::string arguments :
         {"report SAMPLE.TXD -o shared/report.pdf", "writeback SAMPLE.TXD -o shared/TEST.TXD",
          "report SAMPLE.TXD --format text -o shared/first"}) {
        ToolRun run = RunTool(folder, arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments;
        EXPECT_TRUE(Contains(run.err, "it is a link owned by another user in a shared folder"))
            << arguments << ": " << run.err;
    }
    DictionaryModel model;
    model.VERSION = "'1'";
    ReleaseModelTo(model, (shared / "TEST.TXD").string());
    EXPECT_EQ(ReadBytes(folder.File("victim.conf")), "root only");

    ToolRun mine = RunTool(folder, "report SAMPLE.TXD -o shared/mine.pdf");
    EXPECT_EQ(mine.exitCode, 0) << mine.err;
    EXPECT_TRUE(ReadBytes(folder.File("mine.pdf")).starts_with("%PDF-"));
    EXPECT_TRUE(fs::is_symlink(shared / "mine.pdf"));
    EXPECT_EQ(Temporaries(shared), 0);
}

// What -o may name: never nothing, never the export being read (the input
// stays as it was); a pipe reached through /dev/stdout or /proc/self/fd/N is
// written in place.
TEST(KestrianDocSurroundings, OutputsThatAreNothingTheInputOrAPipe) {
    TempFolder folder;
    const std::string sample = Sample();
    WriteBytes(folder.File("SAMPLE.TXD"), sample);
    fs::create_symlink("SAMPLE.TXD", folder.File("link.txd"));
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case refused[] = {
        {"report SAMPLE.TXD -o ''", "report: -o needs a file name"},
        {"report SAMPLE.TXD --format text -o ''", "report: -o needs a file name"},
        {"writeback SAMPLE.TXD -o ''", "writeback: -o needs a file name"},
        {"report SAMPLE.TXD -o SAMPLE.TXD", "names the export it reads"},
        {"report SAMPLE.TXD --format text -o ./link.txd", "names the export it reads"},
        {"writeback link.txd -o SAMPLE.TXD", "names the export it reads"},
    };
    for (const Case& c : refused) {
        ToolRun run = RunTool(folder, c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_TRUE(Contains(run.err, c.message)) << c.arguments << ": " << run.err;
        EXPECT_EQ(ReadBytes(folder.File("SAMPLE.TXD")), sample) << c.arguments;
    }
    const std::string expected = RunTool(folder, "writeback SAMPLE.TXD").out;
    // Standard output named through /proc, and through a link of the test's
    // own: a writer that replaced the name instead of writing into it could
    // rename over nothing but these (never over /dev/stdout, as root).
    std::filesystem::create_symlink("/proc/self/fd/1", folder.Path() / "stdout-link");
    for (const std::string& output : {std::string("/proc/self/fd/1"), folder.File("stdout-link")}) {
        // Through cat, standard output is a pipe.
        ToolRun run = RunTool(folder, "writeback SAMPLE.TXD -o " + output + " | cat");
        EXPECT_EQ(run.out, expected) << output << ": " << run.err;
        EXPECT_EQ(run.err, "") << output;
    }
}

// A report of a dictionary without files prints nothing: exit 1, and an
// earlier output stays as it was.
TEST(KestrianDocSurroundings, AReportOfNoFilesLeavesTheOutputAlone) {
    TempFolder folder;
    WriteBytes(folder.File("EMPTY.TXD"), "[DICTIONARY]\r\nVERSION '1'\r\n");
    for (const std::string format : {"pdf", "text"}) {
        WriteBytes(folder.File("old.out"), "earlier report");
        ToolRun run = RunTool(folder, "report EMPTY.TXD --format " + format + " -o old.out");
        EXPECT_EQ(run.exitCode, 1) << format;
        EXPECT_TRUE(Contains(run.err, "EMPTY.TXD has no files; nothing is printed")) << run.err;
        EXPECT_EQ(ReadBytes(folder.File("old.out")), "earlier report") << format;
    }
}

// Control bytes in labels reach the terminal only as visible text; the JSON
// escapes them as before.
TEST(KestrianDocSurroundings, ControlBytesInLabelsAreShownNotObeyed) {
    TempFolder folder;
    WriteBytes(folder.File("ESC.TXD"),
               "[DICTIONARY]\r\nVERSION '1'\r\n[FILES]\r\nCus\x1b"
               "ctomer  FILE,PRE(CUS),"
               "NAME('a\x0c\x7f\x9d"
               "')\r\n!!> IDENT(1)\r\nRecord  RECORD,PRE()\r\n"
               "Co\x1b]0;x\x07"
               "de  LONG\r\n!!> IDENT(2)\r\n  END\r\nEND\r\n");
    for (const std::string command : {"lists ESC.TXD", "report ESC.TXD --format text"}) {
        ToolRun run = RunTool(folder, command);
        EXPECT_EQ(run.exitCode, 0) << command << ": " << run.err;
        EXPECT_TRUE(Contains(run.out, "Cus^[ctomer")) << command;
        EXPECT_TRUE(Contains(run.out, "Co^[]0;x^Gde")) << command;
        EXPECT_FALSE(Contains(run.out, "\x1b")) << command;
        EXPECT_FALSE(Contains(run.out, "\x07")) << command;
        EXPECT_FALSE(Contains(run.out, "\xc2\x9d")) << command;  // C1 as UTF-8
    }
    EXPECT_TRUE(Contains(RunTool(folder, "lists ESC.TXD").out, "a^L^?M-^]"));
    EXPECT_TRUE(Contains(RunTool(folder, "lists ESC.TXD --json").out, "Cus\\u001bctomer"));
}

// An export saved with Unix line ends reads as the same dictionary.
TEST(KestrianDocSurroundings, AnExportWithUnixLineEndsReadsTheSame) {
    TempFolder crlf;
    TempFolder lf;
    std::string sample = Sample();
    WriteBytes(crlf.File("SAMPLE.TXD"), sample);
    std::erase(sample, '\r');
    WriteBytes(lf.File("SAMPLE.TXD"), sample);
    for (const std::string command : {"lists SAMPLE.TXD", "model SAMPLE.TXD"}) {
        ToolRun expected = RunTool(crlf, command);
        ToolRun run = RunTool(lf, command);
        EXPECT_EQ(run.exitCode, 0) << command;
        EXPECT_EQ(run.out, expected.out) << command;
    }
}

// Memory running out anywhere ends every command with error 8 and exit 2,
// never a signal, and leaves no temporary. The limit is searched between
// one the load fails under and one the whole run succeeds under, until a run
// fails after the load.
TEST(KestrianDocSurroundings, RunningOutOfMemoryAfterTheLoadEndsWithError8) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitizer's runtime needs more address space than any limit here";
#endif
    TempFolder folder;
    WriteBytes(folder.File("BIG.TXD"), dict_test::LargeExport(3000));
    fs::create_directory(folder.Path() / "out");
    rlim_t low = 4 << 20;
    rlim_t high = 512 << 20;
    bool failedAfterLoad = false;
    for (int step = 0; step < 20 && !failedAfterLoad && high - low > (16 << 10); ++step) {
        const rlim_t limit = low + (high - low) / 2;
        DocProcess run(folder, {"report", "BIG.TXD", "-o", "out/report.pdf"}, limit);
        const int status = run.Wait();
        ASSERT_TRUE(WIFEXITED(status)) << "limit " << limit << ", status " << status;
        const std::string err = ReadBytes(folder.File("stderr"));
        EXPECT_EQ(Temporaries(folder.Path() / "out"), 0) << limit;
        if (WEXITSTATUS(status) == 0) {
            high = limit;
            continue;
        }
        // A limit so low that the program cannot even start says so in its
        // own words; any run of the tool itself fails with error 8.
        if (Contains(err, "error while loading shared libraries")) {
            low = limit;
            continue;
        }
        ASSERT_EQ(WEXITSTATUS(status), 2) << limit << ": " << err;
        ASSERT_TRUE(Contains(err, "Error 8 (Insufficient Memory)")) << limit << ": " << err;
        failedAfterLoad = Contains(err, "kestrian-doc: report: Error 8");
        low = limit;
    }
    EXPECT_TRUE(failedAfterLoad) << "no limit between " << low << " and " << high;
}

// A run stopped by SIGTERM, SIGINT or SIGHUP while its output is being made
// leaves no temporary, and still ends by that signal.
TEST(KestrianDocSurroundings, AStoppedRunLeavesNoTemporary) {
    TempFolder folder;
    WriteBytes(folder.File("BIG.TXD"), dict_test::LargeExport(20000));
    const fs::path out = folder.Path() / "out";
    fs::create_directory(out);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        DocProcess run(folder, {"report", "BIG.TXD", "-o", "out/report.pdf"});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (Temporaries(out) == 0 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_EQ(Temporaries(out), 1) << "the report never started writing";
        ::kill(run.Pid(), signal);
        const int status = run.Wait();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << " " << status;
        EXPECT_EQ(Temporaries(out), 0) << signal;
        EXPECT_FALSE(fs::exists(out / "report.pdf")) << signal;
    }
}

}  // namespace
}  // namespace dictionary

#endif
