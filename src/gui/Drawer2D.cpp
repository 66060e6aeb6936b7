#include "gui/Drawer2D.h"

#include <GL/gl.h>

#include <cmath>

#include <algorithm>

using namespace irr;

namespace {
bool staticsReady = false;

shapes::Vertex toVertex(const core::vector2df& p) {
    shapes::Vertex v;
    v.x = p.X;
    v.y = p.Y;
    return v;
}

std::vector<shapes::Vertex> toVertices(const Drawer2D::Points& points) {
    std::vector<shapes::Vertex> out;
    out.reserve(points.size());
    for (const core::vector2df& p : points) out.push_back(toVertex(p));
    return out;
}

shapes::Rect toRect(const core::rect<s32>& r) {
    return shapes::Rect{double(r.UpperLeftCorner.X), double(r.UpperLeftCorner.Y), double(r.LowerRightCorner.X),
                        double(r.LowerRightCorner.Y)};
}
}  // namespace

Drawer2D::Drawer2D(IrrlichtDevice* dev) : device(dev), driver(dev->getVideoDriver()) {
    shapeMaterial.Lighting = false;
    shapeMaterial.ZBuffer = video::ECFN_NEVER;
    shapeMaterial.ZWriteEnable = false;
    shapeMaterial.BackfaceCulling = false;
    // The driver keeps a copy of the last material and creates a texture
    // matrix for every layer that has none, on every call. A material that
    // brings its own matrices is copied into the driver's without that.
    for (u32 i = 0; i < video::MATERIAL_MAX_TEXTURES; ++i) shapeMaterial.getTextureMatrix(i);
    // The same for the engine's own 2D material, which it copies in as the
    // last material whenever 2D drawing follows a material of ours; the
    // override is the engine's default 2D material otherwise.
    video::SMaterial& material2D = driver->getMaterial2D();
    for (u32 i = 0; i < video::MATERIAL_MAX_TEXTURES; ++i) material2D.getTextureMatrix(i);
    driver->enableMaterial2D(true);
    blitMaterial = shapeMaterial;
    blitMaterial.UseMipMaps = false;
    blitMaterial.TextureLayer[0].BilinearFilter = false;
    blitMaterial.TextureLayer[0].TrilinearFilter = false;
    blitMaterial.TextureLayer[0].TextureWrapU = video::ETC_CLAMP_TO_EDGE;
    blitMaterial.TextureLayer[0].TextureWrapV = video::ETC_CLAMP_TO_EDGE;
}

void Drawer2D::separatePass() {
    if (driver->getDriverType() == video::EDT_OPENGL) glFlush();
}

void Drawer2D::setTextureBlitMaterials(s32 blended, s32 opaque) {
    textureBlit = blended;
    opaqueTextureBlit = opaque;
}

void Drawer2D::initStaticVars() { staticsReady = true; }

void Drawer2D::fillRectangle(const core::rect<s32>& area, video::SColor colour) {
    driver->draw2DRectangle(colour, area, hasClip ? &currentClip : nullptr);
}

void Drawer2D::drawTextCentred(gui::IGUIFont* font, const std::wstring& text, const core::rect<s32>& area,
                               video::SColor colour) {
    if (!font) font = device->getGUIEnvironment()->getBuiltInFont();
    if (font) font->draw(text.c_str(), area, colour, true, true, hasClip ? &currentClip : nullptr);
}

core::rect<s32> Drawer2D::getViewport() const { return driver->getViewPort(); }

void Drawer2D::setClipRect(const core::rect<s32>* clip) {
    hasClip = clip != nullptr;
    if (clip) currentClip = *clip;
}

void Drawer2D::draw(video::ITexture* texture, const core::vector2df& position, const core::vector2df& size,
                    f32 rotation, const core::vector2df& centre, video::SColor colour, const core::rect<s32>* clip) {
    drawPart(texture, position, size, rotation, centre, shapes::Rect{0, 0, 1, 1}, colour, clip);
}

void Drawer2D::drawVisiblePart(video::ITexture* texture, const core::vector2df& position, const core::vector2df& size,
                               f32 rotation, const core::vector2df& centre, video::SColor colour,
                               video::ITexture* drawnFrom) {
    if (!texture) return;
    const shapes::Rect& part = visiblePartOf(texture);
    if (!part.isEmpty())
        drawPart(drawnFrom ? drawnFrom : texture, position, size, rotation, centre, part, colour, nullptr);
}

