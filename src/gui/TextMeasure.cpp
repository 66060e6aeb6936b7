#include "gui/TextMeasure.h"

#include "gui/FlexibleFont.h"
#include "gui/logic/TextFit.h"

using namespace irr;

core::dimension2d<u32> measureText(gui::IGUIFont* font, const std::wstring& text) {
    return font ? font->getDimension(text.c_str()) : core::dimension2d<u32>(0, 0);
}

std::wstring elideToWidth(gui::IGUIFont* font, const std::wstring& text, int width) {
    if (!font) return text;
    return elideText(text, width,
                     [font](const std::wstring& s) { return static_cast<int>(font->getDimension(s.c_str()).Width); });
}

FlexibleFont* fontFittingBox(FlexibleFontManager& fonts, const std::string& path, const std::wstring& text,
                             const core::dimension2d<u32>& box, unsigned minSize, unsigned maxSize) {
    const unsigned size = largestFittingSize(minSize, maxSize, [&](unsigned pixels) {
        FlexibleFont* font = fonts.getFont(path, pixels);
        if (!font) return false;
        const core::dimension2d<u32> d = font->getDimension(text.c_str());
        return d.Width <= box.Width && d.Height <= box.Height;
    });
    return fonts.getFont(path, size);
}
