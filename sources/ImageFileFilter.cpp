#include "sources/ImageFileFilter.h"

// Each filter also lists the other spellings of its format (".jpeg" is as common as ".jpg"
// here), and "All Image Files" every format the picture loader reads, so that no photo the
// program could open is hidden in the chooser.
const QString kImageFileFilter = QStringLiteral(
    "All Image Files|*.bmp;*.jpg;*.pcx;*.pcd;*.fpx;*.psd;*.png;*.tga;*.pct;*.ico;*.dcx;*.dic;"
    "*.tiff;*.tif;*.mac;*.img;*.msp;"
    "*.dib;*.jpeg;*.jpe;*.jfif;*.gif;*.webp;*.dcm;*.pict;*.pic;*.pntg;*.icb;*.vda;*.vst;*.cur;"
    "*.icns;*.sgi;*.rgb;*.ras;*.sun;*.pbm;*.pgm;*.ppm;*.pnm;*.xbm;*.xpm;*.wbmp;*.mng"
    "|Windows Bitmaps (bmp)|*.bmp;*.dib|JPEG files (jpg)|*.jpg;*.jpeg;*.jpe;*.jfif"
    "|Kodak Files (pcd,fpx)|*.pcd;*.fpx|PCX Files (pcx)|*.pcx|Portable Network Graphics (png)|*.png"
    "|Targa Files (tga)|*.tga;*.icb;*.vda;*.vst|Macintosh Files (pct,mac)|*.pct;*.mac;*.pict;*.pic;*.pntg"
    "|TIFF Files (tif,tiff)|*.tif;*.tiff|Photoshop Files (psd)|*.psd|All Files|*.*||");
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

const QString kImageFormatNames = QStringLiteral(
    "BMP, JPEG, PNG, GIF, TIFF, WebP, ICO, Targa, PCX, DCX, Photo CD, Photoshop, PICT, MacPaint, "
    "DICOM, SGI, Sun raster, MS Paint, GEM raster, Netpbm, XBM, XPM, WBMP, MNG and ICNS");
