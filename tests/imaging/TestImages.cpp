#include "TestImages.h"

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <random>

namespace testimg {

QImage gray(int width, int height, const std::function<int(int x, int y)> &value)
{
    QImage image(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.scanLine(y)[x] = uchar(value(x, y));
    }
    return image;
}

QImage color(int width, int height, const std::function<QRgb(int x, int y)> &value)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, value(x, y));
    }
    return image;
}

QImage photoLike(int width, int height, uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> grain(-12, 12);
    return color(width, height, [&](int x, int y) {
        const double u = double(x) / width;
        const double v = double(y) / height;
        const bool inDisc = std::hypot(u - 0.6, v - 0.4) < 0.2;
        const double shade = 0.5 + 0.4 * std::sin(6 * u + 3 * v) * std::cos(5 * v);
        const auto channel = [&](double base) {
            return std::clamp(int(base * 255) + grain(random) + (inDisc ? 60 : 0), 0, 255);
        };
        return qRgb(channel(shade), channel(0.3 + 0.5 * v), channel(1.0 - shade * 0.8));
    });
}

int grayAt(const QImage &image, int x, int y)
{
    return qRed(image.pixel(x, y));
}

double meanGray(const QImage &image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += grayAt(image, x, y);
    }
    return sum / (double(image.width()) * image.height());
}

double toLinear(int code)
{
    const double v = code / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

int toSrgb(double linear)
{
    const double v = linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return int(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool hasImageMagick(const QString &program)
{
    return QFile::exists("/usr/bin/" + program);
}

bool runImageMagick(const QString &program, const QStringList &arguments, QString *output)
{
    if (!hasImageMagick(program))
        return false;
    QProcess process;
    process.start("/usr/bin/" + program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return true;
}

} // namespace testimg
