#include "sources/ImageFileFilter.h"

const QString kImageFileFilter = QStringLiteral(
    "All Image Files|*.bmp;*.jpg;*.pcx;*.pcd;*.fpx;*.psd;*.png;*.tga;*.pct;*.ico;*.dcx;*.dic;"
    "*.tiff;*.tif;*.mac;*.img;*.msp|Windows Bitmaps (bmp)|*.bmp|JPEG files (jpg)|*.jpg|Kodak "
    "Files (pcd,fpx)|*.pcd;*.fpx|PCX Files (pcx)|*.pcx|Portable Network Graphics (png)|*.png|"
    "Targa Files (tga)|*.tga|Macintosh Files (pct,mac)|*.pct;*.mac|TIFF Files (tif,tiff)|"
    "*.tif;*.tiff|Photoshop Files (psd)|*.psd|All Files|*.*||");

namespace {

// "*.jpg" -> "*.[jJ][pP][gG]": file names on Linux are matched case-sensitively.
QString anyCase(const QString &pattern)
{
    QString out;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            out += c;
    }
    return out;
}

} // namespace

QStringList ChooserNameFilters(const QString &filter)
{
    QString body = filter;
    if (body.endsWith(QLatin1String("||")))
        body.chop(2);
    const QStringList parts = body.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(QLatin1Char(';')))
            patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : anyCase(pattern));
        filters << parts[i] + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}
