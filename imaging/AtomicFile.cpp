#include "imaging/AtomicFile.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace imaging {
namespace {

std::atomic<AtomicWriteFaultHook> faultHook{nullptr};

bool injectFault(AtomicWriteStep step)
{
    const AtomicWriteFaultHook hook = faultHook.load();
    return hook && hook(step);
}

bool writeAll(int fd, const char *data, size_t size)
{
    if (injectFault(AtomicWriteStep::Write)) {
        // Half the bytes reach the file before the failure, like a write cut short.
        [[maybe_unused]] const ssize_t written = ::write(fd, data, size / 2);
        return false;
    }
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= size_t(written);
    }
    return true;
}

// Unique among this process's saves; O_EXCL guards against anything else.
std::string temporaryNameFor(const std::string &target)
{
    static std::atomic<unsigned> counter{0};
    return target + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const std::string target = QFile::encodeName(path).toStdString();
    if (target.empty())
        return false;
    const std::string temporary = temporaryNameFor(target);
    if (injectFault(AtomicWriteStep::Open))
        return false;
    // 0666 so the saved file gets the permissions the user's umask asks for.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes.constData(), size_t(bytes.size()));
    ok = ::fsync(fd) == 0 && !injectFault(AtomicWriteStep::Flush) && ok;
    ok = ::close(fd) == 0 && ok;
    ok = ok && !injectFault(AtomicWriteStep::Rename) && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

void setAtomicWriteFaultHook(AtomicWriteFaultHook hook)
{
    faultHook.store(hook);
}

} // namespace imaging
