#pragma once

#include <QString>

class Settings;

// The per-user application data folder, created when missing, without a trailing separator.
QString DefaultDataDirectory();

// The data directory from the settings; when it is empty or names nothing that exists,
// the default folder, which is then written back to the settings.
QString ResolveDataDirectory(Settings &settings);

// Picture paths must fit the album record's path field, the longest picture file name
// ("p9999.bmp") included.
bool DataDirectoryFitsRecords(const QString &dataDir);
