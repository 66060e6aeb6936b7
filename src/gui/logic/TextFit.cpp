#include "gui/logic/TextFit.h"

std::wstring elideText(const std::wstring& text, int maxWidth, const std::function<int(const std::wstring&)>& widthOf) {
    if (widthOf(text) <= maxWidth) return text;
    // Widths grow with the length, so the longest start that fits is found
    // by bisection rather than by trying each length.
    size_t low = 0, high = text.size();
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        if (widthOf(text.substr(0, mid) + L"\u2026") <= maxWidth) low = mid;
        else high = mid - 1;
    }
    return text.substr(0, low) + L"\u2026";
}

unsigned largestFittingSize(unsigned minSize, unsigned maxSize, const std::function<bool(unsigned)>& fits) {
    unsigned low = minSize, high = maxSize;
    while (low < high) {
        const unsigned mid = low + (high - low + 1) / 2;
        if (fits(mid)) low = mid;
        else high = mid - 1;
    }
    return low;
}
