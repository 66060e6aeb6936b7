#include "gui/FlexibleFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "gui/logic/FontResolver.h"

using namespace irr;

namespace {
constexpr int kPageSize = 512;
constexpr int kPadding = 1;  // keeps bilinear sampling from bleeding between glyphs
}  // namespace

FlexibleFont::FlexibleFont(video::IVideoDriver* drv, std::shared_ptr<FT_LibraryRec_> lib, const std::string& path,
                           unsigned size)
    : driver(drv), library(std::move(lib)), pixelSize(size) {
    if (!library || FT_New_Face(library.get(), path.c_str(), 0, &face) != 0) {
        face = nullptr;
        return;
    }
    FT_Set_Pixel_Sizes(face, 0, pixelSize);
    ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    descender = static_cast<int>(-(face->size->metrics.descender >> 6));
}

FlexibleFont::~FlexibleFont() {
    for (Page& p : pages) {
        if (p.texture) driver->removeTexture(p.texture);
        if (p.image) p.image->drop();
    }
    if (face) FT_Done_Face(face);
}

int FlexibleFont::lineHeight() const { return ascender + descender + extraKerningHeight; }

bool FlexibleFont::placeBitmap(int width, int height, int& page, int& x, int& y) const {
    if (width + kPadding > kPageSize || height + kPadding > kPageSize) return false;
    if (pages.empty() || [&] {
            Page& p = pages.back();
            if (p.penX + width + kPadding > kPageSize) {
                p.penX = 0;
                p.penY += p.rowHeight + kPadding;
                p.rowHeight = 0;
            }
            return p.penY + height + kPadding > kPageSize;
        }()) {
        Page fresh;
        fresh.image = driver->createImage(video::ECF_A8R8G8B8, core::dimension2d<u32>(kPageSize, kPageSize));
        fresh.image->fill(video::SColor(0, 255, 255, 255));
        pages.push_back(fresh);
    }
    Page& p = pages.back();
    page = static_cast<int>(pages.size()) - 1;
    x = p.penX;
    y = p.penY;
    p.penX += width + kPadding;
    p.rowHeight = std::max(p.rowHeight, height);
    p.dirty = true;
    return true;
}

const FlexibleFont::Glyph& FlexibleFont::glyph(wchar_t c) const {
    auto found = glyphs.find(c);
    if (found != glyphs.end()) return found->second;
    Glyph g;
    if (face && FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_RENDER) == 0) {
        FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        g.advance = static_cast<int>(slot->advance.x >> 6);
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        int page, x, y;
        if (bm.width > 0 && bm.rows > 0 && placeBitmap(bm.width, bm.rows, page, x, y)) {
            video::IImage* image = pages[page].image;
            for (unsigned row = 0; row < bm.rows; ++row) {
                const unsigned char* src = bm.buffer + row * bm.pitch;
                for (unsigned col = 0; col < bm.width; ++col) {
                    image->setPixel(x + col, y + row, video::SColor(src[col], 255, 255, 255));
                }
            }
            g.page = page;
            g.source = core::rect<s32>(x, y, x + bm.width, y + bm.rows);
        }
    }
    return glyphs.emplace(c, g).first->second;
}

void FlexibleFont::uploadDirtyPages() {
    for (size_t i = 0; i < pages.size(); ++i) {
        Page& p = pages[i];
        if (!p.dirty) continue;
        p.dirty = false;
        if (p.texture) driver->removeTexture(p.texture);
        // Glyph pages are drawn 1:1; mip maps would only blur them.
        const bool mipmaps = driver->getTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS);
        driver->setTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS, false);
        std::string name =
            "flexiblefont:" + std::to_string(reinterpret_cast<uintptr_t>(this)) + ":" + std::to_string(i);
        p.texture = driver->addTexture(name.c_str(), p.image);
        driver->setTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS, mipmaps);
    }
}

core::dimension2d<u32> FlexibleFont::getDimension(const wchar_t* text) const {
    int width = 0, maxWidth = 0, lines = 1;
    for (const wchar_t* c = text; c && *c; ++c) {
        if (*c == L'\n') {
            maxWidth = std::max(maxWidth, width);
            width = 0;
            ++lines;
            continue;
        }
        width += glyph(*c).advance + extraKerningWidth;
    }
    maxWidth = std::max(maxWidth, width);
    return core::dimension2d<u32>(static_cast<u32>(maxWidth), static_cast<u32>(lines * lineHeight()));
}

s32 FlexibleFont::getKerningWidth(const wchar_t* thisLetter, const wchar_t* previousLetter) const {
    s32 kerning = extraKerningWidth;
    if (face && thisLetter && previousLetter && FT_HAS_KERNING(face)) {
        FT_Vector delta;
        FT_Get_Kerning(face, FT_Get_Char_Index(face, *previousLetter), FT_Get_Char_Index(face, *thisLetter),
                       FT_KERNING_DEFAULT, &delta);
        kerning += static_cast<s32>(delta.x >> 6);
    }
    return kerning;
}

s32 FlexibleFont::getCharacterFromPos(const wchar_t* text, s32 pixelX) const {
    int x = 0;
    for (s32 i = 0; text && text[i]; ++i) {
        x += glyph(text[i]).advance + extraKerningWidth;
        if (x >= pixelX) return i;
    }
    return -1;
}

void FlexibleFont::draw(const core::stringw& text, const core::rect<s32>& position, video::SColor color, bool hcenter,
                        bool vcenter, const core::rect<s32>* clip) {
    queue(text.c_str(), position, color, hcenter, vcenter, clip);
    flush();
}

