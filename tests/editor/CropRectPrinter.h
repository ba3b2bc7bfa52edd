#pragma once

#include "editor/CropGeometry.h"

#include <ostream>

// Readable failure messages for crop rectangles in GoogleTest assertions.
inline void PrintTo(const CropRect &rect, std::ostream *out)
{
    *out << '(' << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << ')';
}