video::ITexture* Drawer2D::atSize(video::ITexture* texture, u32 width, u32 height, video::SColor under,
                                  video::SColor tint) {
    const core::dimension2d<u32> size(width, height);
    const bool opaque = under.getAlpha() == 255;
    if (!opaque) under = tint = video::SColor(0, 0, 0, 0);
    if (!texture || width == 0 || height == 0 || (texture->getSize() == size && !opaque)) return texture;
    const io::path& name = texture->getName().getPath();
    for (const SizedCopy& c : sizedCopies)
        if (c.source == texture && c.size == size && c.under == under.color && c.tint == tint.color && c.name == name)
            return c.copy;
    if (!driver->queryFeature(video::EVDF_RENDER_TO_TARGET)) return texture;
    constexpr size_t kMostCopies = 48;
    if (sizedCopies.size() >= kMostCopies) {
        for (const SizedCopy& c : sizedCopies) driver->removeTexture(c.copy);
        sizedCopies.clear();
    }
    video::ITexture* copy = driver->addRenderTargetTexture(size, "sized copy", video::ECF_A8R8G8B8);
    if (!copy) return texture;
    const bool clipWasSet = hasClip;
    hasClip = false;
    driver->setRenderTarget(copy, true, true, under);
    const core::vector2df origin(0, 0), extent{f32(width), f32(height)};
    // Over a colour: blended onto it. Otherwise the texels, alpha included,
    // as they are.
    if (opaque) draw(texture, origin, extent, 0, core::vector2df(0.5f, 0.5f), tint);
    else drawOpaque(texture, origin, extent, 0, core::vector2df(0.5f, 0.5f));
    driver->setRenderTarget(nullptr, false, false);
    hasClip = clipWasSet;
    sizedCopies.push_back(SizedCopy{texture, name, size, under.color, tint.color, copy});
    return copy;
}

void Drawer2D::drawWithin(video::ITexture* texture, const core::vector2df& position, const core::vector2df& size,
                          f32 rotation, const core::vector2df& centre, const shapes::Triangles& where,
                          video::SColor colour, bool opaque) {
    if (!texture || where.empty()) return;
    scratch.assign(where.begin(), where.end());
    shapes::mapTextureOnto(scratch, position.X, position.Y, size.X, size.Y, rotation, centre.X, centre.Y);
    opaqueTexture = opaque;
    drawTriangles(scratch, colour, texture, nullptr);
    opaqueTexture = false;
}

const shapes::Rect& Drawer2D::visiblePartOf(video::ITexture* texture) {
    // By the texture, checked against its name: a texture removed to free
    // memory may leave its address to another one.
    const io::path& name = texture->getName().getPath();
    auto found = visibleParts.find(texture);
    if (found != visibleParts.end() && found->second.name == name) return found->second.part;
    shapes::Rect part{0, 0, 1, 1};
    if (texture->getColorFormat() == video::ECF_A8R8G8B8) {
        if (const void* pixels = texture->lock(video::ETLM_READ_ONLY)) {
            const core::dimension2d<u32> size = texture->getSize();
            part = shapes::visiblePart(static_cast<const uint8_t*>(pixels), int(size.Width), int(size.Height),
                                       int(texture->getPitch()));
            texture->unlock();
        }
    }
    VisiblePart& entry = visibleParts[texture];
    entry = VisiblePart{name, part};
    return entry.part;
}

void Drawer2D::drawPart(video::ITexture* texture, const core::vector2df& position, const core::vector2df& size,
                        f32 rotation, const core::vector2df& centre, const shapes::Rect& part, video::SColor colour,
                        const core::rect<s32>* clip) {
    drawParts(texture, position, size, rotation, centre, &part, 1, colour, clip);
}

void Drawer2D::drawParts(video::ITexture* texture, const core::vector2df& position, const core::vector2df& size,
                         f32 rotation, const core::vector2df& centre, const shapes::Rect* parts, size_t count,
                         video::SColor colour, const core::rect<s32>* clip) {
    if (!texture) return;
    // Needles and cards are drawn every frame: build the quads in the reused
    // buffer rather than in fresh vectors.
    const double cx = position.X + size.X * centre.X, cy = position.Y + size.Y * centre.Y;
    scratch.clear();
    for (size_t p = 0; p < count; ++p) {
        const shapes::Rect& part = parts[p];
        shapes::Vertex corners[4];
        const double us[4] = {part.left, part.right, part.right, part.left};
        const double vs[4] = {part.top, part.top, part.bottom, part.bottom};
        for (int i = 0; i < 4; ++i) {
            shapes::Vertex v;
            v.x = position.X + us[i] * size.X, v.y = position.Y + vs[i] * size.Y, v.u = us[i], v.v = vs[i];
            corners[i] = shapes::rotateAbout(v, cx, cy, rotation);
        }
        shapes::appendQuad(scratch, corners[0], corners[1], corners[2], corners[3]);
    }
    drawTriangles(scratch, colour, texture, clip);
}

