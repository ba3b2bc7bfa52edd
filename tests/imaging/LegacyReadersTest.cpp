#include "TestImages.h"
#include "album/AlbumBytes.h"
#include "imaging/ImageFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

QByteArray le16(int v) { return QByteArray(1, char(v & 0xff)) + char(v >> 8); }
QByteArray be16(int v) { return QByteArray(1, char(v >> 8)) + char(v & 0xff); }
// MS Paint: signature, width, height, then aspect ratios, checksum and padding (unused here);
// GEM: version 1, 8 header words, planes, pattern length, 85 x 85 micrometre pixels, size.
QByteArray mspHeader(const char *signature, int w, int h) { return QByteArray(signature, 4) + le16(w) + le16(h) + QByteArray(24, 0); }
QByteArray gemHeader(int planes, int pattern, int w, int h) { return be16(1) + be16(8) + be16(planes) + be16(pattern) + be16(85) + be16(85) + be16(w) + be16(h); }

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
        {"GEM bytes under another suffix", "c.bin", gemHeader(1, 1, 8, 1) + "\x81", "refused"},
    };
    TempDir dir;
    for (const Row &r : table) {
        EXPECT_EQ(load(dir, r.name, r.bytes), r.expected) << r.why;
        for (qsizetype kept : {r.bytes.size() - 1, r.bytes.size() / 2})
            EXPECT_EQ(load(dir, r.name, r.bytes.left(kept)), "refused") << r.why << ", cut to " << kept << " bytes";
    }
}

} // namespace
