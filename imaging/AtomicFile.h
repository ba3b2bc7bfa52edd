#pragma once

#include <QByteArray>
#include <QString>

namespace imaging {

// Every file the program writes goes through these two, so that a reader never sees a
// half-written file and a failed save never destroys the previous one: the new file is made
// beside the target, flushed to disk and renamed over it; on any failure it is removed and
// false returned. A target that is a symbolic link (or a chain of them, relative or absolute)
// is written through: the file it finally names is replaced and the links stay, a dangling
// link's target is created. A replaced file keeps its permission bits, and its owner and group
// where the process may set them. After a failure errno says why (ENOSPC for a full disk,
// ENOENT for a folder that is gone, EACCES or EROFS for one that cannot be written, ...).

// The target then holds exactly `bytes`.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

// The target then holds exactly the bytes of the regular file `source` (which stays as it is):
// a hard link to it where the file system allows, which costs the same at any size; else a
// copy streamed through a small buffer that keeps the source's holes, with its permission bits.
bool keepCopyAtomically(const QString &source, const QString &path);

// For fault-injection tests only: every following write asks the hook before each step and
// fails that step as the system would when it returns true (Write then stops halfway, as a
// disk filling up does, with ENOSPC; the others fail with EIO; Link makes a copy fall back to streaming, as on a file system without
// hard links). Null, the default, injects nothing.
enum class AtomicWriteStep { Open, Write, Flush, Rename, Link };
using AtomicWriteFaultHook = bool (*)(AtomicWriteStep);
void setAtomicWriteFaultHook(AtomicWriteFaultHook hook);

} // namespace imaging
