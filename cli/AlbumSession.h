#pragma once

#include "album/AlbumLock.h"
#include "album/RecordTable.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The album as the album window keeps it during a run: the record table, which hands out
// the slots, and the list of slots in album order, which the commands rearrange.
class AlbumSession {
public:
    // Reads the album file of the data directory; a missing one is an empty album. Fails,
    // touching nothing, when the file is there but cannot be read, and, for a session that
    // will save, when the album window (or another change) holds the album.
    enum class Access { Read, Write };
    AlbumSession(const QString &dataDir, Access access);

    const QString &dataDir() const { return m_dataDir; }
    QString albumPath() const;
    int count() const { return int(m_order.size()); }
    bool isFull() const { return m_table.isFull(); }
    // Whole records in the file beyond the first kMaxRecords, which were not loaded.
    int notLoaded() const { return m_notLoaded; }
    // The file as found is kept before the first save: it holds bytes a save would not write back.
    bool keepsFileAsFound() const { return m_backupBeforeSave; }

    // index: 0-based album position below count().
    const PhotoRecord &at(int index) const;
    // False (album unchanged) when full or when the name or path does not fit the record.
    bool append(const QString &name, const QString &path, std::int32_t grayLevel);
    bool rename(int index, const QString &name);
    void remove(int index);
    void swap(int index, int other);

    // Writes the records in album order; the file as found is first kept as "Photos.dat.bak"
    // when a save would not write it back as it was, as the album window does. Fails naming the
    // album file, which is then left as it was.
    void save();

private:
    QString m_dataDir;
    RecordTable m_table;
    std::vector<int> m_order;
    int m_notLoaded = 0;
    bool m_backupBeforeSave = false;
    std::unique_ptr<AlbumLock> m_lock;   // held until the session ends
};
