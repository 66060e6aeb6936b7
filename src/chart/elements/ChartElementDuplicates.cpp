#include "chart/elements/ChartElementDuplicates.h"

#include "geo/Geodesy.h"

bool areDuplicatePositions(const ChartPosition& a, const ChartPosition& b) {
    return calcDistance2(a, b) <= DUPLICATE_ELEMENT_DISTANCE_M;
}
