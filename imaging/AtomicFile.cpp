#include "imaging/AtomicFile.h"

#include "imaging/LinkTarget.h"
#include "imaging/SparseCopy.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace imaging {
namespace {

std::atomic<AtomicWriteFaultHook> faultHook{nullptr};

bool injectFault(AtomicWriteStep step)
{
    const AtomicWriteFaultHook hook = faultHook.load();
    if (!hook || !hook(step))
        return false;
    // A write cut short is a disk filling up; the other steps fail as on a failing device.
    errno = step == AtomicWriteStep::Write ? ENOSPC : EIO;
    return true;
}

// Removes a file without losing the errno of the failure that made it go.
void removeKeepingCause(const std::string &path)
{
    const int cause = errno;
    ::unlink(path.c_str());
    errno = cause;
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

// The file to replace: where the links at path lead. Empty when there is none.
std::string targetOf(const QString &path)
{
    const std::string given = QFile::encodeName(path).toStdString();
    return given.empty() ? given : finalLinkTarget(given);
}

// Unique among this process's saves; O_EXCL guards against anything else.
std::string temporaryNameFor(const std::string &target)
{
    static std::atomic<unsigned> counter{0};
    return target + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

int createTemporary(const std::string &temporary)
{
    // 0666 so that a new file gets the permissions the user's umask asks for.
    return ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

// Called before any byte is written, so the content is never more open than the file it
// replaces. Only root may give a file away; anyone else's new file stays their own.
bool takeOwnerAndMode(int fd, const struct stat &from)
{
    [[maybe_unused]] const int ignored = ::fchown(fd, from.st_uid, from.st_gid);
    return ::fchmod(fd, from.st_mode & 0777) == 0;
}

// The rename made durable too, so that a power cut cannot keep a later rename in the folder
// (the new album) and lose an earlier one (its backup). The file is in place already whatever
// this returns.
void flushFolderOf(const std::string &target)
{
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool putInPlace(const std::string &temporary, const std::string &target)
{
    if (injectFault(AtomicWriteStep::Rename) || ::rename(temporary.c_str(), target.c_str()) != 0)
        return false;
    flushFolderOf(target);
    return true;
}

// Flushes, closes and renames the temporary file; removes it when any step failed.
bool finish(int fd, bool ok, const std::string &temporary, const std::string &target)
{
    ok = ::fsync(fd) == 0 && !injectFault(AtomicWriteStep::Flush) && ok;
    ok = ::close(fd) == 0 && ok;
    ok = ok && putInPlace(temporary, target);
    if (!ok)
        removeKeepingCause(temporary);
    return ok;
}

bool copyInPlace(int from, const struct stat &source, const std::string &target)
{
    const std::string temporary = temporaryNameFor(target);
    const int fd = createTemporary(temporary);
    if (fd < 0)
        return false;
    const bool ok = takeOwnerAndMode(fd, source) && copyKeepingHoles(from, fd, source.st_size, writeAll);
    return finish(fd, ok, temporary, target);
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const std::string target = targetOf(path);
    if (target.empty()) {
        errno = ENOENT;
        return false;
    }
    if (injectFault(AtomicWriteStep::Open))
        return false;
    const std::string temporary = temporaryNameFor(target);
    const int fd = createTemporary(temporary);
    if (fd < 0)
        return false;
    struct stat replaced {};
    const bool isNew = ::stat(target.c_str(), &replaced) != 0 || !S_ISREG(replaced.st_mode);
    const bool ok = (isNew || takeOwnerAndMode(fd, replaced))
                    && writeAll(fd, bytes.constData(), size_t(bytes.size()));
    return finish(fd, ok, temporary, target);
}

bool keepCopyAtomically(const QString &source, const QString &path)
{
    const std::string target = targetOf(path);
    const QByteArray from = QFile::encodeName(source);
    if (target.empty() || from.isEmpty()) {
        errno = ENOENT;
        return false;
    }
    if (injectFault(AtomicWriteStep::Open))
        return false;
    // A link shares the file itself, which is never written in place: every save makes a new one.
    const std::string temporary = temporaryNameFor(target);
    if (!injectFault(AtomicWriteStep::Link)
        && ::linkat(AT_FDCWD, from.constData(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        const bool ok = putInPlace(temporary, target);
        // Also when the target already was that file: rename() then leaves both names.
        removeKeepingCause(temporary);
        return ok;
    }
    // No hard links here (another file system, or one without them): a copy.
    const int fd = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    const bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && copyInPlace(fd, status, target);
    ::close(fd);
    return ok;
}

void setAtomicWriteFaultHook(AtomicWriteFaultHook hook)
{
    faultHook.store(hook);
}

} // namespace imaging
