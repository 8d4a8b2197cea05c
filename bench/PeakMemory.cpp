// bench_peak_memory PROGRAM [ARGUMENT...]: runs the program, its output thrown away, and
// prints its peak resident memory in kilobytes; exits 1 when the program failed.
//
// The benchmarks run it rather than the program itself: a process started straight from a
// benchmark inherits the benchmark's peak, as Linux keeps the peak of the memory a process
// had before it ran another program. This one is small when it starts its child.
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const pid_t child = fork();
    if (child < 0)
        return 1;
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return 1;
    std::printf("%ld\n", usage.ru_maxrss);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
