// Runs one program and prints how long it ran, its peak memory and the
// processor time it used:
//   velmora_process_meter PROGRAM [ARGS...]
//     ->  "<seconds> <peak KiB> <exit status> <processor seconds>"
// A small process of its own starts the program, because the peak memory that
// the system reports for a process includes the memory of the process it was
// forked from: measured from the large benchmark process it would be that one's.

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: velmora_process_meter PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid < 0) {
        return 1;
    }
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return 1;
    }
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &end);
    const double seconds =
        static_cast<double>(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9;
    const double processor = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                             (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("%.6f %ld %d %.6f\n", seconds, usage.ru_maxrss,
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), processor);
    return 0;
}
