#pragma once

#include "album/PhotoRecord.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

// "Photos.dat": a 12-byte header, then 280-byte records in album order, nothing else.

// dataDir is used exactly as given.
QString AlbumFilePath(const QString &dataDir);

struct AlbumReadResult {
    std::vector<PhotoRecord> records; // at most kMaxRecords
    int notLoaded = 0;                // whole records in the file beyond the first kMaxRecords
    bool opened = false;              // false when there is no file at path or it cannot be read
    QString error;                    // why a file that is there cannot be read; else empty
    // The file holds bytes that saving the records would not write back (more records than
    // the table, a partial record, fewer bytes than the header): keep it before the first save.
    bool keepBeforeSave = false;
};

// The album in `start`, the first bytes of a file of fileSize bytes in all; only the header and
// the first kMaxRecords records are looked at, the rest is counted from fileSize. A trailing
// partial record, and fewer bytes than the header, load nothing more.
AlbumReadResult ParseAlbum(QByteArrayView start, qint64 fileSize);
// Reads no more of the file than ParseAlbum looks at, so a file of any size costs the same.
// No file at path is an empty album; anything else that cannot be read (a folder, no
// permission, a failing disk) sets error, so that nothing is saved over it.
AlbumReadResult ReadAlbumFile(const QString &path);

// The header, then every record given, in order.
QByteArray EncodeAlbum(const std::vector<PhotoRecord> &recordsInOrder);
// Writes EncodeAlbum's bytes through a temporary file renamed over path;
// false when the file could not be replaced completely, the previous one then left as it was.
bool WriteAlbumFile(const QString &path, const std::vector<PhotoRecord> &recordsInOrder);

// Keeps the file as it is as path + ".bak", as safely as WriteAlbumFile writes and at the same
// cost whatever its size (a hard link, else a copy that skips holes). Meant for a file that
// AlbumReadResult::keepBeforeSave marks, before the first save replaces it.
bool BackupAlbumFile(const QString &path);
