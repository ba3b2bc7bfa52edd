#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The grays a picture may be reduced to, in the order their indices are stored and written.
struct GrayPalette {
    std::vector<uint8_t> grays;

    static GrayPalette Gray4();  // the handheld's four levels
    static GrayPalette Gray16(); // sixteen even steps

    // Index-addressable in one byte and not empty.
    bool IsUsable() const { return !grays.empty() && grays.size() <= 256; }
    // For every gray the index of the closest entry, the first one on a tie. Needs IsUsable().
    std::array<uint8_t, 256> NearestIndices() const;

    bool operator==(const GrayPalette &) const = default;
};
