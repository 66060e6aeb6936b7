#pragma once
#include <irrlicht.h>

#include <string>

class FlexibleFontManager;
class FlexibleFont;

// Measuring text for labels and buttons with any of the engine's fonts.

irr::core::dimension2d<irr::u32> measureText(irr::gui::IGUIFont* font, const std::wstring& text);

// The text, shortened with "…" when it is wider than width.
std::wstring elideToWidth(irr::gui::IGUIFont* font, const std::wstring& text, int width);

// The font file at the largest pixel size from minSize to maxSize at which
// the text fits the box (minSize when none does); null when the file is no
// font.
FlexibleFont* fontFittingBox(FlexibleFontManager& fonts, const std::string& path, const std::wstring& text,
                             const irr::core::dimension2d<irr::u32>& box, unsigned minSize, unsigned maxSize);
