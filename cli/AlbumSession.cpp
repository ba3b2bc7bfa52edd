#include "cli/AlbumSession.h"

#include "album/AlbumFile.h"
#include "album/WriteFailure.h"
#include "cli/ToolFailure.h"

#include <cerrno>

#include <utility>

AlbumSession::AlbumSession(const QString &dataDir, Access access)
    : m_dataDir(dataDir)
{
    if (access == Access::Write) {
        m_lock = std::make_unique<AlbumLock>(dataDir);
        if (m_lock->heldElsewhere())
            Fail(QStringLiteral("the album %1 is open in Vellumo Album Creator (or another "
                                "vellumo-album is changing it); nothing was changed")
                     .arg(albumPath()));
    }
    const AlbumReadResult album = ReadAlbumFile(albumPath());
    if (!album.error.isEmpty())
        Fail(QStringLiteral("the album file %1 cannot be read: %2").arg(albumPath(), album.error));
    m_table.load(album.records);
    for (int slot = 0; slot < m_table.count(); ++slot)
        m_order.push_back(slot);
    m_notLoaded = album.notLoaded;
    m_backupBeforeSave = album.keepBeforeSave;
}

QString AlbumSession::albumPath() const
{
    return AlbumFilePath(m_dataDir);
}

const PhotoRecord &AlbumSession::at(int index) const
{
    return m_table.at(m_order.at(std::size_t(index)));
}

bool AlbumSession::append(const QString &name, const QString &path, std::int32_t grayLevel)
{
    const int slot = m_table.append(name, path, grayLevel);
    if (slot < 0)
        return false;
    m_order.push_back(slot);
    return true;
}

bool AlbumSession::rename(int index, const QString &name)
{
    return m_table.rename(m_order.at(std::size_t(index)), name);
}

void AlbumSession::remove(int index)
{
    m_order.erase(m_order.begin() + index);
}

void AlbumSession::swap(int index, int other)
{
    std::swap(m_order.at(std::size_t(index)), m_order.at(std::size_t(other)));
}

void AlbumSession::save()
{
    const QString path = albumPath();
    if (m_backupBeforeSave) {
        if (!BackupAlbumFile(path))
            Fail(QStringLiteral("cannot keep the album file %1 as %1.bak. %2").arg(path, WriteFailureReason(errno, m_dataDir)));
        m_backupBeforeSave = false;
    }
    std::vector<PhotoRecord> ordered;
    ordered.reserve(m_order.size());
    for (const int slot : m_order)
        ordered.push_back(m_table.at(slot));
    if (!WriteAlbumFile(path, ordered))
        Fail(QStringLiteral("cannot save the album file %1. %2").arg(path, WriteFailureReason(errno, m_dataDir)));
}
