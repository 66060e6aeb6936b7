#include "chart/files/AreaTree.h"

#include "geo/Angles.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr double EDGE_TOLERANCE_DEG = 0.0001;
}

bool ARectangularArea::isInside(ChartPosition position) const {
    if (position.latitude < southEast.latitude - EDGE_TOLERANCE_DEG ||
        position.latitude > northWest.latitude + EDGE_TOLERANCE_DEG)
        return false;
    // Relative longitudes first, so that a position given as -179.9 finds the
    // cell at 180.1; the plain comparison covers the root, whose east edge is
    // the same meridian as its west edge.
    double dLon = transformLongitude(position.longitude, northWest.longitude);
    double dEast = transformLongitude(southEast.longitude, northWest.longitude);
    if (dLon >= -EDGE_TOLERANCE_DEG && dLon <= dEast + EDGE_TOLERANCE_DEG)
        return true;
    return northWest.longitude <= position.longitude && position.longitude < southEast.longitude;
}

void ARectangularArea::print() const {
    std::printf("Area %s: NW %.4f %.4f, SE %.4f %.4f, parent %d\n", isLeaf() ? "leaf" : "node",
                northWest.longitude, northWest.latitude, southEast.longitude, southEast.latitude, parent);
}

void AreaLeaf::addElement(int32_t identifier, const char* data) {
    elements.push_back(identifier);
    staticData.insert(staticData.end(), data, data + 3);
}

bool AreaLeaf::removeElement(int32_t identifier) {
    size_t kept = 0;
    bool found = false;
    for (size_t i = 0; i < elements.size(); i++) {
        if (elements[i] == identifier) {
            found = true;
            continue;
        }
        if (kept != i) {
            elements[kept] = elements[i];
            std::copy_n(staticData.begin() + 3 * static_cast<long>(i), 3,
                        staticData.begin() + 3 * static_cast<long>(kept));
        }
        kept++;
    }
    elements.resize(kept);
    staticData.resize(3 * kept);
    return found;
}

void AreaLeaf::clear() {
    elements.clear();
    elements.shrink_to_fit();
    staticData.clear();
    staticData.shrink_to_fit();
}