void Drawer2D::drawOpaque(video::ITexture* texture, const core::vector2df& position, const core::vector2df& size,
                          f32 rotation, const core::vector2df& centre, const core::rect<s32>* clip) {
    opaqueTexture = true;
    draw(texture, position, size, rotation, centre, video::SColor(255, 255, 255, 255), clip);
    opaqueTexture = false;
}

void Drawer2D::drawRectangleOutline(const core::rect<s32>& area, f32 width, video::SColor colour,
                                    const core::rect<s32>* clip) {
    const f32 inset = width / 2;
    const f32 left = f32(area.UpperLeftCorner.X) + inset, top = f32(area.UpperLeftCorner.Y) + inset;
    const f32 right = f32(area.LowerRightCorner.X) - inset, bottom = f32(area.LowerRightCorner.Y) - inset;
    drawPolyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, width, colour, true, clip);
}

void Drawer2D::drawLine(const core::vector2df& from, const core::vector2df& to, f32 width, video::SColor colour,
                        const core::rect<s32>* clip) {
    // A single segment is a rectangle along it; ticks and needles draw many.
    const double dx = to.X - from.X, dy = to.Y - from.Y, length = std::hypot(dx, dy);
    if (length <= 0 || width <= 0) return;
    const double nx = -dy / length * width / 2, ny = dx / length * width / 2;
    auto corner = [](double x, double y) {
        shapes::Vertex v;
        v.x = x, v.y = y;
        return v;
    };
    scratch.clear();
    shapes::appendQuad(scratch, corner(from.X + nx, from.Y + ny), corner(to.X + nx, to.Y + ny),
                       corner(to.X - nx, to.Y - ny), corner(from.X - nx, from.Y - ny));
    drawTriangles(scratch, colour, nullptr, clip);
}

void Drawer2D::drawPolyline(const Points& points, f32 width, video::SColor colour, bool closed,
                            const core::rect<s32>* clip) {
    drawTriangles(shapes::thickPolyline(toVertices(points), width, closed), colour, nullptr, clip);
}

void Drawer2D::fillPolygon(const Points& points, video::SColor colour, const core::rect<s32>* clip) {
    drawTriangles(shapes::triangulatePolygon(toVertices(points)), colour, nullptr, clip);
}

void Drawer2D::drawArc(const core::vector2df& centre, f32 radius, f32 width, f32 startDegrees, f32 endDegrees,
                       video::SColor colour, const core::rect<s32>* clip) {
    shapes::thickArc(centre.X, centre.Y, radius, width, startDegrees, endDegrees, scratch);
    drawTriangles(scratch, colour, nullptr, clip);
}

void Drawer2D::drawCircle(const core::vector2df& centre, f32 radius, f32 width, video::SColor colour,
                          const core::rect<s32>* clip) {
    drawArc(centre, radius, width, 0, 360, colour, clip);
}

void Drawer2D::fillCircle(const core::vector2df& centre, f32 radius, video::SColor colour,
                          const core::rect<s32>* clip) {
    shapes::filledCircle(centre.X, centre.Y, radius, scratch);
    drawTriangles(scratch, colour, nullptr, clip);
}

