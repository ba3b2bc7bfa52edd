#include "SyntheticPhoto.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

QImage syntheticPhoto(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double v = double(y) / height;
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            noise = noise * 1664525u + 1013904223u; // cheap grain
            const int grain = int(noise >> 28) - 8;
            const bool building = u > 0.2 && u < 0.45 && v > 0.3 + 0.2 * std::sin(u * 40);
            const int sky = int(255 * (0.4 + 0.5 * (1 - v)));
            const auto clamp = [](int c) { return std::clamp(c, 0, 255); };
            line[x] = building ? qRgb(clamp(90 + grain), clamp(70 + grain), clamp(60 + grain))
                               : qRgb(clamp(sky / 2 + grain), clamp(sky * 3 / 4 + grain), clamp(sky + grain));
        }
    }
    return image;
}
