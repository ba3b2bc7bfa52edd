#pragma once

#include "album/PhotoRecord.h"

#include <QString>

#include <vector>

// "Photos.dat": a 12-byte header, then 280-byte records in album order, nothing else.

// dataDir is used exactly as given.
QString AlbumFilePath(const QString &dataDir);

struct AlbumReadResult {
    std::vector<PhotoRecord> records; // at most kMaxRecords
    int notLoaded = 0;                // whole records in the file beyond the first kMaxRecords
    bool opened = false;              // false when there is no readable regular file at path
};

// A trailing partial record, and a file shorter than the header, load nothing more.
AlbumReadResult ReadAlbumFile(const QString &path);

// Writes every record given, in order, through a temporary file renamed over path;
// false when the file could not be replaced completely, the previous one then left as it was.
bool WriteAlbumFile(const QString &path, const std::vector<PhotoRecord> &recordsInOrder);

// Copies the file as it is to path + ".bak", as safely as WriteAlbumFile writes.
// Meant for a file with more records than the table holds, before the first save drops them.
bool BackupAlbumFile(const QString &path);