void Drawer2D::drawTriangles(const shapes::Triangles& input, video::SColor colour, video::ITexture* texture,
                             const core::rect<s32>* clip) {
    if (input.empty()) return;
    const shapes::Triangles* triangles = &input;
    if (hasClip || clip) {
        shapes::Rect area = hasClip ? toRect(currentClip) : toRect(*clip);
        if (hasClip && clip) area = shapes::intersect(area, toRect(*clip));
        // Most shapes lie inside their clip; only the others are cut.
        if (!shapes::contains(area, shapes::bounds(input))) {
            shapes::clipTriangles(input, area, clipped);
            triangles = &clipped;
        }
    }
    const bool in3D = chooseMaterial(colour, texture);
    // 16-bit indices: hand the triangles over in batches that fit.
    constexpr size_t kBatch = 65535 / 3 * 3;
    for (size_t start = 0; start < triangles->size(); start += kBatch) {
        const size_t count = std::min(kBatch, triangles->size() - start);
        vertices.clear();
        indices.clear();
        for (size_t i = 0; i < count; ++i) {
            const shapes::Vertex& v = (*triangles)[start + i];
            vertices.emplace_back(f32(v.x), f32(v.y), 0.f, 0.f, 0.f, -1.f, colour, f32(v.u), f32(v.v));
        }
        // The engine's 2D mode culls triangles by their winding; shapes come
        // in either, so each is turned to the one it draws.
        for (size_t i = 0; i + 2 < vertices.size(); i += 3) {
            const core::vector3df& a = vertices[i].Pos;
            const core::vector3df& b = vertices[i + 1].Pos;
            const core::vector3df& c = vertices[i + 2].Pos;
            const bool flipped = (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X) < 0;
            indices.push_back(static_cast<u16>(i));
            indices.push_back(static_cast<u16>(flipped ? i + 2 : i + 1));
            indices.push_back(static_cast<u16>(flipped ? i + 1 : i + 2));
        }
        if (in3D) drawTrianglesIn3D(static_cast<u32>(count / 3));
        else
            driver->draw2DVertexPrimitiveList(vertices.data(), static_cast<u32>(vertices.size()), indices.data(),
                                              static_cast<u32>(count / 3), video::EVT_STANDARD, scene::EPT_TRIANGLES,
                                              video::EIT_16BIT);
    }
}

bool Drawer2D::chooseMaterial(video::SColor colour, video::ITexture* texture) {
    // The texture as it is: no tint to multiply by.
    const s32 blit = opaqueTexture ? opaqueTextureBlit : textureBlit;
    if (texture && colour.color == 0xFFFFFFFF && blit >= 0) {
        blitMaterial.MaterialType = static_cast<video::E_MATERIAL_TYPE>(blit);
        blitMaterial.setTexture(0, texture);
        driver->setMaterial(blitMaterial);
        return true;
    }
    // A texture brings its own transparency; plain shapes carry it in the
    // vertex colour.
    const bool fading =
        texture && colour.getAlpha() < 255 && fadingTextureMaterial != video::EMT_TRANSPARENT_ALPHA_CHANNEL;
    // An opaque colour needs no blending, which costs a software renderer
    // a read of every pixel beneath.
    const bool solidColour =
        !texture && colour.getAlpha() == 255 && materialType == video::EMT_TRANSPARENT_VERTEX_ALPHA;
    shapeMaterial.MaterialType = fading                         ? fadingTextureMaterial
                                 : opaqueTexture || solidColour ? video::EMT_SOLID
                                 : texture                      ? video::EMT_TRANSPARENT_ALPHA_CHANNEL
                                                                : materialType;
    shapeMaterial.setTexture(0, texture);
    driver->setMaterial(shapeMaterial);
    return fading;
}

void Drawer2D::drawTrianglesIn3D(u32 primitiveCount) {
    const core::dimension2d<u32> size = driver->getCurrentRenderTargetSize();
    // Pixels (x right, y down) to the unit cube.
    core::matrix4 pixels(core::matrix4::EM4CONST_IDENTITY);
    pixels[0] = 2.0f / size.Width;
    pixels[5] = -2.0f / size.Height;
    pixels[12] = -1.0f;
    pixels[13] = 1.0f;
    // Set only when they differ, and left set: every change makes the driver
    // redo its state, and the shaders and upright pictures drawn here come
    // one after the other. The engine's own 2D drawing brings its matrices
    // along, and nothing else in the program draws in 3D.
    if (driver->getTransform(video::ETS_PROJECTION) != pixels) driver->setTransform(video::ETS_PROJECTION, pixels);
    if (!driver->getTransform(video::ETS_VIEW).isIdentity())
        driver->setTransform(video::ETS_VIEW, core::IdentityMatrix);
    if (!driver->getTransform(video::ETS_WORLD).isIdentity())
        driver->setTransform(video::ETS_WORLD, core::IdentityMatrix);
    driver->drawVertexPrimitiveList(vertices.data(), static_cast<u32>(vertices.size()), indices.data(), primitiveCount,
                                    video::EVT_STANDARD, scene::EPT_TRIANGLES, video::EIT_16BIT);
}
