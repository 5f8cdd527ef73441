#include "tests/support/private_cups.h"

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "tests/support/wait_until.h"

extern char** environ;

namespace testsupport {
namespace fs = std::filesystem;

namespace {

// The backend the queue prints through: it copies each job into the folder
// that its device URI names, under a name that shows once the copy is whole.
constexpr const char* kCaptureBackend = R"(#!/bin/sh
if [ $# -eq 0 ]; then
    echo 'file capture "Unknown" "Capture"'
    exit 0
fi
dir="${DEVICE_URI#capture:}"
out="$dir/job-$1"
if [ -n "$6" ]; then cp "$6" "$out.part"; else cat > "$out.part"; fi
mv "$out.part" "$out.done"
exit 0
)";

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

bool Run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Whether a scheduler accepts connections on `socketPath`. (`lpstat -r`
// cannot tell: it exits 0 whether the scheduler runs or not.)
bool Listening(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

}  // namespace

PrivateCups::PrivateCups() {
    if (const char* previous = std::getenv("CUPS_SERVER")) {
        hadServer_ = true;
        previousServer_ = previous;
    }
    ready_ = Start();
}

bool PrivateCups::Fail(std::string why) {
    why_ = std::move(why);
    return false;
}

bool PrivateCups::Start() {
    if (::geteuid() != 0)
        return Fail("a private CUPS scheduler needs root (its filters run as lp)");
    const struct passwd* lp = ::getpwnam("lp");
    const struct group* lpGroup = ::getgrnam("lp");
    if (lp == nullptr || lpGroup == nullptr) return Fail("no user lp");
    if (::access("/usr/sbin/cupsd", X_OK) != 0) return Fail("cupsd is not installed");

    // Not under TMPDIR: a test's own temporary folder is private to root,
    // and the scheduler's filters and backend run as lp.
    std::string pattern = "/tmp/kestrian-cups-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) return Fail("no temporary folder");
    folder_ = pattern;
    const fs::path root(folder_);
    ::chmod(folder_.c_str(), 0755);
    for (const char* sub : {"conf", "spool", "cache", "state", "tmp", "out", "log"}) {
        fs::create_directories(root / sub);
        if (std::string(sub) != "conf") {
            if (::chown((root / sub).c_str(), lp->pw_uid, lpGroup->gr_gid) != 0)
                return Fail("cannot give a folder to lp");
        }
    }
    ::chmod((root / "spool").c_str(), 0710);
    ::chmod((root / "out").c_str(), 0777);
    if (!Run("cp -a /usr/lib/cups '" + (root / "serverbin").string() + "'"))
        return Fail("cannot copy the CUPS programs");
    const fs::path backend = root / "serverbin" / "backend" / "capture";
    WriteText(backend, kCaptureBackend);
    ::chmod(backend.c_str(), 0755);

    socket_ = (root / "cups.sock").string();
    WriteText(root / "cupsd.conf",
              "Listen " + socket_ +
                  "\nLogLevel warn\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                  "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
                  "  </Limit>\n</Policy>\n");
    WriteText(root / "cups-files.conf",
              "ServerRoot " + (root / "conf").string() + "\nRequestRoot " +
                  (root / "spool").string() + "\nCacheDir " + (root / "cache").string() +
                  "\nStateDir " + (root / "state").string() + "\nTempDir " +
                  (root / "tmp").string() + "\nServerBin " + (root / "serverbin").string() +
                  "\nDataDir /usr/share/cups\nUser lp\nGroup lp\nSandboxing relaxed\n"
                  "SystemGroup root\nErrorLog " +
                  (root / "log" / "error_log").string() + "\nAccessLog " +
                  (root / "log" / "access_log").string() + "\nPageLog " +
                  (root / "log" / "page_log").string() + "\n");

    const std::string conf = (root / "cupsd.conf").string();
    const std::string files = (root / "cups-files.conf").string();
    std::vector<std::string> words = {"cupsd", "-f", "-c", conf, "-s", files};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, "/usr/sbin/cupsd", nullptr, nullptr, argv.data(), environ) != 0)
        return Fail("cupsd did not start");
    pid_ = pid;

    ::setenv("CUPS_SERVER", socket_.c_str(), 1);
    if (!WaitUntil([&] { return Listening(socket_); }, std::chrono::seconds(20)))
        return Fail("cupsd did not answer");
    const std::string queue = kQueue;
    if (!Run("lpadmin -p " + queue + " -v 'capture:" + (root / "out").string() + "' -E -m raw") ||
        !Run("lpadmin -d " + queue)) {
        return Fail("the queue could not be made");
    }
    return true;
}

PrivateCups::~PrivateCups() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (hadServer_) {
        ::setenv("CUPS_SERVER", previousServer_.c_str(), 1);
    } else {
        ::unsetenv("CUPS_SERVER");
    }
    if (!folder_.empty()) {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
}

std::vector<std::string> PrivateCups::Jobs() const {
    std::vector<std::string> jobs;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(folder_) / "out", ec)) {
        if (entry.path().extension() == ".done") jobs.push_back(entry.path().string());
    }
    std::sort(jobs.begin(), jobs.end(), [](const std::string& a, const std::string& b) {
        // job-N.done: by job number
        auto number = [](const std::string& path) {
            const std::string name = fs::path(path).stem().string();
            return std::atoi(name.c_str() + name.find('-') + 1);
        };
        return number(a) < number(b);
    });
    return jobs;
}

bool PrivateCups::WaitForJobs(std::size_t count, std::chrono::milliseconds deadline) const {
    return WaitUntil([&] { return Jobs().size() >= count; }, deadline);
}

}  // namespace testsupport
