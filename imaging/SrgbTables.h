#pragma once

#include <array>
#include <cstdint>

// Conversions between 8-bit sRGB codes and linear light, which is where averaging pixels
// has to happen for a shrunken picture to keep the brightness of its fine detail.
namespace imaging {

constexpr float kLinearScale = 65535.0f; // linear light is kept as 0..65535

// sRGB code -> linear light 0..65535.
const std::array<uint16_t, 256> &srgbToLinear16();

// Linear light 0..65535 -> the nearest sRGB code, one entry per step.
const std::array<uint8_t, 65536> &linear16ToSrgbTable();

inline uint8_t linear16ToSrgb(uint32_t linear)
{
    return linear16ToSrgbTable()[linear];
}

// Linear light on the 0..65535 scale, possibly fractional or slightly out of range -> the nearest sRGB code.
inline uint8_t linearToSrgb(float linear)
{
    const float rounded = linear + 0.5f;
    return linear16ToSrgb(rounded <= 0.0f ? 0u : rounded >= kLinearScale ? 65535u : uint32_t(rounded));
}

} // namespace imaging
