#pragma once
#include <irrlicht.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "gui/logic/Shapes.h"

// The 2D drawing the panels, instruments and overlays share: textures turned
// about a centre, lines with a width, filled polygons, arcs and circles, all
// cut to a clip rectangle. The geometry comes from shapes (exact and tested
// without the engine); this class only hands the triangles to the driver.
//
// Angles are in degrees, counter-clockwise positive on the screen, 0 to the
// right; a needle that turns clockwise with its value is drawn with the
// negated angle.
class Drawer2D {
public:
    using Points = std::vector<irr::core::vector2df>;

    explicit Drawer2D(irr::IrrlichtDevice* device);

    // Per-process tables shared by all drawers (set up once at start).
    static void initStaticVars();

    irr::video::IVideoDriver* getDriver() const { return driver; }

    void fillRectangle(const irr::core::rect<irr::s32>& area, irr::video::SColor colour);

    // Draws text centred in the area with the font (the engine's built-in
    // font when none is given).
    void drawTextCentred(irr::gui::IGUIFont* font, const std::wstring& text, const irr::core::rect<irr::s32>& area,
                         irr::video::SColor colour);

    // The whole viewport as a rectangle.
    irr::core::rect<irr::s32> getViewport() const;

    // Every shape below is cut to the current clip rectangle and, when given,
    // to the clip of the call as well. Null removes the current clip.
    void setClipRect(const irr::core::rect<irr::s32>* clip);
    // The current clip rectangle; null when there is none.
    const irr::core::rect<irr::s32>* getClipRect() const { return hasClip ? &currentClip : nullptr; }

    // The texture stretched over size with its upper left corner at position,
    // then turned by rotation about the point at the fractions centre of the
    // size ((0.5, 0.5): its middle). The colour tints it (white: as it is).
    void draw(irr::video::ITexture* texture, const irr::core::vector2df& position, const irr::core::vector2df& size,
              irr::f32 rotation, const irr::core::vector2df& centre = irr::core::vector2df(0.5f, 0.5f),
              irr::video::SColor colour = irr::video::SColor(255, 255, 255, 255),
              const irr::core::rect<irr::s32>* clip = nullptr);

    // Only the part of the texture that is not wholly transparent, where the
    // whole one would be drawn: the same picture for a fraction of the work
    // when the texture is mostly empty (a needle on a dial-sized picture).
    // The part is found on texture and drawn from drawnFrom when that is
    // given (a copy of texture at another size, see atSize).
    void drawVisiblePart(irr::video::ITexture* texture, const irr::core::vector2df& position,
                         const irr::core::vector2df& size, irr::f32 rotation,
                         const irr::core::vector2df& centre = irr::core::vector2df(0.5f, 0.5f),
                         irr::video::SColor colour = irr::video::SColor(255, 255, 255, 255),
                         irr::video::ITexture* drawnFrom = nullptr);

    // A copy of the texture at exactly that size (nearest texel, alpha
    // kept), made once and kept: a dial drawn every frame from its own size
    // reads a fraction of the memory a larger picture costs, row after row,
    // which is what bounds a software renderer. With an opaque colour
    // `under`, the copy is the texture tinted by `tint` and laid over that
    // colour: an opaque picture, which the renderer copies instead of
    // blending (see drawOpaque). The texture itself when the copy is not
    // needed or the driver cannot draw into textures. Call it only while
    // drawing to the screen: it draws into the copy.
    irr::video::ITexture* atSize(irr::video::ITexture* texture, irr::u32 width, irr::u32 height,
                                 irr::video::SColor under = irr::video::SColor(0, 0, 0, 0),
                                 irr::video::SColor tint = irr::video::SColor(255, 255, 255, 255));

    // The part of the texture (fractions of its size, left to right, top
    // to bottom) placed as the whole texture would be.
    void drawPart(irr::video::ITexture* texture, const irr::core::vector2df& position, const irr::core::vector2df& size,
                  irr::f32 rotation, const irr::core::vector2df& centre, const shapes::Rect& part,
                  irr::video::SColor colour, const irr::core::rect<irr::s32>* clip = nullptr);

    // The texture placed as draw() places it, shown only where the triangles
    // lie (the part of a turned picture inside an instrument's window).
    // `opaque` ignores its alpha, as drawOpaque does.
    void drawWithin(irr::video::ITexture* texture, const irr::core::vector2df& position,
                    const irr::core::vector2df& size, irr::f32 rotation, const irr::core::vector2df& centre,
                    const shapes::Triangles& where, irr::video::SColor colour = irr::video::SColor(255, 255, 255, 255),
                    bool opaque = false);

    // The same, with the texture's alpha ignored: for pictures that cover
    // their place whole (the map's chart), so that nothing beneath shows
    // through where their painting left the alpha below one.
    void drawOpaque(irr::video::ITexture* texture, const irr::core::vector2df& position,
                    const irr::core::vector2df& size, irr::f32 rotation, const irr::core::vector2df& centre,
                    const irr::core::rect<irr::s32>* clip = nullptr);

