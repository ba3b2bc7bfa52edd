#pragma once

#include <QString>

// Photo names as the name prompt takes them: at most 15 characters, each one the handheld's
// character set holds.

// Fails (bad input) naming the name when it is not such a name.
void RequirePhotoName(const QString &name);

// The first 15 such characters of the file's name without its extension.
QString PhotoNameFromFile(const QString &path);
