#pragma once
#include <random>
#include <vector>

#include "map/labels/LabelRect.h"

// count rectangles minSize..maxSize wide, a third as high, strewn over area.
inline std::vector<LabelRect> scatteredRects(int count, const LabelRect& area, double minSize, double maxSize,
                                             unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> size(minSize, maxSize), unit(0, 1);
    std::vector<LabelRect> rects;
    for (int i = 0; i < count; ++i) {
        LabelRect r{0, 0, size(random), size(random) / 3};
        r.left = area.left + unit(random) * (area.width - r.width);
        r.top = area.top + unit(random) * (area.height - r.height);
        rects.push_back(r);
    }
    return rects;
}
