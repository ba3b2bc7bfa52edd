#pragma once

#include <QString>

// One writer per album: the album window for its whole run, the album tool for each command
// that changes the album. An advisory flock() on the data directory itself: it leaves no file
// beside the album, it stays put while saves rename new files over Photos.dat, and the system
// drops it when its process ends, however it ends.
class AlbumLock {
public:
    // Tries once, without waiting.
    explicit AlbumLock(const QString &dataDir);
    ~AlbumLock();
    AlbumLock(const AlbumLock &) = delete;
    AlbumLock &operator=(const AlbumLock &) = delete;

    // True when another holder has it. A folder that cannot be opened or locked (gone, not a
    // folder, a file system without locks) counts as free: the saves then say what is wrong.
    bool heldElsewhere() const { return m_heldElsewhere; }

private:
    int m_fd = -1;
    bool m_heldElsewhere = false;
};
