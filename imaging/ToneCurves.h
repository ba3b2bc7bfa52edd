#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <utility>

namespace imaging {

using ToneCurve = std::array<uint8_t, 256>;

// v' = 128 + (v - 128) * k, rounded and clamped, with k = 1 + c / 1000 for c <= 0 (down to a flat
// 128) and k = 1 / (1 - 0.95 c / 1000) for c > 0 (up to 20, nearly a threshold). c is clamped to
// -1000..1000.
ToneCurve contrastCurve(int c);

// The darkest value to 0, the brightest to 255, linearly in between; identity when they are equal.
ToneCurve stretchCurve(uint8_t darkest, uint8_t brightest);

// The darkest and brightest value of a gray picture, or of any colour component of an RGB32 one.
std::pair<uint8_t, uint8_t> valueRange(const QImage &image);

// Replaces every gray value, or every colour component, through the curve.
void applyCurve(QImage &image, const ToneCurve &curve);

} // namespace imaging
