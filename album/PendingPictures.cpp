#include "album/PendingPictures.h"

#include "album/PictureStore.h"

void PendingPictures::albumSaved(const std::vector<PhotoRecord> &listed, const QString &dataDir)
{
    QStringList kept;
    for (const PhotoRecord &record : listed)
        kept << RecordPathString(record);
    for (const QString &path : m_added + m_removed) {
        if (!kept.contains(path))
            RemovePictureFile(path, dataDir);
    }
    m_added.clear();
    m_removed.clear();
}

void PendingPictures::runEnded(const QString &dataDir)
{
    for (const QString &path : m_added)
        RemovePictureFile(path, dataDir);
    m_added.clear();
}
