#pragma once

#include <QString>

class Settings;

// The per-user application data folder, created when missing, without a trailing separator.
QString DefaultDataDirectory();

// A DataDir written by hand as "~", "~/..." or a relative path means a folder of the home
// folder, whatever folder the program was started from: the album stores absolute picture
// paths. Absolute paths are kept as they are, trailing separator and all.
QString AbsoluteDataDirectory(const QString &stored);

// The data directory from the settings, made absolute; when it is empty or names nothing that exists,
// the default folder, which is then written back to the settings. A stored folder that was
// not found (an unplugged drive, a renamed folder) is given in notFound, so the user can be told.
QString ResolveDataDirectory(Settings &settings, QString *notFound = nullptr);
// What the window and the tool tell the user then: which folder was missed and which is used.
QString DataDirectoryNotFoundText(const QString &notFound, const QString &used);

// Picture paths must fit the album record's path field, the longest picture file name
// ("p9999.bmp") included.
bool DataDirectoryFitsRecords(const QString &dataDir);
