#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// Windows-1252 without relying on the system's codecs, which Qt 6 no longer guarantees.
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to
// the C1 code points of the same value and encode back, so any file's bytes round-trip.

// *ok becomes false (and the result is empty) when a character has no byte.
QByteArray ToWindows1252(const QString &text, bool *ok);
QString FromWindows1252(const char *bytes, qsizetype length);

// For typed input: true when the character has a byte and is not a control character.
// Refused: C0 (U+0000-U+001F), DEL (U+007F) and C1 (U+0080-U+009F, including the five
// undefined bytes' code points), besides everything outside the code page.
bool Windows1252CanHold(QChar c);
