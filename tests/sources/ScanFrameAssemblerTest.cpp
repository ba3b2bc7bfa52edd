#include "sources/ScanFrameAssembler.h"

#include "imaging/Limits.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

SANE_Parameters frame(SANE_Frame format, int depth, int width, int lines, int bytesPerLine, bool last = true)
{
    return {format, last ? SANE_TRUE : SANE_FALSE, bytesPerLine, width, lines, depth};
}

// Bytes that differ from line to line and position to position.
std::vector<uint8_t> patternBytes(size_t count, int seed)
{
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = uint8_t(i * 37 + seed * 101 + (i / 7) * 13);
    return bytes;
}

// Fed in uneven chunks, the way devices hand data over.
bool feed(ScanFrameAssembler &assembler, const std::vector<uint8_t> &bytes)
{
    size_t chunk = 1;
    for (size_t at = 0; at < bytes.size(); at += chunk, chunk = chunk % 5 + 2)
        if (!assembler.append(bytes.data() + at, std::min(chunk, bytes.size() - at)))
            return false;
    return true;
}

QImage assemble(const SANE_Parameters &parameters, const std::vector<uint8_t> &bytes)
{
    ScanFrameAssembler assembler;
    if (!assembler.beginFrame(parameters) || !feed(assembler, bytes) || !assembler.endFrame())
        return QImage();
    return assembler.image();
}

std::vector<uint8_t> samples16(const std::vector<uint16_t> &values)
{
    std::vector<uint8_t> bytes(values.size() * 2);
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
}

int to8(uint16_t value)
{
    return int(std::lround(value / 257.0));
}

} // namespace

