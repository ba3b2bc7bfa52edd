#include "imaging/AxisWeights.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace imaging {
namespace {

// Appends one output pixel made of source pixels first, first + 1, ... with these weights.
void append(AxisWeights &weights, int first, std::initializer_list<float> values)
{
    weights.first.push_back(first);
    weights.count.push_back(int(values.size()));
    weights.offset.push_back(int(weights.weight.size()));
    weights.weight.insert(weights.weight.end(), values);
}

void appendArea(AxisWeights &weights, double lo, double hi, int firstPixel, int lastPixel)
{
    const int from = std::clamp(int(std::floor(lo)), firstPixel, lastPixel);
    const int to = std::clamp(int(std::ceil(hi)) - 1, from, lastPixel);
    weights.first.push_back(from);
    weights.count.push_back(to - from + 1);
    weights.offset.push_back(int(weights.weight.size()));
    for (int j = from; j <= to; ++j) {
        // Rounding can leave an empty sliver at an edge; a zero weight keeps the run contiguous.
        const double covered = std::min(hi, j + 1.0) - std::max(lo, double(j));
        weights.weight.push_back(float(std::max(covered, 0.0) / (hi - lo)));
    }
}

void appendInterpolation(AxisWeights &weights, double centre, int firstPixel, int lastPixel)
{
    const double position = centre - 0.5;
    const int left = int(std::floor(position));
    if (left < firstPixel)
        append(weights, firstPixel, {1.0f});
    else if (left >= lastPixel)
        append(weights, lastPixel, {1.0f});
    else
        append(weights, left, {float(1.0 - (position - left)), float(position - left)});
}

} // namespace

int AxisWeights::maxCount() const
{
    return count.empty() ? 0 : *std::max_element(count.begin(), count.end());
}

AxisWeights axisWeights(double begin, double end, int outLength, int sourceLength)
{
    const int firstPixel = std::clamp(int(std::floor(begin)), 0, sourceLength - 1);
    const int lastPixel = std::clamp(int(std::ceil(end)) - 1, firstPixel, sourceLength - 1);
    const double step = (end - begin) / outLength;
    const bool enlarging = step < 1.0;

    AxisWeights weights;
    for (int i = 0; i < outLength; ++i) {
        const double lo = begin + i * step;
        if (enlarging)
            appendInterpolation(weights, lo + step / 2, firstPixel, lastPixel);
        else
            appendArea(weights, lo, i + 1 == outLength ? end : lo + step, firstPixel, lastPixel);
    }
    return weights;
}

} // namespace imaging
