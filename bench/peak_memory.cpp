// Peak memory of kestrian-doc on a large synthetic export: the maximum
// resident set of the child process, against the size of the export.
//
//   bench_peak_memory [MEGABYTES]      (default 50)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/txd_generator.h"

extern char** environ;

namespace {

// Runs kestrian-doc with `command` on `path`, its output thrown away;
// returns the child's maximum resident set in KiB, or -1.
long MaxResidentKib(const char* command, const std::string& path) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string tool = KESTRIAN_DOC_PATH;
    char* argv[] = {tool.data(), const_cast<char*>(command), const_cast<char*>(path.c_str()),
                    nullptr};
    pid_t child = 0;
    int failed = posix_spawn(&child, tool.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) return -1;
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return -1;
    }
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    double megabytes = argc > 1 ? std::strtod(argv[1], nullptr) : 50.0;
    std::filesystem::path path = std::filesystem::temp_directory_path() / "kestrian-bench-peak.TXD";
    std::size_t bytes = 0;
    {
        bench::TxdStats stats;
        std::string text = bench::GenerateTxd(
            {.targetBytes = static_cast<std::size_t>(megabytes * (1 << 20))}, &stats);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        bytes = text.size();
        std::printf("export: %.1f MiB, %zu lines, %zu files, %zu fields, %zu relations\n",
                    static_cast<double>(bytes) / (1 << 20), stats.lines, stats.files, stats.fields,
                    stats.relations);
    }
    int result = 0;
    for (const char* command : {"model", "writeback"}) {
        long kib = MaxResidentKib(command, path.string());
        if (kib < 0) {
            std::printf("kestrian-doc %s: failed\n", command);
            result = 1;
            continue;
        }
        double ratio = static_cast<double>(kib) * 1024 / static_cast<double>(bytes);
        std::printf("kestrian-doc %-9s peak RSS %.1f MiB = %.2f x export size\n", command,
                    static_cast<double>(kib) / 1024, ratio);
    }
    std::filesystem::remove(path);
    return result;
}
