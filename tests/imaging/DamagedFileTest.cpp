#include "CraftedFiles.h"
#include "TestImages.h"

#include "support/TempDir.h"

#include "imaging/Bitmap.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <random>

namespace {

// Sample files of many formats: Qt writes some, ImageMagick (when installed) the others.
QStringList sampleFiles(const TempDir &dir)
{
    const QImage photo = testimg::photoLike(80, 60, 13);
    QStringList files;
    for (const char *format : {"png", "jpg", "bmp", "tiff", "webp"}) {
        files << dir.file(QString("sample.") + format);
        photo.save(files.back(), format);
    }
    if (testimg::hasImageMagick("convert")) {
        for (const char *format : {"gif", "pcx", "tga", "psd", "sgi"}) {
            const QString path = dir.file(QString("sample.") + format);
            if (testimg::runImageMagick("convert", {files.front(), path}))
                files << path;
        }
    }
    return files;
}

// Loads into a bitmap that already holds a picture: a failure must drop it.
bool loadOverPrevious(const QString &path)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::gray(3, 3, [](int, int) { return 1; }));
    const bool loaded = bitmap.Load(path);
    EXPECT_EQ(bitmap.IsAllocated(), loaded) << qPrintable(path);
    return loaded;
}

TEST(BitmapLoadDamaged, CutOffFilesAreRefused)
{
    TempDir dir;
    for (const QString &path : sampleFiles(dir)) {
        ASSERT_TRUE(loadOverPrevious(path)) << qPrintable(path);
        const QByteArray whole = testimg::readFile(path);
        for (double kept : {0.97, 0.6, 0.25, 0.02}) {
            const QString cut = dir.file("cut-" + QFileInfo(path).fileName());
            ASSERT_TRUE(testimg::writeFile(cut, whole.left(int(whole.size() * kept))));
            EXPECT_FALSE(loadOverPrevious(cut)) << qPrintable(path) << " kept " << kept;
        }
    }
}

TEST(BitmapLoadDamaged, GarbageIsRefused)
{
    TempDir dir;
    std::mt19937 random(17);
    for (const char *suffix : {"png", "jpg", "bmp", "gif", "tiff", "pcx", "tga", "pict", "psd", "dcm", "txt", ""}) {
        QByteArray noise(5000, '\0');
        for (char &c : noise)
            c = char(random());
        const QString path = dir.file(QString("noise.") + suffix);
        ASSERT_TRUE(testimg::writeFile(path, noise));
        EXPECT_FALSE(loadOverPrevious(path)) << suffix;
    }
    ASSERT_TRUE(testimg::writeFile(dir.file("empty.png"), {}));
    EXPECT_FALSE(loadOverPrevious(dir.file("empty.png")));
    EXPECT_FALSE(loadOverPrevious(dir.file("missing.png")));
    EXPECT_FALSE(loadOverPrevious(dir.path()));
}

TEST(BitmapLoadDamaged, HeadersAnnouncingHugePicturesAreRefused)
{
    TempDir dir;
    ASSERT_TRUE(testimg::writeFile(dir.file("bomb.png"), crafted::pngHeader(60000, 60000)));
    ASSERT_TRUE(testimg::writeFile(dir.file("bomb.bmp"), crafted::bmpHeader(60000, 60000)));
    ASSERT_TRUE(testimg::writeFile(dir.file("bomb.pcx"), crafted::pcxHeader(60000, 60000)));
    // A complete file decoding to 256 megapixels, within Qt's own allocation limit: only the
    // size check stops it. The same file at a modest size loads.
    ASSERT_TRUE(testimg::writeFile(dir.file("over.bmp"), crafted::emptyRunLengthBmp(16000, 16000)));
    ASSERT_TRUE(testimg::writeFile(dir.file("fine.bmp"), crafted::emptyRunLengthBmp(1600, 1600)));
    for (const char *name : {"bomb.png", "bomb.bmp", "bomb.pcx", "over.bmp"})
        EXPECT_FALSE(loadOverPrevious(dir.file(name))) << name;
    EXPECT_TRUE(loadOverPrevious(dir.file("fine.bmp")));
}

} // namespace
