#include "imaging/JpegDecoder.h"

#include "imaging/EncodedCompleteness.h"
#include "imaging/ExifOrientation.h"
#include "imaging/Limits.h"

#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace imaging {
namespace {

static_assert(QSysInfo::ByteOrder == QSysInfo::LittleEndian, "RGB32 is read as blue, green, red, alpha bytes");

// A file with more scans than this is refused: each progressive scan goes over the whole
// picture again, so a small file of many scans costs as much time as a huge picture.
constexpr int kMaxScans = 500;
constexpr int kRowsPerCancelCheck = 32;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// Warnings about damaged data are ignored, as Qt's reader does; a cut-off file is refused
// by its structure instead.
void ignoreMessage(j_common_ptr, int) {}

void limitScans(j_common_ptr info)
{
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        info->err->error_exit(info);
}

// libjpeg reports errors by a long jump, so each step that may fail is a function of its own
// that owns no C++ objects (a jump past their destructors would skip them).
struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    jpeg_progress_mgr progress{};

    Decompressor()
    {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = jumpBack;
        errors.base.emit_message = ignoreMessage;
        progress.progress_monitor = limitScans;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor &) = delete;
    Decompressor &operator=(const Decompressor &) = delete;
};

bool readHeader(Decompressor &d, std::span<const uint8_t> bytes)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.info);
    d.info.progress = &d.progress;
    jpeg_mem_src(&d.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_save_markers(&d.info, JPEG_APP0 + 1, 0xffff);
    jpeg_read_header(&d.info, TRUE);
    return true;
}

bool setOutput(Decompressor &d, int denominator)
{
    if (setjmp(d.errors.jump))
        return false;
    d.info.scale_num = 1;
    d.info.scale_denom = unsigned(denominator);
    switch (d.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        d.info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d.info.out_color_space = JCS_CMYK;
        break;
    default:
        d.info.out_color_space = JCS_EXT_BGRA;
        break;
    }
    jpeg_calc_output_dimensions(&d.info);
    return true;
}

// Adobe's inverted CMYK, as every JPEG writer of CMYK stores it, to RGB in place.
void cmykToRgb(uchar *row, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x, row += 4) {
        const int k = row[3];
        const QRgb rgb = qRgb(k * row[0] / 255, k * row[1] / 255, k * row[2] / 255);
        *reinterpret_cast<QRgb *>(row) = rgb;
    }
}

// The first `rows` rows into `image`, whose width is the output width; false on an error or
// when cancelled.
bool readRows(Decompressor &d, uchar *image, qsizetype bytesPerLine, JDIMENSION rows,
              const std::atomic<bool> *cancel)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.info);
    while (d.info.output_scanline < rows) {
        if (cancel && d.info.output_scanline % kRowsPerCancelCheck == 0 && cancel->load(std::memory_order_relaxed)) {
            jpeg_abort_decompress(&d.info);
            return false;
        }
        JSAMPROW row = image + qsizetype(d.info.output_scanline) * bytesPerLine;
        jpeg_read_scanlines(&d.info, &row, 1);
        if (d.info.out_color_space == JCS_CMYK)
            cmykToRgb(row, d.info.output_width);
    }
    // The rest of the data has been checked for completeness already.
    jpeg_abort_decompress(&d.info);
    return true;
}

int orientationOf(const Decompressor &d)
{
    for (jpeg_saved_marker_ptr marker = d.info.marker_list; marker; marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1) {
            const int code = exifOrientation({marker->data, marker->data_length});
            if (code != 1)
                return code;
        }
    }
    return 1;
}

} // namespace

bool looksLikeJpeg(std::span<const uint8_t> bytes)
{
    return bytes.size() >= 2 && bytes[0] == 0xff && bytes[1] == 0xd8;
}

QSize JpegInfo::shown() const
{
    return shownSize(stored, orientation);
}

JpegInfo JpegInfo::reduced(int denominator) const
{
    return {QSize(stored.width() / denominator, stored.height() / denominator), orientation};
}

std::optional<JpegInfo> readJpegInfo(std::span<const uint8_t> bytes)
{
    if (!looksLikeJpeg(bytes))
        return std::nullopt;
    Decompressor d;
    if (!readHeader(d, bytes) || !fitsPixelLimit(d.info.image_width, d.info.image_height))
        return std::nullopt;
    return JpegInfo{QSize(int(d.info.image_width), int(d.info.image_height)), orientationOf(d)};
}

QImage decodeJpeg(std::span<const uint8_t> bytes, int denominator, const std::atomic<bool> *cancel)
{
    if (!looksLikeJpeg(bytes) || !isEncodingComplete(QByteArrayLiteral("jpeg"), bytes))
        return {};
    Decompressor d;
    if (!readHeader(d, bytes) || !fitsPixelLimit(d.info.image_width, d.info.image_height)
        || !setOutput(d, denominator))
        return {};
    // Whole squares only: the last partial ones stand for fewer source pixels.
    const QSize whole = JpegInfo{QSize(int(d.info.image_width), int(d.info.image_height))}.reduced(denominator).stored;
    const int width = whole.width();
    const int height = whole.height();
    if (width <= 0 || height <= 0)
        return {};
    // The saved EXIF data goes with the decoder's image memory when the rows are read.
    const int orientation = orientationOf(d);
    const bool gray = d.info.out_color_space == JCS_GRAYSCALE;
    // Rows as wide as libjpeg writes them, the picture only as wide as the whole squares:
    // leaving out the last column costs no copy.
    const qsizetype bytesPerLine = (qsizetype(d.info.output_width) * (gray ? 1 : 4) + 3) & ~qsizetype(3);
    auto *rows = static_cast<uchar *>(std::malloc(size_t(bytesPerLine) * size_t(height)));
    if (!rows)
        return {};
    const QImage image(rows, width, height, bytesPerLine, gray ? QImage::Format_Grayscale8 : QImage::Format_RGB32,
                       std::free, rows);
    if (!readRows(d, rows, bytesPerLine, JDIMENSION(height), cancel))
        return {};
    return orientForDisplay(image, orientation);
}

} // namespace imaging
