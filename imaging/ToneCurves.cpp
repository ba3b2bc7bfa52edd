#include "imaging/ToneCurves.h"

#include <algorithm>
#include <cmath>

namespace imaging {

ToneCurve contrastCurve(int c)
{
    const double amount = std::clamp(c, -1000, 1000) / 1000.0;
    const double k = amount <= 0 ? 1.0 + amount : 1.0 / (1.0 - 0.95 * amount);
    ToneCurve curve{};
    for (int v = 0; v < 256; ++v)
        curve[v] = uint8_t(std::clamp(std::lround(128 + (v - 128) * k), 0L, 255L));
    return curve;
}

ToneCurve stretchCurve(uint8_t darkest, uint8_t brightest)
{
    const int span = brightest - darkest;
    ToneCurve curve{};
    for (int v = 0; v < 256; ++v) {
        // Rounded half up: floor((v - darkest) * 255 / span + 1/2).
        curve[v] = span <= 0 ? uint8_t(v)
                             : uint8_t(std::clamp(((v - darkest) * 510 + span) / (2 * span), 0, 255));
    }
    return curve;
}

std::pair<uint8_t, uint8_t> valueRange(const QImage &image)
{
    int darkest = 255;
    int brightest = 0;
    const auto take = [&](int v) {
        darkest = std::min(darkest, v);
        brightest = std::max(brightest, v);
    };
    const bool color = image.format() == QImage::Format_RGB32;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            if (color) {
                const QRgb rgb = reinterpret_cast<const QRgb *>(line)[x];
                take(qRed(rgb));
                take(qGreen(rgb));
                take(qBlue(rgb));
            } else {
                take(line[x]);
            }
        }
    }
    return {uint8_t(darkest), uint8_t(brightest)};
}

void applyCurve(QImage &image, const ToneCurve &curve)
{
    const bool color = image.format() == QImage::Format_RGB32;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (color) {
                QRgb &rgb = reinterpret_cast<QRgb *>(line)[x];
                rgb = qRgb(curve[qRed(rgb)], curve[qGreen(rgb)], curve[qBlue(rgb)]);
            } else {
                line[x] = curve[line[x]];
            }
        }
    }
}

} // namespace imaging
