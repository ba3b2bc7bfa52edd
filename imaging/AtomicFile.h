#pragma once

#include <QByteArray>
#include <QString>

namespace imaging {

// Writes `bytes` to a new file beside `path`, flushes it to disk and renames it over `path`,
// so a reader never sees a half-written file and a failed save never destroys the previous
// one. On any failure the temporary file is removed and false returned.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace imaging
