#include "sources/ImageFileFilter.h"

#include "imaging/Bitmap.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QStringList patternsOf(const QString &filter)
{
    return filter.mid(filter.lastIndexOf('(') + 1).chopped(1).split(' ');
}

bool shows(const QString &filter, const QString &name)
{
    bool matched = false;
    for (const QString &pattern : patternsOf(filter))
        matched |= QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(name).hasMatch();
    return matched;
}

} // namespace

TEST(ImageFileFilter, ElevenFiltersInOrderEachShowingItsFormatsSpellingsInAnyCase)
{
    const QStringList filters = ChooserNameFilters();
    EXPECT_EQ(filters.join('|').remove(QRegularExpression(R"( \([^)]*\)(?=\||$))")), // the labels without their patterns
              "All Image Files|Windows Bitmaps (bmp)|JPEG files (jpg)|Kodak Files (pcd,fpx)|PCX Files (pcx)|Portable Network "
              "Graphics (png)|Targa Files (tga)|Macintosh Files (pct,mac)|TIFF Files (tif,tiff)|Photoshop Files (psd)|All Files");
    ASSERT_EQ(filters.size(), 11);
    const struct { int filter; const char *name; bool shown; } rows[] = {
        {0, "a.bmp", true}, {0, "B.JPG", true}, {0, "c.Tiff", true}, {0, "d.pcx", true}, {0, "e.PSD", true},
        {0, "f.msp", true}, {0, "g.img", true}, {0, "photo.jpeg", true}, {0, "PHOTO.JPEG", true}, {0, "anim.GIF", true},
        {0, "w.webp", true}, {0, "scan.DCM", true}, {0, "notes.txt", false}, {0, "jpeg", false}, {0, "README", false},
        {0, "photo.jpeg.txt", false}, {1, "old.DIB", true}, {2, "HOLIDAY.JPG", true}, {2, "x.Jpe", true},
        {2, "holiday.png", false}, {2, "jpg", false}, {7, "old.MAC", true}, {7, "art.PICT", true}, {7, "art.pic", true},
        {10, "anything.at-all", true}, {10, "README", true}, {10, "Makefile.", true}};
    for (const auto &r : rows)
        EXPECT_EQ(shows(filters[r.filter], r.name), r.shown) << r.filter << ' ' << r.name;
    // Whatever a format's own filter shows, "All Image Files" shows too.
    for (int f = 1; f < 10; ++f)
        for (const QString &pattern : patternsOf(filters[f]))
            EXPECT_TRUE(patternsOf(filters[0]).contains(pattern)) << filters[f].toStdString() << ' ' << pattern.toStdString();
}

// Every kind of file "All Image Files" shows is read, made by ImageMagick where it can write it.
TEST(ImageFileFilter, EveryWritableListedFormatLoads)
{
    const QString convert = QStringLiteral("convert"); // scripts/install-deps installs imagemagick
    const QStringList unwritable = {"fpx", "dic", "dcm", "mac", "pntg", "msp", "icns"};
    const QHash<QString, QString> coders = {{"png", "png24"}, {"dib", "bmp"}, {"jpe", "jpg"}, {"jfif", "jpg"},
        {"pct", "pict"}, {"pic", "pict"}, {"img", "sun"}, {"icb", "tga"}, {"vda", "tga"}, {"vst", "tga"},
        {"rgb", "sgi"}, {"ras", "sun"}};
    TempDir dir;
    for (const QString &pattern : kImageFileFilter.section('|', 1, 1).split(';')) {
        const QString suffix = pattern.mid(2);
        if (unwritable.contains(suffix))
            continue;
        const QString file = dir.file("picture." + suffix);
        ASSERT_EQ(QProcess::execute(convert, {"-size", "64x48", "xc:#5a8cc8", "-type", "TrueColor", "-depth", "8",
                                              coders.value(suffix, suffix) + ':' + file}), 0) << suffix.toStdString();
        ImgBitmap picture;
        EXPECT_TRUE(picture.Load(file)) << suffix.toStdString();
        // Photo CD stores fixed sizes; every other format keeps the picture's own.
        EXPECT_TRUE(suffix == "pcd" || QSize(picture.GetWidth(), picture.GetHeight()) == QSize(64, 48))
            << suffix.toStdString();
    }
}
