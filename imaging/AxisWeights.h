#pragma once

#include <vector>

namespace imaging {

// How each output pixel along one axis is made from source pixels along that axis.
// Output i is the sum over n < count[i] of weight[offset[i] + n] * source[first[i] + n].
struct AxisWeights {
    std::vector<int> first;
    std::vector<int> count;
    std::vector<int> offset;
    std::vector<float> weight;

    int maxCount() const;
};

// `outLength` pixels from the source interval [begin, end), which may start and end inside
// a pixel. Shrinking (or keeping the length) averages the area each output pixel covers, with
// partly covered pixels weighted by their covered fraction; enlarging interpolates linearly
// between the two nearest pixel centres. Only pixels overlapping the interval are used, and
// never one at or past `sourceLength`.
AxisWeights axisWeights(double begin, double end, int outLength, int sourceLength);

} // namespace imaging
