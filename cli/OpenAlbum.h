#pragma once

#include "cli/AlbumSession.h"

#include <QString>

class QTextStream;
struct ParsedArguments;

// --data-dir made absolute (the album stores full picture paths), or else the folder the
// album creator uses: the "DataDir" setting, or the default folder, written back, with a
// warning on err when the setting named a folder that is gone. Fails unless it names a folder.
QString ChooseDataDirectory(const ParsedArguments &arguments, QTextStream &err);

// The album of that folder; a warning on err when the file holds more records than an
// album takes, or bytes that are not a whole record.
AlbumSession OpenAlbum(const ParsedArguments &arguments, QTextStream &err,
                       AlbumSession::Access access = AlbumSession::Access::Write);
