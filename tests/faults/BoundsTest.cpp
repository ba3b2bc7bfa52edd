// Files that claim huge pictures, or are huge without being pictures, are refused without
// allocating what they claim and without being read whole.
#include "ChildProcess.h"
#include "CraftedFiles.h"

#include "album/AlbumBytes.h"
#include "imaging/Bitmap.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(Bounds, HugeClaimsAreRefusedWithoutAllocatingOrReadingThem)
{
    TempDir dir;
    // 0 refused, 1 loaded, -1 died, in a child whose memory could not hold a 250-megapixel
    // picture (1 GB at 4 bytes a pixel) but holds far more than refusing it needs.
    const auto loadInChild = [](const QString &path) {
        return RunInChild([&] { return ImgBitmap().Load(path) ? 1 : 0; }, RLIMIT_AS, 256 << 20);
    };
    const QByteArray sparse; // a gigabyte of zeros that takes no disk
    const std::pair<const char *, QByteArray> files[] = {
        {"bomb.bmp", crafted::bmpHeader(60000, 60000)}, {"bomb.png", crafted::pngHeader(60000, 60000)},
        {"bomb.pcx", crafted::pcxHeader(60000, 60000)}, {"rle-bomb.bmp", crafted::emptyRunLengthBmp(60000, 60000)},
        {"large.bmp", crafted::bmpHeader(20000, 12600)}, // 252 megapixels
        {"large.png", crafted::pngHeader(16000, 16000)}, // 256 megapixels
        {"large-rle.bmp", crafted::emptyRunLengthBmp(20000, 12600)},
        {"x.jpg", sparse}, {"x.bmp", sparse}, {"x.png", sparse}, {"x.gif", sparse}, {"x.tif", sparse},
        {"x.tga", sparse}, {"x.pcx", sparse}, {"x.psd", sparse}};
    constexpr off_t kGigabyte = off_t(1) << 30;
    for (const auto &[name, bytes] : files) {
        const QString path = dir.file(name);
        WriteBytes(path, bytes);
        ASSERT_TRUE(!bytes.isEmpty() || truncate(path.toLocal8Bit().constData(), kGigabyte) == 0);
        EXPECT_EQ(loadInChild(path), 0) << name;
        const long long before = IoCount("rchar:");
        ImgBitmap picture;
        EXPECT_FALSE(picture.Load(path) || picture.IsAllocated()) << name;
        EXPECT_LT(IoCount("rchar:") - before, kGigabyte / 16) << name;
        QFile::remove(path);
    }
    // The same child loads a picture that fits, so its limit is no reason for a refusal.
    WriteBytes(dir.file("fits.bmp"), crafted::emptyRunLengthBmp(1000, 1000));
    EXPECT_EQ(loadInChild(dir.file("fits.bmp")), 1);
}
