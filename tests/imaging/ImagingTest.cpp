#include "CraftedFiles.h"
#include "TestImages.h"

#include "album/AlbumBytes.h"
#include "support/TempDir.h"

#include "imaging/Bitmap.h"
#include "imaging/EncodedCompleteness.h"
#include "imaging/ExifOrientation.h"
#include "imaging/ImageFile.h"

#include <QtEndian>

#include <map>

#include <gtest/gtest.h>

using testimg::grayAt;
using testimg::graysIn;

namespace {

const GrayPalette kGray4 = GrayPalette::Gray4(), kGray16 = GrayPalette::Gray16();

QImage numbered(int width, int height) { return testimg::gray(width, height, [&](int x, int y) { return (y * width + x) % 251; }); }

QImage after(const QImage &image, const std::function<void(ImgBitmap &)> &change)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(image);
    change(bitmap);
    return bitmap.ToQImage();
}

// Loaded into a bitmap that already holds a picture: a failure must drop it.
QImage loaded(const QString &path)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(numbered(3, 3));
    const bool ok = bitmap.Load(path);
    EXPECT_EQ(ok, bitmap.IsAllocated()) << qPrintable(path);
    return bitmap.ToQImage();
}

} // namespace

TEST(GrayPalette, EachGrayTakesTheNearestEntryAndATieTheLowerOne)
{
    const struct { const char *why; GrayPalette palette; int gray, nearest; } rows[] = {
        {"4: between 0 and 100", kGray4, 50, 0}, {"4: between 100 and 200", kGray4, 150, 100}, {"4: an entry", kGray4, 200, 200},
        {"4: below the middle of 200, 255", kGray4, 227, 200}, {"4: above it", kGray4, 228, 255}, {"16: nearer 0", kGray16, 8, 0},
        {"16: nearer 17", kGray16, 9, 17}, {"16: 7 times 17", kGray16, 119, 119}, {"16: white", kGray16, 255, 255},
    };
    for (const auto &r : rows)
        EXPECT_EQ(r.palette.grays[r.palette.NearestIndices()[size_t(r.gray)]], r.nearest) << r.why;
}

TEST(BitmapTone, ContrastAndStretchGiveTheWorkedValues)
{
    const QImage ramp = testimg::gray(256, 1, [](int x, int) { return x; }), from50 = testimg::gray(101, 1, [](int x, int) { return 50 + x; });
    const auto stretch = [](ImgBitmap &b) { b.StretchIntensity(); };
    const auto contrast = [](int c) { return [c](ImgBitmap &b) { b.Contrast(c); }; };
    const struct { const char *why; QImage in; std::function<void(ImgBitmap &)> change; int x, out; } rows[] = {
        // 128 + (v - 128) k, k = 1 + c/1000 up to 0 and 1 / (1 - 0.95 c/1000) above.
        {"0 keeps", ramp, contrast(0), 37, 37}, {"-1000 flat", ramp, contrast(-1000), 0, 128},
        {"-1000 flat white", ramp, contrast(-1000), 255, 128}, {"-500 halves", ramp, contrast(-500), 0, 64},
        {"-500 of 200", ramp, contrast(-500), 200, 164}, {"-500: 191.5 up", ramp, contrast(-500), 255, 192},
        {"500: 128 - 28 / 0.525", ramp, contrast(500), 100, 75}, {"1000 (k 20) clamps", ramp, contrast(1000), 121, 0},
        {"1000: 128 - 6 k", ramp, contrast(1000), 122, 8}, {"1000 keeps 128", ramp, contrast(1000), 128, 128},
        {"1000: 128 + 6 k", ramp, contrast(1000), 134, 248}, {"1000 clamps", ramp, contrast(1000), 135, 255},
        {"5000 is 1000", ramp, contrast(5000), 122, 8}, {"-5000 is -1000", ramp, contrast(-5000), 0, 128},
        // 50..150 to 0..255: (v - 50) * 2.55, rounded half up.
        {"stretch darkest", from50, stretch, 0, 0}, {"stretch 2.55", from50, stretch, 1, 3}, {"stretch 5.1", from50, stretch, 2, 5},
        {"stretch 127.5", from50, stretch, 50, 128}, {"stretch brightest", from50, stretch, 100, 255},
        {"stretch leaves flat", testimg::gray(3, 1, [](int, int) { return 77; }), stretch, 1, 77},
    };
    for (const auto &r : rows)
        EXPECT_EQ(grayAt(after(r.in, r.change), r.x, 0), r.out) << r.why;
    // Colour: one range 40..140 for all channels (60 -> 51, 80 -> 102, 100 -> 153, 120 -> 204), contrast per channel.
    const QImage two = testimg::color(2, 1, [](int x, int) { return x ? qRgb(100, 120, 140) : qRgb(40, 60, 80); });
    EXPECT_EQ(after(two, stretch), testimg::color(2, 1, [](int x, int) { return x ? qRgb(153, 204, 255) : qRgb(0, 51, 102); }));
    EXPECT_EQ(after(two, contrast(-500)).pixel(0, 0), qRgb(84, 94, 104));
}

