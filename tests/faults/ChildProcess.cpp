#include "ChildProcess.h"

#include <csignal>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

int RunInChild(const std::function<int()> &body)
{
    const pid_t child = fork();
    if (child == 0) {
        // No destructors and no return into the test runner: the parent owns the folders
        // and the windows, and runs the remaining tests.
        try {
            _exit(body());
        } catch (...) {
            _exit(102);
        }
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

int RunWithFileSizeLimit(rlim_t limit, const std::function<int()> &body)
{
    return RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        return setrlimit(RLIMIT_FSIZE, &size) == 0 ? body() : 100;
    });
}

int RunWithAddressSpaceLimit(rlim_t extra, const std::function<int()> &body)
{
    return RunInChild([&] {
#if !defined(__SANITIZE_ADDRESS__)
        // The first field of statm is the whole virtual size in pages.
        std::ifstream statm("/proc/self/statm");
        unsigned long long pages = 0;
        if (!(statm >> pages))
            return 101;
        const rlim_t limit = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + extra;
        const rlimit space{limit, limit};
        if (setrlimit(RLIMIT_AS, &space) != 0)
            return 100;
#endif
        (void)extra;
        return body();
    });
}

long long IoCount(const char *key)
{
    std::ifstream io("/proc/self/io");
    std::string name;
    long long value = 0;
    while (io >> name >> value)
        if (name == key)
            return value;
    return -1;
}
