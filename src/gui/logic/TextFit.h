#pragma once
#include <functional>
#include <string>

// Fitting text into the room a label has, for any font: the font is reached
// only through the measuring function passed in.

// The text when it fits maxWidth, else its longest start followed by "…"
// that does (just "…" when not even one character fits).
std::wstring elideText(const std::wstring& text, int maxWidth, const std::function<int(const std::wstring&)>& widthOf);

// The largest size from minSize to maxSize for which fits(size) holds, fits
// growing false with the size; minSize when none fits.
unsigned largestFittingSize(unsigned minSize, unsigned maxSize, const std::function<bool(unsigned)>& fits);