TEST(BitmapSize, EnlargesBetweenPixelCentresAndShrinksFromTheLevelWithTwiceTheOutputsPixels)
{
    const auto line = [](int length, std::function<bool(int)> white) { return testimg::gray(length, 4, [&](int x, int) { return white(x) ? 255 : 0; }); };
    const struct { const char *why; QImage in; QRect frame; int out; std::vector<int> grays; } rows[] = {
        // Centres at 2 (i + 0.5) / 4 - 0.5 = -0.25, 0.25, 0.75, 1.25: linear 0, 0.25, 0.75, 1 in sRGB
        // 1.055 x 0.25^(1/2.4) - 0.055 = 0.5371 (137), 0.8808 (224.6); ImageMagick's -filter Triangle gives 136, 224.
        {"2 to 4 between centres", line(2, [](int x) { return x == 1; }), QRect(0, 0, 2, 4), 4, {0, 137, 225, 255}},
        // Frame 8 across for 2: level 1 (4 pixels, twice 2) is whole 2-pixel squares from x = 2, the exact means;
        // level 2 (2 pixels) would mix x = 0..7 into the first: (0.5 + 0.25) of white, 225.
        {"level 1 has twice the output", line(12, [](int x) { return x >= 2 && x < 6; }), QRect(2, 0, 8, 4), 2, {255, 0}},
        // Frame 6 across for 2: full resolution; level 1 would give 5/6 (235) and 1/6 (113) of white.
        {"level 1 has fewer than twice", line(12, [](int x) { return x < 3; }), QRect(0, 0, 6, 4), 2, {255, 0}},
    };
    for (const auto &r : rows) {
        const QImage out = after(r.in, [&](ImgBitmap &b) { b.Trim(r.frame); b.Size(r.out, 1); });
        for (int i = 0; i < r.out; ++i)
            EXPECT_EQ(grayAt(out, i, 0), r.grays[size_t(i)]) << r.why << " at " << i;
    }
}

TEST(BitmapReduceColors, DithersBetweenTheTwoNearestGraysKeepingTheMean)
{
    const struct { const GrayPalette &palette; QRgb colour; double mean; std::set<int> used; } rows[] = {
        {kGray4, qRgb(50, 50, 50), 50, {0, 100}}, {kGray4, qRgb(150, 150, 150), 150, {100, 200}},
        {kGray4, qRgb(230, 230, 230), 230, {200, 255}}, {kGray4, qRgb(100, 100, 100), 100, {100}},
        {kGray16, qRgb(10, 10, 10), 10, {0, 17}}, {kGray16, qRgb(128, 128, 128), 128, {119, 136}},
        {kGray16, qRgb(250, 250, 250), 250, {238, 255}}, {kGray4, qRgb(200, 40, 90), 94, {0, 100}}, // by its luma, 93.54
    };
    for (const auto &r : rows) {
        ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::color(96, 96, [&](int, int) { return r.colour; }));
        bitmap.ReduceColors(r.palette);
        ASSERT_TRUE(bitmap.IsIndexed() && *bitmap.Palette() == r.palette);
        double sum = 0;
        for (int i = 0; i < 96 * 96; ++i)
            sum += grayAt(bitmap.ToQImage(), i % 96, i / 96);
        EXPECT_NEAR(sum / (96 * 96), r.mean, 1.0) << std::hex << r.colour;
        EXPECT_EQ(graysIn(bitmap.ToQImage()), r.used) << std::hex << r.colour;
    }
    // Stucki: 50 goes to 0 (a tie); 8/42 of its error, 9.52, lifts the next 141 past 150.5 to 200.
    for (const QSize &size : {QSize(2, 1), QSize(1, 2)}) {
        const QImage pair = testimg::gray(size.width(), size.height(), [](int x, int y) { return x + y ? 141 : 50; });
        EXPECT_EQ(graysIn(after(pair, [](ImgBitmap &b) { b.ReduceColors(kGray4); })), (std::set<int>{0, 200})) << size.width();
    }
    EXPECT_EQ(after(numbered(5, 5), [](ImgBitmap &b) { b.ReduceColors(GrayPalette{}); }), numbered(5, 5)) << "no palette";
    EXPECT_EQ(after(numbered(5, 5), [](ImgBitmap &b) { b.ReduceColors(kGray4); b.GrayScale(); }).format(), QImage::Format_Grayscale8);
}

