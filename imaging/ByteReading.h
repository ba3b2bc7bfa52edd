#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Fixed-size integers inside an encoded file; callers check the bounds first.
namespace imaging::bytes {

inline uint32_t le16(std::span<const uint8_t> d, size_t at)
{
    return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8;
}

inline uint32_t le32(std::span<const uint8_t> d, size_t at)
{
    return le16(d, at) | le16(d, at + 2) << 16;
}

inline uint32_t be16(std::span<const uint8_t> d, size_t at)
{
    return uint32_t(d[at]) << 8 | uint32_t(d[at + 1]);
}

inline uint32_t be32(std::span<const uint8_t> d, size_t at)
{
    return be16(d, at) << 16 | be16(d, at + 2);
}

inline uint64_t be64(std::span<const uint8_t> d, size_t at)
{
    return uint64_t(be32(d, at)) << 32 | be32(d, at + 4);
}

} // namespace imaging::bytes
