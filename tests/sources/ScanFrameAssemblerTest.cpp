#include "sources/ScanFrameAssembler.h"

#include "imaging/Limits.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

SANE_Parameters frame(SANE_Frame format, int depth, int width, int lines, int stride, bool last = true)
{
    return {format, last ? SANE_TRUE : SANE_FALSE, stride, width, lines, depth};
}

using Frame = std::pair<SANE_Parameters, std::vector<uint8_t>>;

// 16-bit samples in the host's order, as SANE sends them.
std::vector<uint8_t> samples16(const std::vector<uint16_t> &values)
{
    std::vector<uint8_t> bytes(values.size() * 2);
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
}

// The frames fed in uneven chunks, as devices do; the pixels as 0xRRGGBB, or none when a step refused.
std::vector<QRgb> assemble(const std::vector<Frame> &frames, QSize &size)
{
    ScanFrameAssembler assembler;
    for (const auto &[parameters, bytes] : frames) {
        if (!assembler.beginFrame(parameters))
            return {};
        for (size_t at = 0, chunk = 1; at < bytes.size(); at += chunk, chunk = chunk % 5 + 2)
            if (!assembler.append(bytes.data() + at, std::min(chunk, bytes.size() - at)))
                return {};
        if (!assembler.endFrame())
            return {};
    }
    const QImage image = assembler.image();
    if (!image.isNull())
        size = image.size();
    std::vector<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.push_back(image.pixel(x, y) & 0xFFFFFF);
    return pixels;
}

std::vector<QRgb> grays(std::vector<QRgb> values)
{
    for (QRgb &value : values)
        value *= 0x010101;
    return values;
}

constexpr SANE_Frame kGray = SANE_FRAME_GRAY, kRgb = SANE_FRAME_RGB, kRed = SANE_FRAME_RED,
                     kGreen = SANE_FRAME_GREEN, kBlue = SANE_FRAME_BLUE;

} // namespace

TEST(ScanFrameAssembler, BuildsThePictureFromEveryKindOfFrameAndRefusesIncompleteOnes)
{
    const Frame red{frame(kRed, 8, 2, 1, 2, false), {1, 2}};
    const struct { const char *why; std::vector<Frame> frames; QSize size; std::vector<QRgb> pixels; } rows[] = {
        {"gray, line padding skipped", {{frame(kGray, 8, 3, 2, 4), {10, 20, 30, 99, 40, 50, 60, 99}}}, {3, 2}, grays({10, 20, 30, 40, 50, 60})},
        {"lineart: a set bit is black, the highest first", {{frame(kGray, 1, 10, 1, 2), {0xA5, 0x80}}}, {10, 1}, grays({0, 255, 0, 255, 255, 0, 255, 0, 0, 255})},
        {"gray 16 rounds value / 257", {{frame(kGray, 16, 4, 2, 8), samples16({0, 128, 129, 257, 32767, 32896, 65407, 65535})}}, {4, 2}, grays({0, 0, 1, 1, 127, 128, 255, 255})},
        {"colour, line padding skipped", {{frame(kRgb, 8, 2, 1, 7), {1, 2, 3, 4, 5, 6, 99}}}, {2, 1}, {0x010203, 0x040506}},
        {"colour 16", {{frame(kRgb, 16, 1, 1, 6), samples16({65535, 0, 32896})}}, {1, 1}, {0xFF0080}},
        {"a pass per colour, green, blue, red", {{frame(kGreen, 8, 2, 1, 2, false), {1, 2}}, {frame(kBlue, 8, 2, 1, 2, false), {3, 4}}, {frame(kRed, 8, 2, 1, 2), {5, 6}}}, {2, 1}, {0x050103, 0x060204}},
        {"unknown length grows with the data", {{frame(kGray, 8, 2, -1, 2), {1, 2, 3, 4, 5, 6}}}, {2, 3}, grays({1, 2, 3, 4, 5, 6})},
        {"lines past the announced ones dropped", {{frame(kGray, 8, 2, 1, 2), {1, 2, 3, 4, 5}}}, {2, 1}, grays({1, 2})},
        {"nothing sent", {{frame(kGray, 8, 2, 2, 2), {}}}, {}, {}}, {"a line missing", {{frame(kGray, 8, 2, 2, 2), {1, 2}}}, {}, {}},
        {"unknown length, nothing sent", {{frame(kGray, 8, 2, -1, 2), {}}}, {}, {}}, {"unknown length, a partial line", {{frame(kGray, 8, 2, -1, 2), {1, 2, 3}}}, {}, {}},
        {"a colour twice, then the third", {red, {frame(kRed, 8, 2, 1, 2, false), {1, 2}}, {frame(kGreen, 8, 2, 1, 2), {1, 2}}}, {}, {}},
        {"a pass of another width", {red, {frame(kGreen, 8, 3, 1, 3), {1, 2, 3}}}, {}, {}}, {"a pass of another height", {red, {frame(kGreen, 8, 2, 2, 2), {1, 2, 3, 4}}}, {}, {}},
        {"gray after a pass", {red, {frame(kGray, 8, 2, 1, 2), {1, 2}}}, {}, {}}, {"two colours only", {red, {frame(kGreen, 8, 2, 1, 2), {1, 2}}}, {}, {}},
        {"unknown length, a longer pass", {{frame(kRed, 8, 2, -1, 2, false), {1, 2}}, {frame(kGreen, 8, 2, -1, 2), {1, 2, 3, 4}}}, {}, {}},
        {"unknown length, a shorter pass", {{frame(kRed, 8, 2, -1, 2, false), {1, 2, 3, 4}}, {frame(kGreen, 8, 2, -1, 2), {1, 2}}}, {}, {}},
    };
    for (const auto &r : rows) {
        QSize size;
        EXPECT_EQ(assemble(r.frames, size), r.pixels) << r.why;
        EXPECT_EQ(size, r.size) << r.why;
    }
}