TEST(BitmapTrimAndCombine, KeepTheClippedRectangleInTheTargetsKind)
{
    const QImage source = numbered(20, 10);
    for (const auto &[asked, kept] : {std::pair{QRect(-4, -3, 10, 8), QRect(0, 0, 6, 5)}, {QRect(15, 7, 30, 30), QRect(15, 7, 5, 3)}})
        EXPECT_EQ(after(source, [&](ImgBitmap &b) { b.Trim(asked); }), source.copy(kept)) << asked.x();
    EXPECT_TRUE(after(source, [](ImgBitmap &b) { b.Trim(QRect(20, 0, 5, 5)); }).isNull());
    EXPECT_TRUE(after(source, [](ImgBitmap &b) { b.Size(0, 5); }).isNull());
    // Gray [40, 150] at x = 1 after a fill, clipped at the right edge: into colour as gray, into
    // indexed by the nearest entry (150: the lower of a tie); at x = 3 nothing is left to copy.
    const ImgBitmap block = ImgBitmap::FromQImage(testimg::gray(2, 1, [](int x, int) { return x ? 150 : 40; }));
    ImgBitmap indexed = ImgBitmap::FromQImage(numbered(3, 1));
    indexed.ReduceColors(kGray4);
    const std::tuple<ImgBitmap, int, std::set<int>> rows[] = {
        {ImgBitmap::FromQImage(testimg::photoLike(3, 1, 2)), 1, {110, 40, 150}}, {indexed, 1, {100, 0}}, {indexed, 3, {100}}};
    for (auto [target, x, grays] : rows) {
        target.Fill(110);
        target.Combine(block, 5, 5, x, 0);
        EXPECT_EQ(graysIn(target.ToQImage()), grays) << target.ToQImage().format() << " at " << x;
    }
}

