// Peak memory and speed of kestrian-doc as a whole process on a large
// synthetic export: the maximum resident set of the child process against
// the size of the export, and its wall time.
//
//   bench_peak_memory [MEGABYTES [RUNS]]      (default 50 and 5)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/txd_generator.h"

extern char** environ;

namespace {

struct ToolRun {
    long maxResidentKib = -1;  // -1 when the run failed
    double seconds = 0;        // wall time of the whole process
};

// Runs kestrian-doc with `command` on `path`, its output thrown away.
ToolRun RunTool(const char* command, const std::string& path) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string tool = KESTRIAN_DOC_PATH;
    char* argv[] = {tool.data(), const_cast<char*>(command), const_cast<char*>(path.c_str()),
                    nullptr};
    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    int failed = posix_spawn(&child, tool.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) return {};
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return {};
    }
    return {usage.ru_maxrss,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

}  // namespace

int main(int argc, char** argv) {
    double megabytes = argc > 1 ? std::strtod(argv[1], nullptr) : 50.0;
    std::filesystem::path path = std::filesystem::temp_directory_path() / "kestrian-bench-peak.TXD";
    // The export is made in a child process, so that this one stays small:
    // the tool is started with posix_spawn, which shares this process's
    // memory until the tool is executed, and the peak wait4 reports for the
    // tool counts this process's peak as well.
    std::fflush(stdout);
    const pid_t maker = fork();
    if (maker < 0) return 1;
    if (maker == 0) {
        bench::TxdStats stats;
        std::string text = bench::GenerateTxd(
            {.targetBytes = static_cast<std::size_t>(megabytes * (1 << 20))}, &stats);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        std::printf("export: %.1f MiB, %zu lines, %zu files, %zu fields, %zu relations\n",
                    static_cast<double>(text.size()) / (1 << 20), stats.lines, stats.files,
                    stats.fields, stats.relations);
        std::fflush(stdout);
        _exit(out ? 0 : 1);
    }
    int made = 0;
    if (waitpid(maker, &made, 0) != maker || !WIFEXITED(made) || WEXITSTATUS(made) != 0) {
        std::printf("the export could not be made\n");
        return 1;
    }
    std::error_code error;
    const auto bytes = static_cast<std::size_t>(std::filesystem::file_size(path, error));
    if (error) return 1;
    int result = 0;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    for (const char* command : {"model", "writeback"}) {
        // The median of the runs' times, the largest peak.
        std::vector<double> seconds;
        long kib = 0;
        for (int run = 0; run < runs && kib >= 0; ++run) {
            const ToolRun result = RunTool(command, path.string());
            kib = result.maxResidentKib < 0 ? -1 : std::max(kib, result.maxResidentKib);
            seconds.push_back(result.seconds);
        }
        if (kib < 0) {
            std::printf("kestrian-doc %s: failed\n", command);
            result = 1;
            continue;
        }
        double ratio = static_cast<double>(kib) * 1024 / static_cast<double>(bytes);
        std::sort(seconds.begin(), seconds.end());
        const double median = seconds[seconds.size() / 2];
        std::printf(
            "kestrian-doc %-9s peak RSS %.1f MiB = %.2f x export size; "
            "%.3f s = %.0f MB/s (median of %d)\n",
            command, static_cast<double>(kib) / 1024, ratio, median,
            static_cast<double>(bytes) / 1e6 / median, runs);
    }
    std::filesystem::remove(path);
    return result;
}