TEST(ScanFrameAssembler, ProgressCountsTheBytesOfEveryPass)
{
    const uint8_t bytes[4] = {};
    ScanFrameAssembler gray, passes, unknown;
    EXPECT_EQ(gray.percentDone(), 0);
    ASSERT_TRUE(gray.beginFrame(frame(kGray, 8, 3, 2, 4)) && gray.append(bytes, 4));
    EXPECT_EQ(gray.percentDone(), 50);
    for (const auto &[colour, percent] : {std::pair{kBlue, 33}, {kRed, 66}, {kGreen, 100}}) {
        ASSERT_TRUE(passes.beginFrame(frame(colour, 8, 2, 1, 2)) && passes.append(bytes, 2) && passes.endFrame());
        EXPECT_EQ(passes.percentDone(), percent) << colour;
    }
    ASSERT_TRUE(unknown.beginFrame(frame(kGray, 8, 2, -1, 2)));
    EXPECT_EQ(unknown.percentDone(), -1);
}

TEST(ScanFrameAssembler, RefusesParametersItCannotHold)
{
    const int wide = 250'000, tallest = int(imaging::kMaxPixels / wide), widest = int(imaging::kMaxPixels);
    const SANE_Parameters refused[] = {
        frame(kGray, 8, wide, tallest + 1, wide), frame(kGray, 1, widest + 1, -1, widest / 8 + 1), // pixels
        frame(kGray, 8, 100, INT_MAX, INT_MAX), frame(kGray, 8, 100, -1, INT_MAX),                 // bytes
        frame(kRgb, 8, 100, 10, 299), frame(kGray, 16, 100, 10, 199), frame(kGray, 1, 100, 10, 12), // short lines
        frame(kGray, 4, 100, 10, 100), frame(kRgb, 1, 100, 10, 100),                               // depth
        frame(kGray, 8, 0, 10, 100), frame(kGray, 8, 100, 0, 100), frame(kGray, 8, 100, -2, 100),
        frame(SANE_Frame(kBlue + 1), 8, 100, 10, 100)};
    for (const SANE_Parameters &p : refused) {
        ScanFrameAssembler assembler;
        EXPECT_FALSE(assembler.beginFrame(p)) << p.format << ' ' << p.depth << ' ' << p.pixels_per_line << 'x'
                                              << p.lines << " / " << p.bytes_per_line;
        EXPECT_FALSE(assembler.append(reinterpret_cast<const uint8_t *>("data"), 4));
    }
    for (const SANE_Parameters &p : {frame(kGray, 8, wide, tallest, wide), frame(kGray, 1, widest, -1, widest / 8)})
        EXPECT_TRUE(ScanFrameAssembler().beginFrame(p)) << p.pixels_per_line;
}