TEST(BitmapLoad, ReadsEachFormatAndRefusesItCutOffDamagedOrMissing)
{
    TempDir dir;
    const QImage photo = testimg::photoLike(80, 60, 13);
    QStringList files = {dir.file("rle.bmp")}; // 1600 by 1600 in a few bytes, complete only with its end code
    WriteBytes(files[0], crafted::emptyRunLengthBmp(1600, 1600));
    for (const char *format : {"png", "jpg", "bmp", "tiff", "webp", "gif", "pcx", "tga", "psd", "sgi"}) { // Qt's or ImageMagick's
        files << dir.file(QString("sample.") + format);
        EXPECT_TRUE(photo.save(files.back(), format, 95) || QProcess::execute("convert", {files[1], files.back()}) == 0) << format;
    }
    for (const char *raw : {"raw.psd", "raw.psb", "raw.sgi"}) { // uncompressed; Photoshop's large document format
        files << dir.file(raw);
        EXPECT_EQ(QProcess::execute("convert", {files[1], "-compress", "none", files.back()}), 0) << raw;
    }
    // A GIF with a comment and a graphic control block; a JPEG with fill bytes before its markers.
    files << dir.file("comment.gif") << dir.file("filled.jpg");
    ASSERT_EQ(QProcess::execute("convert", {files[1], "-comment", "Vellumo", "-dispose", "2", files[files.size() - 2]}), 0);
    const QByteArray jpeg = ReadBytes(files[2]);
    WriteBytes(files.back(), QByteArray(jpeg).insert(jpeg.size() - 2, "\xFF\xFF").insert(jpeg.indexOf("\xFF\xDB"), "\xFF\xFF\xFF"));
    for (const QString &path : files) {
        const QImage whole = loaded(path);
        const bool lossy = path.endsWith("jpg") || path.endsWith("webp") || path.endsWith("gif");
        EXPECT_TRUE(path == files[0] ? whole.size() == QSize(1600, 1600) : lossy ? whole.size() == photo.size() : whole == photo)
            << qPrintable(path);
        const QByteArray bytes = ReadBytes(path);
        for (double kept : {0.97, 0.6, 0.25, 0.02}) {
            WriteBytes(dir.file("cut"), bytes.left(int(bytes.size() * kept)));
            EXPECT_TRUE(loaded(dir.file("cut")).isNull()) << qPrintable(path) << " kept " << kept;
        }
    }
    // A CMYK JPEG, as print work leaves them, shows the colours ImageMagick shows for it.
    const QString cmykFile = dir.file("cmyk.jpg"), shownFile = dir.file("cmyk.png");
    ASSERT_EQ(QProcess::execute("convert", {files[1], "-colorspace", "CMYK", cmykFile}) + QProcess::execute("convert", {cmykFile, "-colorspace", "sRGB", shownFile}), 0);
    const QImage cmyk = loaded(cmykFile).convertToFormat(QImage::Format_RGB888), shown = QImage(shownFile).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(cmyk.size(), shown.size());
    for (qsizetype i = 0; i < shown.sizeInBytes(); ++i)   // rows of 80 pixels, 240 bytes: no padding
        ASSERT_LE(std::abs(cmyk.constBits()[i] - shown.constBits()[i]), 1) << "CMYK byte " << i;
    WriteBytes(dir.file("cut"), ReadBytes(files[0]).chopped(1)); // no end code
    EXPECT_TRUE(loaded(dir.file("cut")).isNull());
    WriteBytes(dir.file("cut"), {});
    for (const QString &path : {dir.file("cut"), dir.file("missing.png"), dir.path()}) // empty, missing, a folder
        EXPECT_TRUE(loaded(path).isNull()) << qPrintable(path);
}

// Codes 1 to 8 in either byte order are read in the orientation test; anything broken reads as upright.
TEST(ExifOrientation, AnythingBrokenReadsAsUpright)
{
    // The APP1 segment after its length: "Exif\0\0", "II" or "MM" at 6, the directory's offset (8) at 10, its
    // entry count at 14, then the entry: tag 0x0112 at 16, type SHORT (3) at 18, count (1) at 20, the code at 24.
    const QByteArray little = crafted::withExifOrientation({}, 6).mid(4), big = crafted::withExifOrientation({}, 6, true).mid(4);
    const auto with = [](QByteArray block, int at, char byte) { block[at] = byte; return block; };
    const struct { const char *why; QByteArray app1; } rows[] = {
        {"no Exif name", with(little, 0, 'J')}, {"neither II nor MM", with(little, 7, 'M')}, {"too short for a TIFF header", little.left(13)},
        {"directory past the end", with(little, 10, 0x7f)}, {"cut inside the entry", little.left(27)}, {"a LONG", with(little, 18, 4)}, {"two values", with(big, 23, 2)},
        {"another tag, then a second entry cut off", with(with(little, 14, 2), 16, 0x13)}, {"code 9", with(little, 24, 9)}, {"code 0", with(big, 25, 0)},
    };
    for (const auto &r : rows)
        EXPECT_EQ(imaging::exifOrientation({reinterpret_cast<const uint8_t *>(r.app1.constData()), size_t(r.app1.size())}), 1) << r.why;
}

