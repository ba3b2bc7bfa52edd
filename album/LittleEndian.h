#pragma once

#include <cstdint>

// The album file is little-endian whatever the host is, so integers go through these.
inline void PutLittleEndian32(unsigned char *out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<unsigned char>(bits >> (8 * i));
}

inline std::int32_t GetLittleEndian32(const unsigned char *in)
{
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | in[i];
    return static_cast<std::int32_t>(bits);
}
