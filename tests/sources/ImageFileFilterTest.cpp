#include "sources/ImageFileFilter.h"

#include "imaging/Bitmap.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(ImageFileFilter, ElevenFiltersInOrderMatchingAnyCase)
{
    const QStringList filters = ChooserNameFilters();
    EXPECT_EQ(filters.join('|').remove(QRegularExpression(R"( \([^)]*\)(?=\||$))")), // the labels without their patterns
              "All Image Files|Windows Bitmaps (bmp)|JPEG files (jpg)|Kodak Files (pcd,fpx)|PCX Files (pcx)|Portable Network "
              "Graphics (png)|Targa Files (tga)|Macintosh Files (pct,mac)|TIFF Files (tif,tiff)|Photoshop Files (psd)|All Files");
    ASSERT_EQ(filters.size(), 11);
    EXPECT_EQ(filters[0].count('*'), 17);
    const struct { int filter; const char *name; bool shown; } rows[] = {
        {0, "a.bmp", true}, {0, "B.JPG", true}, {0, "c.Tiff", true}, {0, "d.pcx", true}, {0, "e.PSD", true},
        {0, "f.msp", true}, {0, "g.img", true}, {0, "notes.txt", false}, {0, "photo.jpeg", false},
        {2, "HOLIDAY.JPG", true}, {2, "holiday.png", false}, {7, "old.MAC", true}, {10, "anything.at-all", true}};
    for (const auto &r : rows) {
        const QString patterns = filters[r.filter].mid(filters[r.filter].lastIndexOf('(') + 1).chopped(1);
        bool matched = false;
        for (const QString &pattern : patterns.split(' '))
            matched |= QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(r.name).hasMatch();
        EXPECT_EQ(matched, r.shown) << r.filter << ' ' << r.name;
    }
}

// Made by ImageMagick, which cannot write FlashPix, DICOM, MacPaint or MS Paint files.
TEST(ImageFileFilter, EveryWritableListedFormatLoads)
{
    const QString convert = QStringLiteral("convert"); // scripts/install-deps installs imagemagick
    TempDir dir;
    const std::pair<QString, QString> formats[] = {
        {"bmp", "bmp"}, {"jpg", "jpg"}, {"pcx", "pcx"}, {"pcd", "pcd"}, {"psd", "psd"}, {"png", "png24"}, {"tga", "tga"},
        {"pct", "pict"}, {"ico", "ico"}, {"dcx", "dcx"}, {"tiff", "tiff"}, {"tif", "tif"}, {"img", "sun"}};
    for (const auto &[suffix, coder] : formats) {
        const QString file = dir.file("picture." + suffix);
        ASSERT_EQ(QProcess::execute(convert, {"-size", "64x48", "xc:#5a8cc8", "-type", "TrueColor", "-depth", "8",
                                              coder + ':' + file}), 0) << suffix.toStdString();
        ImgBitmap picture;
        EXPECT_TRUE(picture.Load(file)) << suffix.toStdString();
        // Photo CD stores fixed sizes; every other format keeps the picture's own.
        EXPECT_TRUE(suffix == "pcd" || QSize(picture.GetWidth(), picture.GetHeight()) == QSize(64, 48))
            << suffix.toStdString();
    }
}
