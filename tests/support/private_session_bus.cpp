#include "tests/support/private_session_bus.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace testsupport {

PrivateSessionBus::PrivateSessionBus() {
    if (const char* previous = std::getenv("DBUS_SESSION_BUS_ADDRESS")) {
        hadAddress_ = true;
        previousAddress_ = previous;
    }
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    // Its complaints about resource limits are of no interest to a test.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    char program[] = "dbus-daemon";
    char session[] = "--session";
    char print[] = "--print-address=1";
    char noFork[] = "--nofork";
    char* argv[] = {program, session, print, noFork, nullptr};
    pid_t pid = 0;
    const bool spawned = posix_spawnp(&pid, program, &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned) {
        pid_ = pid;
        // The daemon prints its address and a line break once it listens.
        std::string line;
        char c = 0;
        ssize_t got = 0;
        while ((got = read(pipeEnds[0], &c, 1)) == 1 || (got < 0 && errno == EINTR)) {
            if (got != 1) continue;
            if (c == '\n') break;
            line += c;
        }
        if (!line.empty()) {
            address_ = line;
            setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
        }
    }
    close(pipeEnds[0]);
}

PrivateSessionBus::~PrivateSessionBus() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (hadAddress_) {
        setenv("DBUS_SESSION_BUS_ADDRESS", previousAddress_.c_str(), 1);
    } else {
        unsetenv("DBUS_SESSION_BUS_ADDRESS");
    }
}

}  // namespace testsupport
