// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher for the real program: spawn, pick the first-frame stamp out of its
// stderr, then read its peak memory and CPU from wait4.
#include "Launch.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern char** environ;

namespace batonnets::bench {

namespace {

// The program stamps its first frame on the same system-wide clock.
long long monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

} // namespace

int launch(char** argv) {
    int fds[2];
    if (pipe(fds) != 0) return 2;
    setenv("BATONNETS_REPORT_FIRST_FRAME", "1", 1);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    pid_t pid = 0;
    const long long spawned = monotonicNs();
    const int err = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (err != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(err));
        return 2;
    }
    std::printf("pid %d\n", static_cast<int>(pid));
    std::fflush(stdout);

    // The program's own messages pass through to our stderr; the stamp is picked out.
    FILE* in = fdopen(fds[0], "r");
    char line[512];
    while (in && std::fgets(line, sizeof line, in)) {
        long long stamp = 0;
        if (std::sscanf(line, "first-frame %lld", &stamp) == 1) {
            std::printf("first-frame-ms %.3f\n", static_cast<double>(stamp - spawned) / 1e6);
            std::fflush(stdout);
        } else {
            std::fputs(line, stderr);
        }
    }
    if (in) std::fclose(in);

    int status = 0;
    rusage ru{};
    if (wait4(pid, &status, 0, &ru) != pid) return 2;
    const double cpuMs = (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e3 +
                         (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e3;
    std::printf("maxrss-kb %ld\ncpu-ms %.1f\nstatus %d\n", ru.ru_maxrss, cpuMs,
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    return 0;
}

} // namespace batonnets::bench