void FlexibleFont::queue(const wchar_t* text, const core::rect<s32>& position, video::SColor color, bool hcenter,
                         bool vcenter, const core::rect<s32>* clip) {
    if (!face || !text) return;
    // Rasterise first so every page is uploaded before anything is drawn.
    const core::dimension2d<u32> size = getDimension(text);
    uploadDirtyPages();
    int penX = position.UpperLeftCorner.X;
    int penY = position.UpperLeftCorner.Y;
    if (hcenter) penX += (position.getWidth() - static_cast<int>(size.Width)) / 2;
    if (vcenter) penY += (position.getHeight() - static_cast<int>(size.Height)) / 2;
    const int startX = penX;
    for (const wchar_t* at = text; *at; ++at) {
        const wchar_t c = *at;
        if (c == L'\n') {
            penX = startX;
            penY += lineHeight();
            continue;
        }
        const Glyph& g = glyph(c);
        if (g.page >= 0 && invisible.find(c) == std::wstring::npos && pages[g.page].texture) {
            const s32 x = penX + g.left, y = penY + ascender - g.top;
            // The batch takes its alpha from the glyphs alone; translucent
            // text (rare: fading labels) goes glyph by glyph through the
            // engine's call that multiplies both.
            if (color.getAlpha() < 255)
                driver->draw2DImage(pages[g.page].texture, core::position2d<s32>(x, y), g.source, clip, color, true);
            else
                addGlyphQuad(pages[g.page], core::rect<s32>(x, y, x + g.source.getWidth(), y + g.source.getHeight()),
                             g.source, color, clip);
        }
        penX += g.advance + extraKerningWidth;
    }
}

void FlexibleFont::flush() {
    for (Page& p : pages) {
        if (p.indices.empty()) continue;
        video::SMaterial material;
        material.Lighting = false;
        material.ZBuffer = video::ECFN_NEVER;
        material.ZWriteEnable = false;
        material.MaterialType = video::EMT_TRANSPARENT_ALPHA_CHANNEL;
        material.setTexture(0, p.texture);
        material.TextureLayer[0].BilinearFilter = false;
        driver->setMaterial(material);
        driver->draw2DVertexPrimitiveList(p.vertices.data(), static_cast<u32>(p.vertices.size()), p.indices.data(),
                                          static_cast<u32>(p.indices.size() / 3), video::EVT_STANDARD,
                                          scene::EPT_TRIANGLES, video::EIT_16BIT);
        p.vertices.clear();
        p.indices.clear();
    }
}

void FlexibleFont::addGlyphQuad(Page& page, core::rect<s32> target, core::rect<s32> source, video::SColor colour,
                                const core::rect<s32>* clip) {
    if (clip) {
        // Glyphs are drawn 1:1, so cutting the target cuts the source alike.
        core::rect<s32> cut = target;
        cut.clipAgainst(*clip);
        if (!cut.isValid() || cut.getArea() == 0) return;
        source.UpperLeftCorner += cut.UpperLeftCorner - target.UpperLeftCorner;
        source.LowerRightCorner += cut.LowerRightCorner - target.LowerRightCorner;
        target = cut;
    }
    if (page.vertices.size() + 4 > 65535) flush();
    const f32 scale = 1.0f / kPageSize;
    const f32 u0 = source.UpperLeftCorner.X * scale, v0 = source.UpperLeftCorner.Y * scale;
    const f32 u1 = source.LowerRightCorner.X * scale, v1 = source.LowerRightCorner.Y * scale;
    const f32 x0 = f32(target.UpperLeftCorner.X), y0 = f32(target.UpperLeftCorner.Y);
    const f32 x1 = f32(target.LowerRightCorner.X), y1 = f32(target.LowerRightCorner.Y);
    const u16 first = static_cast<u16>(page.vertices.size());
    page.vertices.emplace_back(x0, y0, 0.f, 0.f, 0.f, -1.f, colour, u0, v0);
    page.vertices.emplace_back(x1, y0, 0.f, 0.f, 0.f, -1.f, colour, u1, v0);
    page.vertices.emplace_back(x1, y1, 0.f, 0.f, 0.f, -1.f, colour, u1, v1);
    page.vertices.emplace_back(x0, y1, 0.f, 0.f, 0.f, -1.f, colour, u0, v1);
    for (u16 k : {0, 1, 2, 0, 2, 3}) page.indices.push_back(static_cast<u16>(first + k));
}

FlexibleFontManager::FlexibleFontManager(video::IVideoDriver* drv) : driver(drv) {
    FT_Library raw = nullptr;
    if (FT_Init_FreeType(&raw) == 0) library.reset(raw, [](FT_Library l) { FT_Done_FreeType(l); });
}

FlexibleFontManager::~FlexibleFontManager() {
    for (auto& entry : fonts) entry.second->drop();
}

FlexibleFont* FlexibleFontManager::getFont(const std::string& path, unsigned pixelSize) {
    auto key = std::make_pair(path, pixelSize);
    auto found = fonts.find(key);
    if (found != fonts.end()) return found->second;
    auto* font = new FlexibleFont(driver, library, path, pixelSize);
    if (!font->isValid()) {
        font->drop();
        return nullptr;
    }
    fonts[key] = font;
    return font;
}

FlexibleFont* FlexibleFontManager::getFontByName(const std::string& name, const std::string& ownFontDirectory,
                                                 unsigned pixelSize) {
    auto found = resolvedPaths.find(name);
    if (found == resolvedPaths.end())
        found = resolvedPaths.emplace(name, resolveFont(name, ownFontDirectory).path).first;
    return getFont(found->second, pixelSize);
}
