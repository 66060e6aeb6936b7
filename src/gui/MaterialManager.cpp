#include "gui/MaterialManager.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>


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

const char* const kTextureBlit = "TextureBlit";
const char* const kOpaqueTextureBlit = "TextureBlitOpaque";

// The fragment shader only reads the texture: anything more (a tint, a
// projective lookup) takes the renderer off its copying path. The vertex
// shader applies the texture matrix, through which the engine turns
// pictures drawn into a render target the right way up.
const char* const kBlitVertexShader =
    "#version 120\n"
    "void main() {\n"
    "  gl_TexCoord[0] = gl_TextureMatrix[0] * gl_MultiTexCoord0;\n"
    "  gl_Position = ftransform();\n"
    "}\n";
const char* const kBlitFragmentShader =
    "#version 120\n"
    "uniform sampler2D picture;\n"
    "void main() { gl_FragColor = texture2D(picture, gl_TexCoord[0].st); }\n";

GLuint compileShader(GLenum type, const char* source) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE) return shader;
    char log[512] = {};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    logMessage(std::string("texture blit shader does not compile: ") + log);
    glDeleteShader(shader);
    return 0;
}

// The linked program, 0 when the driver refuses it.
GLuint linkBlitProgram() {
    const GLuint vertex = compileShader(GL_VERTEX_SHADER, kBlitVertexShader);
    const GLuint fragment = compileShader(GL_FRAGMENT_SHADER, kBlitFragmentShader);
    GLuint program = 0;
    if (vertex && fragment) {
        program = glCreateProgram();
        glAttachShader(program, vertex);
        glAttachShader(program, fragment);
        glLinkProgram(program);
        GLint linked = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        if (linked != GL_TRUE) {
            logMessage("texture blit shader does not link");
            glDeleteProgram(program);
            program = 0;
        }
    }
    // The program keeps what it needs of them.
    if (vertex) glDeleteShader(vertex);
    if (fragment) glDeleteShader(fragment);
    return program;
}

class TextureBlitRenderer : public video::IMaterialRenderer {
public:
    TextureBlitRenderer(GLuint program, bool blended) : program(program), blended(blended) {}
    void OnSetMaterial(const video::SMaterial& material, const video::SMaterial& lastMaterial,
                       bool resetAllRenderstates, video::IMaterialRendererServices* services) override {
        services->setBasicRenderStates(material, lastMaterial, resetAllRenderstates);
        glUseProgram(program);
        if (blended) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        } else {
            glDisable(GL_BLEND);
        }
    }
    void OnUnsetMaterial() override {
        glUseProgram(0);
        glDisable(GL_BLEND);
    }
    bool isTransparent() const override { return blended; }

private:
    GLuint program;
    bool blended;
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
    registerTextureBlits(driver);
}

void MaterialManager::registerTextureBlits(video::IVideoDriver* driver) {
    textureBlit = findMaterial(driver, kTextureBlit);
    opaqueTextureBlit = findMaterial(driver, kOpaqueTextureBlit);
    if (textureBlit >= 0 && opaqueTextureBlit >= 0) return;
    if (!driver->queryFeature(video::EVDF_ARB_GLSL)) {
        logMessage("the OpenGL driver has no shaders: textures are drawn through the fixed-function path");
        return;
    }
    const GLuint program = linkBlitProgram();
    if (!program) return;
    for (const bool blended : {true, false}) {
        auto* renderer = new TextureBlitRenderer(program, blended);
        const s32 id = driver->addMaterialRenderer(renderer, blended ? kTextureBlit : kOpaqueTextureBlit);
        renderer->drop();
        (blended ? textureBlit : opaqueTextureBlit) = id;
    }
}

void MaterialManager::configure(Drawer2D& drawer) const {
    drawer.setMaterialType(getAlpha2DMaterial());
    drawer.setFadingTextureMaterial(vertexAndTextureColor);
    drawer.setTextureBlitMaterials(textureBlit, opaqueTextureBlit);
}
