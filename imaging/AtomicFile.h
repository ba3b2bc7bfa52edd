#pragma once

#include <QByteArray>
#include <QString>

namespace imaging {

// Writes `bytes` to a new file beside `path`, flushes it to disk and renames it over `path`,
// so a reader never sees a half-written file and a failed save never destroys the previous
// one. On any failure the temporary file is removed and false returned.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

// For fault-injection tests only: every following write asks the hook before each step and
// fails that step as the system would when it returns true (Write then stops halfway, as a
// disk filling up does). Null, the default, injects nothing.
enum class AtomicWriteStep { Open, Write, Flush, Rename };
using AtomicWriteFaultHook = bool (*)(AtomicWriteStep);
void setAtomicWriteFaultHook(AtomicWriteFaultHook hook);

} // namespace imaging
