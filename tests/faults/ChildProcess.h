#pragma once

#include <csignal>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern "C" void __gcov_dump(); // coverage builds: _exit skips the data (not under a size cap: cut short)

// Runs body in a fork()ed child: its exit code, 102 when it threw, -1 when killed. RLIMIT_FSIZE acts as
// a full disk (SIGXFSZ ignored); RLIMIT_AS caps its address space at its size plus limit bytes (not
// under AddressSanitizer, whose shadow memory such a cap breaks).
inline int RunInChild(const std::function<int()> &body, int resource = -1, rlim_t limit = 0)
{
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        unsigned long long pages = 0;   // the first field of statm: the virtual size in pages
        if (resource == RLIMIT_AS && (std::ifstream("/proc/self/statm") >> pages))
            limit += rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE));
#if defined(__SANITIZE_ADDRESS__)
        resource = resource == RLIMIT_AS ? -1 : resource;
#endif
        const rlimit cap{limit, limit};
        // No destructors and no return into the test runner: the parent owns folders and windows.
        try {
            const int status = resource < 0 || setrlimit(resource, &cap) == 0 ? body() : 100;
#ifdef VELLUMO_COVERAGE
            if (resource != RLIMIT_FSIZE)
                __gcov_dump();
#endif
            _exit(status);
        } catch (...) {
            _exit(102);
        }
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// This process's count under key in /proc/self/io ("rchar:" for bytes read, "wchar:" written).
inline long long IoCount(const char *key)
{
    std::ifstream io("/proc/self/io");
    std::string name;
    long long value = 0;
    while (io >> name >> value)
        if (name == key)
            return value;
    return -1;
}
