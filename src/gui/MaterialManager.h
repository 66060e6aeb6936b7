#pragma once
#include <irrlicht.h>

class Drawer2D;

// Registers the program's own material types with the video driver, once at
// start, and hands their ids to whoever draws with them.
//
// "VertexAndTextureColor": the texture's colour and alpha multiplied by the
// vertex colour and alpha, blended over the picture. Buttons use it to tint
// one grey texture in every colour, and the 2D drawer to fade textures in
// and out, which the engine's own 2D materials cannot (they take the alpha
// from either the texture or the vertices, not both). A fixed-function
// renderer: the OpenGL driver needs no shaders for it.
//
// "TextureBlit" and "TextureBlitOpaque": the texture as it is, sampled at
// the nearest texel, blended over the picture by its alpha or covering it.
// A shader that does nothing but read the texture is what a software
// renderer recognises as a copy: Mesa's llvmpipe then draws an upright
// picture row by row instead of shading it pixel by pixel, several times
// faster (the dials of an instrument page are mostly such pictures). The
// fixed-function path cannot get there, since it always multiplies by the
// vertex colour.
class MaterialManager {
public:
    explicit MaterialManager(irr::video::IVideoDriver* driver);

    // On drivers other than OpenGL the engine's vertex-alpha material
    // stands in (the textures then keep their own alpha only).
    irr::video::E_MATERIAL_TYPE getVertexAndTextureColorMaterial() const { return vertexAndTextureColor; }
    // Plain shapes: vertex colours with their alpha.
    irr::video::E_MATERIAL_TYPE getAlpha2DMaterial() const { return irr::video::EMT_TRANSPARENT_VERTEX_ALPHA; }

    // Both -1 where the driver has no shaders.
    irr::s32 getTextureBlitMaterial() const { return textureBlit; }
    irr::s32 getOpaqueTextureBlitMaterial() const { return opaqueTextureBlit; }

    // Gives the drawer its materials.
    void configure(Drawer2D& drawer) const;

private:
    void registerTextureBlits(irr::video::IVideoDriver* driver);

    irr::video::E_MATERIAL_TYPE vertexAndTextureColor = irr::video::EMT_TRANSPARENT_VERTEX_ALPHA;
    irr::s32 textureBlit = -1;
    irr::s32 opaqueTextureBlit = -1;
};
