#pragma once

#include <sys/resource.h>

#include <functional>

// Runs body in a fork()ed child and returns its exit code, 102 when it threw, or -1 when it
// did not exit normally (killed by a signal, for instance by an allocation it could not survive).
int RunInChild(const std::function<int()> &body);

// As RunInChild, with the child's files unable to grow past limit bytes, as on a full disk;
// SIGXFSZ is ignored so that write() reports the failure instead of killing the child.
int RunWithFileSizeLimit(rlim_t limit, const std::function<int()> &body);

// As RunInChild, with the child's address space capped at its current size plus extra bytes,
// so an allocation of a picture's claimed size would fail. Under AddressSanitizer, whose
// shadow memory such a limit breaks, without the cap.
int RunWithAddressSpaceLimit(rlim_t extra, const std::function<int()> &body);

// This process's count under key in /proc/self/io ("rchar:" for the bytes it asked read() and
// its relatives for, "wchar:" for write()), or -1.
long long IoCount(const char *key);