TEST(BitmapSaveBmp4, WritesFourBitsPerPixelBottomUpWithThePaletteGraysFirst)
{
    TempDir dir;
    const QString path = dir.file("picture.bmp");
    WriteBytes(path, QByteArray(50000, 'x')); // replaced
    ImgBitmap photo = ImgBitmap::FromQImage(testimg::photoLike(160, 120, 9));
    photo.ReduceColors(kGray4);
    ASSERT_TRUE(photo.SaveBmp4(path) && !ImgBitmap().SaveBmp4(dir.file("none.bmp")));
    const QByteArray bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 118 + 120 * 80);
    const struct { const char *what; int at, size; uint32_t value; } fields[] = {
        {"file size", 2, 4, 9718}, {"pixel offset", 10, 4, 118}, {"info header size", 14, 4, 40}, {"width", 18, 4, 160},
        {"height, bottom-up", 22, 4, 120}, {"planes", 26, 2, 1}, {"bits per pixel", 28, 2, 4}, {"no compression", 30, 4, 0},
        {"colours used", 46, 4, 16},
    };
    for (const auto &f : fields) {
        const quint32 little = qToLittleEndian(f.value);
        EXPECT_EQ(bytes.mid(f.at, f.size), QByteArray(reinterpret_cast<const char *>(&little), f.size)) << f.what;
    }
    EXPECT_EQ(bytes.left(2) + bytes.mid(54, 20), "BM" + QByteArray::fromHex("0000000064646400c8c8c800ffffff0000000000"));
    // Any width, any palette of up to 16 grays; without a palette each gray goes to the nearest of 16.
    for (const QSize &size : {QSize(7, 3), QSize(9, 4), QSize(1, 1), QSize(33, 2)}) {
        for (const GrayPalette &palette : {kGray16, GrayPalette{{255, 30, 0}}, GrayPalette{}}) {
            ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::gray(size.width(), size.height(), [](int x, int y) { return 37 * x + 91 * y; }));
            bitmap.ReduceColors(palette);
            ASSERT_TRUE(bitmap.SaveBmp4(path));
            const QImage read(path), written = bitmap.ToQImage();
            ASSERT_EQ(read.size(), size);
            for (int i = 0; i < size.width() * size.height(); ++i) {
                const int x = i % size.width(), y = i / size.width(), nearest16 = ((37 * x + 91 * y) % 256 + 8) / 17 * 17;
                ASSERT_EQ(grayAt(read, x, y), palette.grays.empty() ? nearest16 : grayAt(written, x, y)) << size.width() << " at " << x << "," << y;
            }
        }
    }
}

