#pragma once

#include <QString>

class Settings;

// True when something exists at the path: any failure of stat, not only a missing path,
// counts as nothing there. One trailing separator is ignored.
bool PathExists(const QString &path);

// The per-user application data folder, created when missing, without a trailing separator.
QString DefaultDataDirectory();

// The data directory from the settings; when it is empty or names nothing that exists,
// the default folder, which is then written back to the settings. A stored folder that was
// not found (an unplugged drive, a renamed folder) is given in notFound, so the user can be told.
QString ResolveDataDirectory(Settings &settings, QString *notFound = nullptr);

// Picture paths must fit the album record's path field, the longest picture file name
// ("p9999.bmp") included.
bool DataDirectoryFitsRecords(const QString &dataDir);
