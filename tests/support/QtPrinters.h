#pragma once

#include "render/CropGeometry.h"

#include <QStringList>

#include <ostream>

// Readable failure messages for Qt strings and crop rectangles in GoogleTest assertions.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << (texts.isEmpty() ? "[]" : "[\"" + texts.join("\", \"").toStdString() + "\"]");
}

inline void PrintTo(const CropRect &r, std::ostream *out)
{
    *out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}
