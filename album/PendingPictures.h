#pragma once

#include "album/PhotoRecord.h"

#include <QString>
#include <QStringList>

#include <vector>

// Picture files whose fate waits for the album file, so that the album file and the pictures
// on disk always agree: a removed photo's picture goes only once an album file that no longer
// lists it has been written, and a picture added during the run stays only once an album file
// that lists it has been written. Only "p<number>.bmp" files of the data directory are deleted.
class PendingPictures {
public:
    void added(const QString &path) { m_added << path; }
    void removed(const QString &path) { m_removed << path; }
    // The album file now lists `listed`: every picture waiting here that it does not list goes.
    void albumSaved(const std::vector<PhotoRecord> &listed, const QString &dataDir);
    // The run ends with what was saved last: pictures added since then go, removed ones stay,
    // since the album file still lists them.
    void runEnded(const QString &dataDir);

private:
    QStringList m_added, m_removed;
};
