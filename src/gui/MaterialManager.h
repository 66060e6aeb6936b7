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
class MaterialManager {
public:
    explicit MaterialManager(irr::video::IVideoDriver* driver);

    // On drivers other than OpenGL the engine's vertex-alpha material
    // stands in (the textures then keep their own alpha only).
    irr::video::E_MATERIAL_TYPE getVertexAndTextureColorMaterial() const { return vertexAndTextureColor; }
    // Plain shapes: vertex colours with their alpha.
    irr::video::E_MATERIAL_TYPE getAlpha2DMaterial() const { return irr::video::EMT_TRANSPARENT_VERTEX_ALPHA; }

    // Gives the drawer its materials.
    void configure(Drawer2D& drawer) const;

private:
    irr::video::E_MATERIAL_TYPE vertexAndTextureColor = irr::video::EMT_TRANSPARENT_VERTEX_ALPHA;
};
