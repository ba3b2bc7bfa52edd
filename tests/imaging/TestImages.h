#pragma once

#include <QBuffer>
#include <QImage>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <set>

// Pictures and files for the imaging, editor and tool tests.
namespace testimg {

inline QImage color(int width, int height, const std::function<QRgb(int x, int y)> &value)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int i = 0; i < width * height; ++i)
        image.setPixel(i % width, i / width, value(i % width, i / width));
    return image;
}

inline QImage gray(int width, int height, const std::function<int(int x, int y)> &value)
{
    QImage image(width, height, QImage::Format_Grayscale8);
    for (int i = 0; i < width * height; ++i)
        image.scanLine(i / width)[i % width] = uchar(value(i % width, i / width));
    return image;
}

// Smooth shading, edges and grain, like a photo.
inline QImage photoLike(int width, int height, uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> grain(-12, 12);
    return color(width, height, [&](int x, int y) {
        const double u = double(x) / width, v = double(y) / height;
        const double shade = 0.5 + 0.4 * std::sin(6 * u + 3 * v) * std::cos(5 * v);
        const int disc = std::hypot(u - 0.6, v - 0.4) < 0.2 ? 60 : 0;
        const auto channel = [&](double base) { return std::clamp(int(base * 255) + grain(random) + disc, 0, 255); };
        return qRgb(channel(shade), channel(0.3 + 0.5 * v), channel(1.0 - shade * 0.8));
    });
}

// The gray of a pixel of a gray or indexed picture, the red component of a colour one.
inline int grayAt(const QImage &image, int x, int y) { return qRed(image.pixel(x, y)); }

// The largest and the average difference between the mean grays of the 8 by 8 blocks of two
// 160 by 160 handheld pictures: dithering places single pixels differently, blocks show the picture.
inline std::pair<double, double> blockDifference(const QImage &a, const QImage &b)
{
    double blocks[400] = {}, largest = 0, total = 0;
    for (int i = 0; i < 160 * 160; ++i)
        blocks[i / 1280 * 20 + i % 160 / 8] += (grayAt(a, i % 160, i / 160) - grayAt(b, i % 160, i / 160)) / 64.0;
    for (double block : blocks) {
        largest = std::max(largest, std::abs(block));
        total += std::abs(block);
    }
    return {largest, total / 400};
}

inline std::set<int> graysIn(const QImage &image)
{
    std::set<int> grays;
    for (int i = 0; i < image.width() * image.height(); ++i)
        grays.insert(grayAt(image, i % image.width(), i / image.width()));
    return grays;
}

inline QByteArray encoded(const QImage &image, const char *format, int quality = 92)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format, quality) ? bytes : QByteArray();
}

} // namespace testimg