namespace {

QByteArray le16(int v) { return QByteArray(1, char(v & 0xff)) + char(v >> 8); }
QByteArray be16(int v) { return QByteArray(1, char(v >> 8)) + char(v & 0xff); }
// MS Paint: signature, width, height, then aspect ratios, checksum and padding (unused here);
// GEM: version 1, 8 header words, planes, pattern length, 85 x 85 micrometre pixels, size.
QByteArray mspHeader(const char *signature, int w, int h) { return QByteArray(signature, 4) + le16(w) + le16(h) + QByteArray(24, 0); }
QByteArray gemHeader(int planes, int pattern, int w, int h) { return be16(1) + be16(8) + be16(planes) + be16(pattern) + be16(85) + be16(85) + be16(w) + be16(h); }
// BMP: the file header, an info header (of 40 bytes, or OS/2's 12), a palette, the pixels (bottom row first).
QByteArray le32(int v) { return le16(v & 0xffff) + le16(v >> 16); }
QByteArray bmp(const QByteArray &info, const QByteArray &palette, const QByteArray &pixels) { return "BM" + le32(14 + int(info.size() + palette.size() + pixels.size())) + le32(0) + le32(14 + int(info.size() + palette.size())) + info + palette + pixels; }
QByteArray bmpInfo(int w, int h, int bits, int compression) { return le32(40) + le32(w) + le32(h) + le16(1) + le16(bits) + le32(compression) + le32(0).repeated(3) + le32(4) + le32(0); }
const QByteArray kBmpGrays = QByteArray::fromHex("ffffff00000000005555550" "0aaaaaa00"); // white, black, 85, 170

// The file loaded as rows of '.' white, '#' black, 'a' and 'b' the grays 85 and 170, 'r' red,
// 'u' blue, with "/" between rows; or "refused".
std::string load(const TempDir &dir, const QString &name, const QByteArray &bytes)
{
    WriteBytes(dir.file(name), bytes);
    const QImage image = imaging::readImageFile(dir.file(name));
    const std::map<QRgb, char> names = {{0xffffffff, '.'}, {0xff000000, '#'}, {0xff555555, 'a'}, {0xffaaaaaa, 'b'}, {0xffff0000, 'r'}, {0xff0000ff, 'u'}};
    std::string s = image.isNull() ? "refused" : image.width() * image.height() > 5000 ? "a picture too large to list" : "";
    for (int y = 0; image.width() * image.height() <= 5000 && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            s += std::string(x == 0 && y > 0 ? "/" : "") + (names.count(image.pixel(x, y)) ? names.at(image.pixel(x, y)) : '?');
    return s;
}

TEST(LegacyReaders, FilesDecodeToTheirPixelsOrAreRefusedAndCutOffCopiesAreRefused)
{
    // 400 megapixels, complete: rows of 2500 set bytes, as MS Paint runs of 255 + 205 and GEM solid runs of 19 x 127 + 87.
    const QByteArray mspRow = QByteArray("\0\xff\xff", 3).repeated(9) + QByteArray("\0\xcd\xff", 3), gemRow = QByteArray(19, char(0xff)) + char(0xd7);
    struct Row { const char *why; const char *name; QByteArray bytes; std::string expected; };
    const Row table[] = {
        {"MSP 1: plain rows, bit 1 white, 10 wide", "a.msp", mspHeader("DanM", 10, 2) + "\x3f\xc0\xff\x40", "##......../........#."},
        {"MSP 2, 12 wide: row map 3, 5; run 0 2 F0; run 0 1 0F, literal 1 AA", "b.msp", mspHeader("LinS", 12, 2) + le16(3) + le16(5) + QByteArray("\0\x02\xf0\0\x01\x0f\x01\xaa", 8), "....####..../####.....#.#"},
        {"GEM 1 plane: rows repeated twice with a literal, solid FF then 00, pattern AA 55 once", "c.IMG",
         gemHeader(1, 2, 16, 4) + QByteArray("\0\0\xff\x02\x80\x02\xf0\x0f\x81\x01\0\x01\xaa\x55", 14),
         "####........####/####........####/########......../#.#.#.#..#.#.#.#"},
        {"GEM 2 planes, no palette: plane 0 is the low bit, grays from white to black", "d.img", gemHeader(2, 1, 8, 1) + "\x80\x01\x0f\x80\x01\x33", "..aabb##"},
        {"GEM XIMG palette: pixel 0 red, pixel 1 blue", "e.img", be16(1) + be16(17) + gemHeader(1, 1, 4, 1).mid(4) + "XIMG" + be16(0) + be16(1000) + be16(0) + be16(0) + be16(0) + be16(0) + be16(1000) + "\x80\x01\x50", "ruru"},
        {"MSP 2 of 400 megapixels", "huge.msp", mspHeader("LinS", 20000, 20000) + le16(30).repeated(20000) + mspRow.repeated(20000), "refused"},
        {"GEM of 400 megapixels", "huge.img", gemHeader(1, 1, 20000, 20000) + gemRow.repeated(20000), "refused"},
        {"MSP 2 literal running past the row", "long.msp", mspHeader("LinS", 16, 1) + le16(4) + "\x03\x01\x02\x03", "refused"},
        {"GEM solid run past the row", "long.img", gemHeader(1, 1, 16, 1) + "\x83", "refused"},
        {"GEM of 9 planes", "planes.img", gemHeader(9, 1, 8, 1) + QByteArray(9, char(0x81)), "refused"},
        {"GEM of version 3", "v3.img", be16(3) + gemHeader(1, 1, 8, 1).mid(2) + "\x81", "refused"}, {"GEM pattern of 0 bytes", "p0.img", gemHeader(1, 0, 8, 1) + "\x81", "refused"},
        {"GEM rows repeated 0 times", "r0.img", gemHeader(1, 1, 8, 1) + QByteArray("\0\0\xff\0\x81", 5), "refused"},
        {"GEM rows repeated past the bottom", "r9.img", gemHeader(1, 1, 4, 2) + QByteArray("\0\0\xff\x09\x80\x01\x50", 7), ".#.#/.#.#"},
        {"GEM XIMG of another colour model: grays", "hls.img", be16(1) + be16(17) + gemHeader(1, 1, 4, 1).mid(4) + "XIMG" + be16(1) + QByteArray(12, 0) + "\x80\x01\x50", ".#.#"},
        {"GEM bytes under another suffix", "c.bin", gemHeader(1, 1, 8, 1) + "\x81", "refused"},
        {"BMP RLE8: 3 of 1, literal 2 3 2 padded, end of line, 6 of 3, end", "r8.bmp", bmp(bmpInfo(6, 2, 8, 1), kBmpGrays,
         QByteArray::fromHex("0301" "0003020302" "00" "0000" "0603" "0001")), "bbbbbb/###aba"},
        {"BMP RLE8: a move by (0, 1), then no end", "move.bmp", bmp(bmpInfo(6, 2, 8, 1), kBmpGrays, QByteArray::fromHex("0601" "0000" "00020001")), "refused"},
        {"BMP RLE4: 5 of 1 2 alternating, literal 3 0 1, end", "r4.bmp", bmp(bmpInfo(8, 1, 4, 2), kBmpGrays, QByteArray::fromHex("0512" "00033010" "0001")), "#a#a#b.#"},
        {"BMP with OS/2's core header, 24 bits: red, blue", "os2.bmp", bmp(le32(12) + le16(2) + le16(1) + le16(1) + le16(24), {}, QByteArray::fromHex("0000ffff00000000")), "ru"},
    };
    TempDir dir;
    for (const Row &r : table) {
        EXPECT_EQ(load(dir, r.name, r.bytes), r.expected) << r.why;
        for (qsizetype kept : {r.bytes.size() - 1, r.bytes.size() / 2})
            EXPECT_EQ(load(dir, r.name, r.bytes.left(kept)), "refused") << r.why << ", cut to " << kept << " bytes";
    }
}

} // namespace

// Formats whose readers fill in what is cut off are judged by their structure: JPEG marker segments and scans
// up to the end marker, BMP pixels from their offset, GIF blocks up to the first image's data.
TEST(EncodedCompleteness, AFileIsCompleteWhenItsStructureReachesItsEnd)
{
    const QByteArray bmp24 = bmp(bmpInfo(2, 2, 24, 0), {}, QByteArray(16, 0)), gif = "GIF89a" + QByteArray(7, 0);
    const struct { const char *format; QByteArray bytes; bool complete; } rows[] = {
        {"jpeg", QByteArray::fromHex("ffd8ffd9"), true}, {"jpeg", QByteArray::fromHex("ffd8ff"), false}, {"jpg", QByteArray::fromHex("ffd9ffd9"), false},
        {"jpeg", QByteArray::fromHex("ffd800ffd9"), false}, {"jpeg", QByteArray::fromHex("ffd8ffffff"), false}, {"jpeg", QByteArray::fromHex("ffd8ffd0ffd9"), true},
        {"jpeg", QByteArray::fromHex("ffd8ffe000"), false}, {"jpeg", QByteArray::fromHex("ffd8ffe00001ffd9"), false}, {"jpeg", QByteArray::fromHex("ffd8ffe00004ffd9"), false},
        {"jpeg", QByteArray::fromHex("ffd8ffda000212ff00ffd334ffffd9"), true}, {"jpeg", QByteArray::fromHex("ffd8ffda00021234ff"), false},
        {"jpeg", QByteArray::fromHex("ffd8ffda000212"), false}, {"bmp", bmp24, true}, {"bmp", bmp24.chopped(1), false}, {"dib", "BA" + bmp24.mid(2), false},
        {"bmp", bmp24.left(33), false}, {"bmp", QByteArray(bmp24).replace(10, 4, le32(99)), false}, {"gif", gif.left(12), false}, {"gif", gif + ';', false},
        {"gif", gif + QByteArray::fromHex("21f904000000"), false}, {"gif", gif + ',' + QByteArray(8, 0), false}, {"png", "cut", true},
        {"gif", gif + QByteArray::fromHex("21fe0141002c00000000010001000002010100"), true},
    };
    for (const auto &r : rows)
        EXPECT_EQ(imaging::isEncodingComplete(r.format, {reinterpret_cast<const uint8_t *>(r.bytes.constData()), size_t(r.bytes.size())}), r.complete)
            << r.format << ' ' << r.bytes.toHex().constData();
}
