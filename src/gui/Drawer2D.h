#pragma once
#include <irrlicht.h>

#include <string>

// Small 2D drawing conveniences on top of the video driver that the panels
// and overlays share.
class Drawer2D {
public:
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

    void setMaterialType(irr::video::E_MATERIAL_TYPE type) { materialType = type; }
    irr::video::E_MATERIAL_TYPE getMaterialType() const { return materialType; }

private:
    irr::IrrlichtDevice* device;
    irr::video::IVideoDriver* driver;
    irr::video::E_MATERIAL_TYPE materialType = irr::video::EMT_TRANSPARENT_VERTEX_ALPHA;
};
