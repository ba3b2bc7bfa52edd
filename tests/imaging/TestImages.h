#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// Pictures, reference values and file helpers for the imaging tests.
namespace testimg {

QImage gray(int width, int height, const std::function<int(int x, int y)> &value);
QImage color(int width, int height, const std::function<QRgb(int x, int y)> &value);
// Smooth shading, edges and grain, like a photo: what the shrinking shortcuts must hold up on.
QImage photoLike(int width, int height, uint32_t seed);

// The gray of a pixel of a gray, indexed or colour picture (the red component for colour).
int grayAt(const QImage &image, int x, int y);
double meanGray(const QImage &image);

// The sRGB transfer function, written out independently of the module's tables.
double toLinear(int code);
int toSrgb(double linear);

bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Runs one of ImageMagick's programs from /usr/bin; false when it is missing or fails.
bool runImageMagick(const QString &program, const QStringList &arguments, QString *output = nullptr);
bool hasImageMagick(const QString &program);

} // namespace testimg
