#pragma once

#include <QString>

// Why a file of the album could not be written, as one sentence the user can act on; the
// system's error number (errno) decides: a full disk (or the file size limit), a folder that
// cannot be written to, a folder that is gone, or else the system's own words.
QString WriteFailureReason(int error, const QString &folder);
