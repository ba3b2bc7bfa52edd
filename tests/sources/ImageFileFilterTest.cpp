#include "sources/ImageFileFilter.h"

#include "imaging/Bitmap.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

bool matches(const QString &filter, const QString &fileName)
{
    const QString patterns = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
    for (const QString &pattern : patterns.split(' '))
        if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(fileName).hasMatch())
            return true;
    return false;
}

} // namespace

TEST(ImageFileFilter, ElevenFiltersInOrderMatchingAnyCase)
{
    EXPECT_TRUE(kImageFileFilter.startsWith("All Image Files|*.bmp;*.jpg;*.pcx;*.pcd;*.fpx;*.psd;"));
    EXPECT_TRUE(kImageFileFilter.endsWith("|Photoshop Files (psd)|*.psd|All Files|*.*||"));
    const QStringList filters = ChooserNameFilters();
    const QStringList labels = {"All Image Files", "Windows Bitmaps (bmp)", "JPEG files (jpg)",
                                "Kodak Files (pcd,fpx)", "PCX Files (pcx)", "Portable Network Graphics (png)",
                                "Targa Files (tga)", "Macintosh Files (pct,mac)", "TIFF Files (tif,tiff)",
                                "Photoshop Files (psd)", "All Files"};
    ASSERT_EQ(filters.size(), labels.size());
    for (int i = 0; i < labels.size(); ++i)
        EXPECT_TRUE(filters[i].startsWith(labels[i] + " (")) << filters[i].toStdString();
    EXPECT_EQ(filters[0].count('*'), 17);
    const struct { int filter; const char *name; bool shown; } rows[] = {
        {0, "a.bmp", true}, {0, "B.JPG", true}, {0, "c.Tiff", true}, {0, "d.pcx", true}, {0, "e.PSD", true},
        {0, "f.msp", true}, {0, "g.img", true}, {0, "notes.txt", false}, {0, "photo.jpeg", false},
        {2, "HOLIDAY.JPG", true}, {2, "holiday.png", false}, {7, "old.MAC", true}, {10, "anything.at-all", true}};
    for (const auto &r : rows)
        EXPECT_EQ(matches(filters[r.filter], r.name), r.shown) << r.filter << ' ' << r.name;
}

// Every listed format that ImageMagick can write here is made from one picture and must load
// at its size (FlashPix, DICOM, MacPaint and MS Paint files it cannot write).
TEST(ImageFileFilter, EveryWritableListedFormatLoads)
{
    const QString convert = QStringLiteral("/usr/bin/convert");
    if (!QFileInfo(convert).isExecutable())
        GTEST_SKIP() << "ImageMagick is not installed";
    TempDir dir;
    QImage base(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            base.setPixel(x, y, qRgb(x * 4, y * 5, 128));
    ASSERT_TRUE(base.save(dir.file("base.png")));
    const std::pair<QString, QString> formats[] = {
        {"bmp", "bmp"}, {"jpg", "jpg"}, {"pcx", "pcx"}, {"pcd", "pcd"}, {"psd", "psd"}, {"png", "png"}, {"tga", "tga"},
        {"pct", "pict"}, {"ico", "ico"}, {"dcx", "dcx"}, {"tiff", "tiff"}, {"tif", "tif"}, {"img", "sun"}};
    for (const auto &[suffix, coder] : formats) {
        const QString file = dir.file("picture." + suffix);
        ASSERT_EQ(QProcess::execute(convert, {dir.file("base.png"), coder + ':' + file}), 0) << suffix.toStdString();
        ImgBitmap picture;
        EXPECT_TRUE(picture.Load(file)) << suffix.toStdString();
        // Photo CD stores fixed sizes; every other format keeps the picture's own.
        EXPECT_TRUE(suffix == "pcd" || QSize(picture.GetWidth(), picture.GetHeight()) == QSize(64, 48))
            << suffix.toStdString();
    }
}
