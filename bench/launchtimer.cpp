// Starts a program and reports what its launch cost, for scripts/startup.sh: one line of
// "wall-µs processor-µs peak-KiB". The processor time (user and system) and the peak memory
// (maximum resident set) are the kernel's own account of the child, in microseconds and KiB.
// Usage: launchtimer PROGRAM [ARGUMENTS...]   The program's output goes to /dev/null.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

extern char** environ;

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: launchtimer PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (const int error = posix_spawn(&child, argv[1], &actions, nullptr, argv + 1, environ)) {
        std::fprintf(stderr, "launchtimer: cannot start %s (error %d)\n", argv[1], error);
        return 1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return 1;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "launchtimer: %s did not exit cleanly\n", argv[1]);
        return 1;
    }

    const auto micro = [](const timeval& t) { return t.tv_sec * 1000000L + t.tv_usec; };
    const long wall = static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(end - start).count());
    std::printf("%ld %ld %ld\n", wall, micro(usage.ru_utime) + micro(usage.ru_stime),
                usage.ru_maxrss);
    return 0;
}
