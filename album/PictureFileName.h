#pragma once

#include <QString>

#include <optional>

inline constexpr int kPictureNumbers = 10000;

// "p<number>.bmp" in the data directory, the directory used exactly as given.
QString PictureFilePath(const QString &dataDir, int number);

// The first of p0.bmp to p9999.bmp that names nothing existing (a file or a directory);
// nothing when all are taken.
std::optional<QString> FindFreePictureFile(const QString &dataDir);
