#include "imaging/SparseCopy.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace imaging {
namespace {

constexpr size_t kBufferSize = 64 * 1024;

// Where data starts at or after offset; size when only a hole follows. A file system that
// reports no holes has data everywhere.
off_t nextData(int from, off_t offset, off_t size)
{
    const off_t data = ::lseek(from, offset, SEEK_DATA);
    if (data >= 0)
        return std::min(data, size);
    return errno == ENXIO ? size : offset;
}

// Where the data that starts at offset ends.
off_t endOfData(int from, off_t offset, off_t size)
{
    const off_t hole = ::lseek(from, offset, SEEK_HOLE);
    return hole > offset ? std::min(hole, size) : size;
}

bool copyRange(int from, int to, off_t begin, off_t end, std::vector<char> &buffer,
               WriteAllFunction writeAll)
{
    if (::lseek(to, begin, SEEK_SET) != begin)
        return false;
    while (begin < end) {
        const size_t wanted = size_t(std::min<off_t>(end - begin, off_t(buffer.size())));
        const ssize_t got = ::pread(from, buffer.data(), wanted, begin);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || !writeAll(to, buffer.data(), size_t(got)))
            return false;
        begin += got;
    }
    return true;
}

} // namespace

bool copyKeepingHoles(int from, int to, off_t size, WriteAllFunction writeAll)
{
    std::vector<char> buffer(kBufferSize);
    for (off_t offset = nextData(from, 0, size); offset < size;) {
        const off_t end = endOfData(from, offset, size);
        if (!copyRange(from, to, offset, end, buffer, writeAll))
            return false;
        offset = nextData(from, end, size);
    }
    return ::ftruncate(to, size) == 0; // a hole at the end has no data to write
}

} // namespace imaging