    // The outline of the rectangle, drawn inside it (a panel's frame).
    void drawRectangleOutline(const irr::core::rect<irr::s32>& area, irr::f32 width, irr::video::SColor colour,
                              const irr::core::rect<irr::s32>* clip = nullptr);
    void drawLine(const irr::core::vector2df& from, const irr::core::vector2df& to, irr::f32 width,
                  irr::video::SColor colour, const irr::core::rect<irr::s32>* clip = nullptr);
    void drawPolyline(const Points& points, irr::f32 width, irr::video::SColor colour, bool closed,
                      const irr::core::rect<irr::s32>* clip = nullptr);
    // Convex or concave, either winding; the outline must not cross itself.
    void fillPolygon(const Points& points, irr::video::SColor colour, const irr::core::rect<irr::s32>* clip = nullptr);
    // From startDegrees counter-clockwise to endDegrees.
    void drawArc(const irr::core::vector2df& centre, irr::f32 radius, irr::f32 width, irr::f32 startDegrees,
                 irr::f32 endDegrees, irr::video::SColor colour, const irr::core::rect<irr::s32>* clip = nullptr);
    void drawCircle(const irr::core::vector2df& centre, irr::f32 radius, irr::f32 width, irr::video::SColor colour,
                    const irr::core::rect<irr::s32>* clip = nullptr);
    void fillCircle(const irr::core::vector2df& centre, irr::f32 radius, irr::video::SColor colour,
                    const irr::core::rect<irr::s32>* clip = nullptr);

    // The material of untextured shapes (vertex colours with alpha unless
    // the material manager provides another).
    void setMaterialType(irr::video::E_MATERIAL_TYPE type) { materialType = type; }
    irr::video::E_MATERIAL_TYPE getMaterialType() const { return materialType; }
    // The material that multiplies a texture's alpha by the colour's (see
    // MaterialManager). Until it is set, textures tinted with a translucent
    // colour are drawn with their own alpha only.
    void setFadingTextureMaterial(irr::video::E_MATERIAL_TYPE type) { fadingTextureMaterial = type; }
    // Hands what has been drawn so far to the renderer as a pass of its own.
    // A software renderer (llvmpipe) copies the 64-pixel tiles that hold
    // only upright pictures and plain rectangles row by row, but shades a
    // tile pixel by pixel, every layer of it, as soon as one turned or
    // round shape touches it. A page that draws its upright dials in a pass
    // ahead of the turned needles keeps the dials on the fast path; each
    // pass costs llvmpipe about 60 microseconds, so one per frame.
    void separatePass();

    // The materials that draw an untinted texture as it is, blended and
    // opaque (see MaterialManager); -1 leaves such textures to the engine's
    // own 2D materials.
    void setTextureBlitMaterials(irr::s32 blended, irr::s32 opaque);

private:
    // drawPart for several parts in one call.
    void drawParts(irr::video::ITexture* texture, const irr::core::vector2df& position,
                   const irr::core::vector2df& size, irr::f32 rotation, const irr::core::vector2df& centre,
                   const shapes::Rect* parts, size_t count, irr::video::SColor colour,
                   const irr::core::rect<irr::s32>* clip = nullptr);
    void drawTriangles(const shapes::Triangles& triangles, irr::video::SColor colour, irr::video::ITexture* texture,
                       const irr::core::rect<irr::s32>* clip);

    irr::IrrlichtDevice* device;
    irr::video::IVideoDriver* driver;
    // Draws through the engine's 3D path with a projection that maps pixels,
    // the only path that honours a material of the program's own.
    void drawTrianglesIn3D(irr::u32 primitiveCount);
    // Sets the material these triangles are drawn with; true when only the
    // 3D path honours it.
    bool chooseMaterial(irr::video::SColor colour, irr::video::ITexture* texture);
    // Found once per texture.
    const shapes::Rect& visiblePartOf(irr::video::ITexture* texture);

    irr::video::E_MATERIAL_TYPE materialType = irr::video::EMT_TRANSPARENT_VERTEX_ALPHA;
    irr::video::E_MATERIAL_TYPE fadingTextureMaterial = irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL;
    bool hasClip = false;
    bool opaqueTexture = false;  // during drawOpaque
    irr::core::rect<irr::s32> currentClip;
    std::vector<irr::video::S3DVertex> vertices;  // reused between calls
    shapes::Triangles scratch;                    // likewise, for the shapes
    shapes::Triangles clipped;                    // and for their clipped parts
    irr::video::SMaterial shapeMaterial;
    // Nearest texel, clamped at the edges, no mipmaps: what the texture
    // blits need to stay on a software renderer's copying path.
    irr::video::SMaterial blitMaterial;
    irr::s32 textureBlit = -1;
    irr::s32 opaqueTextureBlit = -1;
    std::vector<irr::u16> indices;
    struct VisiblePart {
        irr::io::path name;
        shapes::Rect part;
    };
    std::unordered_map<const irr::video::ITexture*, VisiblePart> visibleParts;
    struct SizedCopy {
        const irr::video::ITexture* source;
        irr::io::path name;  // of the source, as for the visible parts
        irr::core::dimension2d<irr::u32> size;
        irr::u32 under, tint;
        irr::video::ITexture* copy;
    };
    // Owned by the driver. Few: a texture is drawn at one or two sizes, and
    // the list starts afresh when a change of layout has filled it.
    std::vector<SizedCopy> sizedCopies;
};