TEST(ScanFrameAssemblerTest, GrayEightBitsSkipsLinePaddingAndReportsProgress)
{
    const int width = 5, lines = 4, stride = 8;
    const std::vector<uint8_t> bytes = patternBytes(size_t(stride) * lines, 1);
    ScanFrameAssembler assembler;
    ASSERT_TRUE(assembler.beginFrame(frame(SANE_FRAME_GRAY, 8, width, lines, stride)));
    EXPECT_EQ(assembler.percentDone(), 0);
    ASSERT_TRUE(assembler.append(bytes.data(), bytes.size() / 2));
    EXPECT_EQ(assembler.percentDone(), 50);
    EXPECT_TRUE(assembler.image().isNull());
    ASSERT_TRUE(assembler.append(bytes.data() + bytes.size() / 2, bytes.size() - bytes.size() / 2));
    ASSERT_TRUE(assembler.endFrame());
    ASSERT_TRUE(assembler.isComplete());
    EXPECT_EQ(assembler.percentDone(), 100);

    const QImage image = assembler.image();
    ASSERT_EQ(image.format(), QImage::Format_Grayscale8);
    ASSERT_EQ(image.size(), QSize(width, lines));
    for (int y = 0; y < lines; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(image.constScanLine(y)[x], bytes[size_t(y) * stride + x]) << x << ',' << y;
}

TEST(ScanFrameAssemblerTest, OneBitLineartSetsBlackFromTheHighestBit)
{
    const int width = 11, lines = 3, stride = 2;
    const std::vector<uint8_t> bytes = patternBytes(size_t(stride) * lines, 2);
    const QImage image = assemble(frame(SANE_FRAME_GRAY, 1, width, lines, stride), bytes);
    ASSERT_EQ(image.size(), QSize(width, lines));
    for (int y = 0; y < lines; ++y)
        for (int x = 0; x < width; ++x) {
            const bool set = bytes[size_t(y) * stride + x / 8] & (0x80 >> (x % 8));
            EXPECT_EQ(image.constScanLine(y)[x], set ? 0 : 255) << x << ',' << y;
        }
}

TEST(ScanFrameAssemblerTest, SixteenBitSamplesRoundToEightBits)
{
    const std::vector<uint16_t> grayValues = {0, 128, 129, 257, 32767, 32896, 65407, 65535};
    const int grayWidth = int(grayValues.size()) / 2;
    const QImage gray = assemble(frame(SANE_FRAME_GRAY, 16, grayWidth, 2, grayWidth * 2), samples16(grayValues));
    ASSERT_EQ(gray.format(), QImage::Format_Grayscale8);
    ASSERT_EQ(gray.size(), QSize(grayWidth, 2));
    for (int i = 0; i < int(grayValues.size()); ++i)
        EXPECT_EQ(gray.constScanLine(i / grayWidth)[i % grayWidth], to8(grayValues[i])) << grayValues[i];

    const std::vector<uint16_t> rgbValues = {65535, 0, 300, 1000, 40000, 65000};
    const QImage colour = assemble(frame(SANE_FRAME_RGB, 16, 2, 1, 12), samples16(rgbValues));
    ASSERT_EQ(colour.format(), QImage::Format_RGB32);
    ASSERT_EQ(colour.size(), QSize(2, 1));
    for (int x = 0; x < 2; ++x)
        EXPECT_EQ(colour.pixel(x, 0), qRgb(to8(rgbValues[3 * x]), to8(rgbValues[3 * x + 1]), to8(rgbValues[3 * x + 2])));
}

TEST(ScanFrameAssemblerTest, ColourComesAsOneFrameOrOnePassPerColourInAnyOrder)
{
    const int width = 3, lines = 2, stride = 10;
    const std::vector<uint8_t> rgb = patternBytes(size_t(stride) * lines, 4);
    const QImage single = assemble(frame(SANE_FRAME_RGB, 8, width, lines, stride), rgb);
    ASSERT_EQ(single.size(), QSize(width, lines));
    for (int y = 0; y < lines; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t *p = rgb.data() + size_t(y) * stride + 3 * x;
            EXPECT_EQ(single.pixel(x, y), qRgb(p[0], p[1], p[2])) << x << ',' << y;
        }

    // Green, blue, red: each pass fills its own colour of the same pixels.
    ScanFrameAssembler passes;
    const SANE_Frame order[] = {SANE_FRAME_GREEN, SANE_FRAME_BLUE, SANE_FRAME_RED};
    std::vector<std::vector<uint8_t>> planes;
    for (int pass = 0; pass < 3; ++pass) {
        planes.push_back(patternBytes(size_t(width) * lines, 10 + pass));
        ASSERT_TRUE(passes.beginFrame(frame(order[pass], 8, width, lines, width, pass == 2)));
        ASSERT_TRUE(feed(passes, planes.back()));
        ASSERT_TRUE(passes.endFrame());
        EXPECT_EQ(passes.isComplete(), pass == 2);
        EXPECT_EQ(passes.percentDone(), (pass + 1) * 100 / 3);
    }
    const QImage combined = passes.image();
    ASSERT_EQ(combined.size(), QSize(width, lines));
    for (int y = 0; y < lines; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t i = size_t(y) * width + x;
            EXPECT_EQ(combined.pixel(x, y), qRgb(planes[2][i], planes[0][i], planes[1][i])) << x << ',' << y;
        }

    // A colour twice, a pass of another width or height, or gray after a pass is no picture.
    const SANE_Parameters mismatched[] = {
        frame(SANE_FRAME_RED, 8, width, lines, width),
        frame(SANE_FRAME_GREEN, 8, width + 1, lines, width + 1),
        frame(SANE_FRAME_GREEN, 8, width, lines + 1, width),
        frame(SANE_FRAME_GRAY, 8, width, lines, width),
    };
    for (const SANE_Parameters &second : mismatched) {
        ScanFrameAssembler assembler;
        ASSERT_TRUE(assembler.beginFrame(frame(SANE_FRAME_RED, 8, width, lines, width, false)));
        ASSERT_TRUE(feed(assembler, planes[0]));
        ASSERT_TRUE(assembler.endFrame());
        EXPECT_FALSE(assembler.beginFrame(second)) << second.format << ' ' << second.pixels_per_line;
        EXPECT_TRUE(assembler.image().isNull());
    }
}

TEST(ScanFrameAssemblerTest, UnknownLengthGrowsUntilTheDataEnds)
{
    const int width = 6;
    for (const int rows : {1, 3, 200}) {
        const std::vector<uint8_t> bytes = patternBytes(size_t(width) * rows, rows);
        ScanFrameAssembler assembler;
        ASSERT_TRUE(assembler.beginFrame(frame(SANE_FRAME_GRAY, 8, width, -1, width)));
        ASSERT_TRUE(feed(assembler, bytes));
        EXPECT_EQ(assembler.percentDone(), -1);
        ASSERT_TRUE(assembler.endFrame());
        const QImage image = assembler.image();
        ASSERT_EQ(image.size(), QSize(width, rows));
        EXPECT_EQ(image.constScanLine(rows - 1)[width - 1], bytes.back());
    }

    // Passes of unknown length must end with the height of the first: a longer one is
    // refused at its first extra line, a shorter one at its end.
    for (const int otherRows : {4, 6}) {
        ScanFrameAssembler passes;
        ASSERT_TRUE(passes.beginFrame(frame(SANE_FRAME_RED, 8, width, -1, width, false)));
        ASSERT_TRUE(feed(passes, patternBytes(size_t(width) * 5, 0)));
        ASSERT_TRUE(passes.endFrame());
        ASSERT_TRUE(passes.beginFrame(frame(SANE_FRAME_GREEN, 8, width, -1, width, false)));
        const bool longer = otherRows > 5;
        EXPECT_EQ(feed(passes, patternBytes(size_t(width) * otherRows, 1)), !longer) << otherRows;
        EXPECT_FALSE(passes.endFrame()) << otherRows;
        EXPECT_TRUE(passes.image().isNull());
    }
}

TEST(ScanFrameAssemblerTest, DataCutShortGivesNoPicture)
{
    const int width = 4, lines = 3;
    const SANE_Parameters known = frame(SANE_FRAME_GRAY, 8, width, lines, width);
    const SANE_Parameters unknown = frame(SANE_FRAME_GRAY, 8, width, -1, width);
    const struct {
        SANE_Parameters parameters;
        size_t bytes;
    } cases[] = {
        {known, 0},                        // nothing before the end
        {known, size_t(width) * (lines - 1)}, // a line missing
        {known, size_t(width) * lines - 1},   // a byte missing
        {unknown, 0},
        {unknown, size_t(width) * 2 + 1},     // a partial last line
    };
    for (const auto &c : cases) {
        ScanFrameAssembler assembler;
        ASSERT_TRUE(assembler.beginFrame(c.parameters));
        ASSERT_TRUE(feed(assembler, patternBytes(c.bytes, 5)));
        EXPECT_FALSE(assembler.endFrame()) << c.parameters.lines << ' ' << c.bytes;
        EXPECT_FALSE(assembler.isComplete());
        EXPECT_TRUE(assembler.image().isNull());
    }

    // Lines past the announced ones are dropped; the announced picture is whole.
    const std::vector<uint8_t> extra = patternBytes(size_t(width) * (lines + 2) + 3, 6);
    const QImage image = assemble(known, extra);
    ASSERT_EQ(image.size(), QSize(width, lines));
    EXPECT_EQ(image.constScanLine(lines - 1)[width - 1], extra[size_t(width) * lines - 1]);
}

TEST(ScanFrameAssemblerTest, RefusesParametersItCannotHold)
{
    const int wide = 250'000;
    const int tallest = int(imaging::kMaxPixels / wide);
    const int widest = int(imaging::kMaxPixels);
    const SANE_Parameters refused[] = {
        frame(SANE_FRAME_GRAY, 8, wide, tallest + 1, wide), // over the pixel limit
        frame(SANE_FRAME_GRAY, 1, widest + 1, -1, widest / 8 + 1),
        frame(SANE_FRAME_GRAY, 8, 100, INT_MAX, INT_MAX),         // bytes per frame beyond any picture
        frame(SANE_FRAME_GRAY, 8, 100, -1, INT_MAX),
        frame(SANE_FRAME_RGB, 8, 100, 10, 299),                   // lines shorter than their pixels
        frame(SANE_FRAME_GRAY, 16, 100, 10, 199),
        frame(SANE_FRAME_GRAY, 1, 100, 10, 12),
        frame(SANE_FRAME_GRAY, 4, 100, 10, 100),                  // depth
        frame(SANE_FRAME_RGB, 1, 100, 10, 100),
        frame(SANE_FRAME_GRAY, 8, 0, 10, 100),
        frame(SANE_FRAME_GRAY, 8, 100, 0, 100),
        frame(SANE_FRAME_GRAY, 8, 100, -2, 100),
        frame(SANE_Frame(SANE_FRAME_BLUE + 1), 8, 100, 10, 100),  // format
    };
    for (const SANE_Parameters &p : refused) {
        ScanFrameAssembler assembler;
        EXPECT_FALSE(assembler.beginFrame(p)) << p.format << ' ' << p.depth << ' ' << p.pixels_per_line << 'x'
                                              << p.lines << " / " << p.bytes_per_line;
        EXPECT_FALSE(assembler.append(patternBytes(4, 0).data(), 4));
    }
    ScanFrameAssembler tallestAccepted;
    EXPECT_TRUE(tallestAccepted.beginFrame(frame(SANE_FRAME_GRAY, 8, wide, tallest, wide)));
    ScanFrameAssembler widestAccepted;
    EXPECT_TRUE(widestAccepted.beginFrame(frame(SANE_FRAME_GRAY, 1, widest, -1, widest / 8)));
}
