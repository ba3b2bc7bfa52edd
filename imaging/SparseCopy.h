#pragma once

#include <cstddef>
#include <sys/types.h>

namespace imaging {

using WriteAllFunction = bool (*)(int fd, const char *data, size_t size);

// Copies the first `size` bytes of the file `from` into the empty file `to` through a 64 KiB
// buffer, writing with `writeAll`. The holes the file system reports in `from` stay holes in
// `to`, so a sparse file costs neither reading nor disk; `to` ends `size` bytes long. False
// when a read or write fails or `from` turns out shorter.
bool copyKeepingHoles(int from, int to, off_t size, WriteAllFunction writeAll);

} // namespace imaging
