#pragma once
#include <irrlicht.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

// A scalable font: glyphs are rasterised by FreeType on first use, at the
// pixel size of this instance, into texture pages shared by all its glyphs.
// Any TrueType/OpenType/WOFF face works, so text stays crisp at every screen
// size instead of scaling a bitmap font.
class FlexibleFont : public irr::gui::IGUIFont {
public:
    // The font shares ownership of the FreeType library: GUI elements and the
    // skin hold fonts by reference count and may release them last.
    FlexibleFont(irr::video::IVideoDriver* driver, std::shared_ptr<FT_LibraryRec_> library, const std::string& path,
                 unsigned pixelSize);
    ~FlexibleFont() override;

    bool isValid() const { return face != nullptr; }
    unsigned getPixelSize() const { return pixelSize; }

    void draw(const irr::core::stringw& text, const irr::core::rect<irr::s32>& position, irr::video::SColor color,
              bool hcenter = false, bool vcenter = false, const irr::core::rect<irr::s32>* clip = nullptr) override;
    // Many labels at once: queue() lays out the glyphs of each, flush() draws
    // all that were queued with one driver call per glyph page. Every call
    // costs a software renderer far more than its glyphs do, so a panel
    // with many labels queues them and flushes once. draw() is both at once.
    // Text in a translucent colour is drawn at once, not queued.
    void queue(const wchar_t* text, const irr::core::rect<irr::s32>& position, irr::video::SColor color,
               bool hcenter = false, bool vcenter = false, const irr::core::rect<irr::s32>* clip = nullptr);
    void flush();

    irr::core::dimension2d<irr::u32> getDimension(const wchar_t* text) const override;
    irr::s32 getCharacterFromPos(const wchar_t* text, irr::s32 pixelX) const override;
    void setKerningWidth(irr::s32 kerning) override { extraKerningWidth = kerning; }
    void setKerningHeight(irr::s32 kerning) override { extraKerningHeight = kerning; }
    irr::s32 getKerningWidth(const wchar_t* thisLetter = nullptr,
                             const wchar_t* previousLetter = nullptr) const override;
    irr::s32 getKerningHeight() const override { return extraKerningHeight; }
    void setInvisibleCharacters(const wchar_t* s) override { invisible = s ? s : L""; }

private:
    struct Glyph {
        int page = -1;  // -1: nothing to draw (space, missing glyph)
        irr::core::rect<irr::s32> source;
        int left = 0;  // bitmap offset from the pen position
        int top = 0;   // bitmap top above the baseline
        int advance = 0;
    };
    struct Page {
        irr::video::IImage* image = nullptr;
        irr::video::ITexture* texture = nullptr;
        bool dirty = false;
        int penX = 0, penY = 0, rowHeight = 0;
        std::vector<irr::video::S3DVertex> vertices;  // glyphs queued and not yet drawn
        std::vector<irr::u16> indices;
    };

    const Glyph& glyph(wchar_t c) const;
    bool placeBitmap(int width, int height, int& page, int& x, int& y) const;
    void uploadDirtyPages();
    void addGlyphQuad(Page& page, irr::core::rect<irr::s32> target, irr::core::rect<irr::s32> source,
                      irr::video::SColor colour, const irr::core::rect<irr::s32>* clip);
    int lineHeight() const;

    irr::video::IVideoDriver* driver;
    std::shared_ptr<FT_LibraryRec_> library;
    FT_Face face = nullptr;
    unsigned pixelSize;
    int ascender = 0;
    int descender = 0;
    irr::s32 extraKerningWidth = 0;
    irr::s32 extraKerningHeight = 0;
    std::wstring invisible;
    mutable std::map<wchar_t, Glyph> glyphs;
    mutable std::vector<Page> pages;
};

// Owns the FreeType library and every font instance, one per file and size.
class FlexibleFontManager {
public:
    explicit FlexibleFontManager(irr::video::IVideoDriver* driver);
    ~FlexibleFontManager();

    // The font of that file at that pixel size, loaded on first request; null
    // when the file cannot be read as a font.
    FlexibleFont* getFont(const std::string& path, unsigned pixelSize);
    // The font named in the settings (e.g. "Heebo Medium"), looked up in the
    // program's font folder and among the installed fonts, Roboto Medium when
    // it is in neither (see resolveFont).
    FlexibleFont* getFontByName(const std::string& name, const std::string& ownFontDirectory, unsigned pixelSize);

private:
    irr::video::IVideoDriver* driver;
    std::shared_ptr<FT_LibraryRec_> library;
    std::map<std::pair<std::string, unsigned>, FlexibleFont*> fonts;
    std::map<std::string, std::string> resolvedPaths;  // looked up once, logged once
};
