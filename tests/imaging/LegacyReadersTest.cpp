#include "TestImages.h"
#include "imaging/ImageFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

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
    EXPECT_TRUE(testimg::writeFile(dir.file(name), bytes));
    const QImage image = imaging::readImageFile(dir.file(name));
    const std::map<QRgb, char> names = {{0xffffffff, '.'}, {0xff000000, '#'}, {0xff555555, 'a'}, {0xffaaaaaa, 'b'}, {0xffff0000, 'r'}, {0xff0000ff, 'u'}};
    std::string s = image.isNull() ? "refused" : image.width() * image.height() > 5000 ? "a picture too large to list" : "";
    for (int y = 0; image.width() * image.height() <= 5000 && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            s += std::string(x == 0 && y > 0 ? "/" : "") + (names.count(image.pixel(x, y)) ? names.at(image.pixel(x, y)) : '?');
    return s;
}

// The test's encoders: MS Paint 2 rows as runs of 3+ equal bytes, else short literal strings; GEM
// rows as repeated rows, solid runs of 00 or FF, one-byte pattern runs and literal bytes.
QByteArray encodeMsp(const std::vector<QByteArray> &rows, int w)
{
    QByteArray map, data;
    for (const QByteArray &r : rows) {
        QByteArray out;
        for (int i = 0, n = 1; i < r.size(); i += n, n = 1) {
            while (i + n < r.size() && n < 255 && r[i + n] == r[i])
                ++n;
            out += n >= 3 ? QByteArray(1, 0) + char(n) + r[i] : char(n) + r.mid(i, n);
        }
        map += le16(int(out.size()));
        data += out;
    }
    return mspHeader("LinS", w, int(rows.size())) + map + data;
}
QByteArray encodeGem(const std::vector<QByteArray> &rows, int w)
{
    QByteArray out = gemHeader(1, 1, w, int(rows.size()));
    for (size_t y = 0, same = 1; y < rows.size(); y += same, same = 1) {
        while (y + same < rows.size() && same < 255 && rows[y + same] == rows[y])
            ++same;
        out += same > 1 ? QByteArray("\0\0\xff", 3) + char(same) : QByteArray();
        for (int i = 0, n = 1; i < rows[y].size(); i += n, n = 1) {
            const QByteArray &r = rows[y];
            while (i + n < r.size() && n < 127 && r[i + n] == r[i])
                ++n;
            const bool solid = r[i] == 0 || r[i] == char(0xff);
            out += solid ? QByteArray(1, char((r[i] & 0x80) | n)) : n > 1 ? QByteArray(1, 0) + char(n) + r[i] : "\x80\x01" + r.mid(i, 1);
        }
    }
    return out;
}

TEST(LegacyReaders, FilesDecodeToTheirPixelsOrAreRefusedAndCutOffCopiesAreRefused)
{
    std::mt19937 random(7); // rows 37 pixels wide (the last byte partly padding): runs, repeats, noise
    std::vector<QByteArray> rows;
    for (int y = 0; y < 40; ++y) {
        rows.push_back(y % 3 == 2 ? rows.back() : QByteArray(5, "\0\xff\x5a\xc3"[random() % 4]));
        if (y % 3 != 2)
            rows.back()[int(random() % 5)] = char(random());
    }
    const auto bits = [&rows](char set, char clear) {
        std::string s;
        for (int i = 0, x = 0; i < 40 * 37; x = ++i % 37)
            s += std::string(x == 0 && i > 0 ? "/" : "") + ((rows[i / 37][x / 8] >> (7 - x % 8)) & 1 ? set : clear);
        return s;
    };
    const std::vector<QByteArray> huge(20000, QByteArray(2500, char(0xff))); // 400 megapixels, complete
    struct Row { const char *why; const char *name; QByteArray bytes; std::string expected; };
    const Row table[] = {
        {"MSP 1: plain rows, bit 1 white, 10 wide", "a.msp", mspHeader("DanM", 10, 2) + "\x3f\xc0\xff\x40", "##......../........#."},
        {"MSP 2: row map 3, 5; run 0 2 F0; run 0 1 0F, literal 1 AA", "b.msp", mspHeader("LinS", 16, 2) + le16(3) + le16(5) + QByteArray("\0\x02\xf0\0\x01\x0f\x01\xaa", 8), "....####....####/####.....#.#.#.#"},
        {"GEM 1 plane: rows repeated twice with a literal, solid FF then 00, pattern AA 55 once", "c.IMG",
         gemHeader(1, 2, 16, 4) + QByteArray("\0\0\xff\x02\x80\x02\xf0\x0f\x81\x01\0\x01\xaa\x55", 14),
         "####........####/####........####/########......../#.#.#.#..#.#.#.#"},
        {"GEM 2 planes, no palette: plane 0 is the low bit, grays from white to black", "d.img", gemHeader(2, 1, 8, 1) + "\x80\x01\x0f\x80\x01\x33", "..aabb##"},
        {"GEM XIMG palette: pixel 0 red, pixel 1 blue", "e.img", be16(1) + be16(17) + gemHeader(1, 1, 4, 1).mid(4) + "XIMG" + be16(0) + be16(1000) + be16(0) + be16(0) + be16(0) + be16(0) + be16(1000) + "\x80\x01\x50", "ruru"},
        {"MSP 2 from the test's encoder", "p.msp", encodeMsp(rows, 37), bits('.', '#')},
        {"GEM from the test's encoder", "p.img", encodeGem(rows, 37), bits('#', '.')},
        {"MSP 2 of 400 megapixels", "huge.msp", encodeMsp(huge, 20000), "refused"},
        {"GEM of 400 megapixels", "huge.img", encodeGem(huge, 20000), "refused"},
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
