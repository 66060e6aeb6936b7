#include "gui/MaterialManager.h"

#include <GL/gl.h>

#include "base/Logger.h"
#include "gui/Drawer2D.h"

using namespace irr;

namespace {
const char* const kVertexAndTextureColor = "VertexAndTextureColor";

class VertexAndTextureColorRenderer : public video::IMaterialRenderer {
public:
    void OnSetMaterial(const video::SMaterial& material, const video::SMaterial& lastMaterial,
                       bool resetAllRenderstates, video::IMaterialRendererServices* services) override {
        services->setBasicRenderStates(material, lastMaterial, resetAllRenderstates);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        // Modulation multiplies colour and alpha alike.
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    }
    void OnUnsetMaterial() override { glDisable(GL_BLEND); }
    bool isTransparent() const override { return true; }
};

// The id of the renderer registered under that name, -1 when none is.
s32 findMaterial(video::IVideoDriver* driver, const char* name) {
    for (u32 i = 0; i < driver->getMaterialRendererCount(); ++i) {
        const c8* registered = driver->getMaterialRendererName(i);
        if (registered && core::stringc(registered) == name) return static_cast<s32>(i);
    }
    return -1;
}
}  // namespace

MaterialManager::MaterialManager(video::IVideoDriver* driver) {
    if (driver->getDriverType() != video::EDT_OPENGL) {
        logMessage(std::string("material ") + kVertexAndTextureColor + " needs OpenGL, using vertex alpha");
        return;
    }
    // A screen change rebuilds the managers, not the driver: register once.
    s32 id = findMaterial(driver, kVertexAndTextureColor);
    if (id < 0) {
        auto* renderer = new VertexAndTextureColorRenderer;
        id = driver->addMaterialRenderer(renderer, kVertexAndTextureColor);
        renderer->drop();
    }
    if (id >= 0) vertexAndTextureColor = static_cast<video::E_MATERIAL_TYPE>(id);
}

void MaterialManager::configure(Drawer2D& drawer) const {
    drawer.setMaterialType(getAlpha2DMaterial());
    drawer.setFadingTextureMaterial(vertexAndTextureColor);
}
