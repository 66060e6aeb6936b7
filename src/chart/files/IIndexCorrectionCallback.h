#pragma once
#include <cstdint>

// Turns an element index stored in a sub-chart's own files into the
// identifier used everywhere else. Elements that refer to other elements by
// index (and the search index) are read through one of these.
class IIndexCorrectionCallback {
public:
    virtual ~IIndexCorrectionCallback() = default;
    virtual int32_t OnIndexCorrect(int32_t index) = 0;
};

// Bits 0-22 of an identifier are the index within the sub-chart, bits 23-30
// the sub-chart's number. Negative identifiers are custom elements and pass
// through unchanged.
constexpr int SUBCHART_INDEX_BITS = 23;
constexpr int32_t SUBCHART_INDEX_MASK = 0x7FFFFF;

inline int32_t makeChartElementIdentifier(int subChartNumber, int32_t index) {
    if (index < 0)
        return index;
    return static_cast<int32_t>((static_cast<uint32_t>(index) & SUBCHART_INDEX_MASK) |
                                (static_cast<uint32_t>(subChartNumber) << SUBCHART_INDEX_BITS));
}

class SubChartIndexCorrection : public IIndexCorrectionCallback {
public:
    explicit SubChartIndexCorrection(int subChartNumber) : subChartNumber(subChartNumber) {}
    int32_t OnIndexCorrect(int32_t index) override { return makeChartElementIdentifier(subChartNumber, index); }

private:
    int subChartNumber;
};
