#include "panels/instruments/InstrumentPanel.h"

#include "app/ICommonAppContext.h"
#include <algorithm>
#include <cmath>

#include "base/Time.h"
#include "gui/Drawer2D.h"

using namespace irr;

InstrumentPanel::InstrumentPanel(const InstrumentContext& context, std::string name)
    : context(context), name(std::move(name)) {}

video::ITexture* InstrumentPanel::texture(const char* file) const {
    for (const auto& known : textures)
        if (known.first == file) return known.second;
    video::ITexture* found = loadTexture(file);
    textures.emplace_back(file, found);
    return found;
}

video::ITexture* InstrumentPanel::loadTexture(const char* file) const {
    const std::string path = context.app->getPath(std::string("media/") + file);
    video::IVideoDriver* driver = context.app->getIrrlichtDevice()->getVideoDriver();
    if (video::ITexture* t = driver->findTexture(path.c_str())) return t;
    if (!context.app->getIrrlichtDevice()->getFileSystem()->existFile(path.c_str())) return nullptr;
    return driver->getTexture(path.c_str());
}

void InstrumentPanel::drawTurned(video::ITexture* t, const core::rect<int>& square, double degrees) const {
    if (!t) return;
    Drawer2D* drawer = context.app->getDrawer();
    drawer->drawVisiblePart(
        t, core::vector2df(static_cast<f32>(square.UpperLeftCorner.X), static_cast<f32>(square.UpperLeftCorner.Y)),
        core::vector2df(static_cast<f32>(square.getWidth()), static_cast<f32>(square.getHeight())),
        static_cast<f32>(-degrees), core::vector2df(0.5f, 0.5f), tint(), atSize(t, square));
}

void InstrumentPanel::drawPart(video::ITexture* t, const core::rect<int>& square, const shapes::Rect& part) const {
    if (!t) return;
    context.app->getDrawer()->drawPart(
        atSize(t, square), core::vector2df(f32(square.UpperLeftCorner.X), f32(square.UpperLeftCorner.Y)),
        core::vector2df(f32(square.getWidth()), f32(square.getHeight())), 0, core::vector2df(0.5f, 0.5f), part, tint());
}

video::ITexture* InstrumentPanel::atSize(video::ITexture* t, const core::rect<int>& square) const {
    // While a layer is painted its picture is the target: the copy would
    // have to be painted in the middle of it.
    if (paintingLayer || square.getWidth() <= 0 || square.getHeight() <= 0) return t;
    return context.app->getDrawer()->atSize(t, u32(square.getWidth()), u32(square.getHeight()));
}

bool InstrumentPanel::renderUnderneath(const core::rect<int>& area) {
    underneathDrawn = drawUnderneath(area);
    return underneathDrawn;
}

void InstrumentPanel::drawUnderneathUnlessDrawn(const core::rect<int>& area) {
    if (!underneathDrawn) drawUnderneath(area);
    underneathDrawn = false;
}

void InstrumentPanel::renderOverOthers(core::rect<int> area) {
    overOthers = true;
    render(area);
    overOthers = false;
}

video::SColor InstrumentPanel::backgroundUnder() const {
    if (overOthers || paintingLayer || !context.background) return video::SColor(0, 0, 0, 0);
    return context.background();
}

void InstrumentPanel::drawDial(video::ITexture* t, const core::rect<int>& square) const {
    const video::SColor under = backgroundUnder();
    if (t && under.getAlpha() == 255 && square.getWidth() > 0 && square.getHeight() > 0) {
        Drawer2D* drawer = context.app->getDrawer();
        video::ITexture* copy = drawer->atSize(t, u32(square.getWidth()), u32(square.getHeight()), under, tint());
        if (copy != t) {
            drawer->drawOpaque(copy, core::vector2df(f32(square.UpperLeftCorner.X), f32(square.UpperLeftCorner.Y)),
                               core::vector2df(f32(square.getWidth()), f32(square.getHeight())), 0,
                               core::vector2df(0.5f, 0.5f));
            return;
        }
    }
    drawTurned(t, square, 0);
}


InstrumentPanel::DialLayer::~DialLayer() {
    if (driver && texture) driver->removeTexture(texture);
}

InstrumentPanel::LayerState InstrumentPanel::beginLayer(DialLayer& layer, const core::rect<int>& dial,
                                                        uint64_t key) const {
    Drawer2D* drawer = context.app->getDrawer();
    video::IVideoDriver* driver = drawer->getDriver();
    const core::dimension2d<u32> size(std::max(1, dial.getWidth()), std::max(1, dial.getHeight()));
    key = key * 2 + (isNight() ? 1 : 0);
    const video::SColor under = backgroundUnder();
    const u32 opaqueUnder = under.getAlpha() == 255 ? under.color : 0;
    if (layer.texture && layer.size == size && layer.key == key && layer.under == opaqueUnder) return LAYER_READY;
    if (!driver->queryFeature(video::EVDF_RENDER_TO_TARGET)) return NO_LAYER;
    if (layer.texture && layer.size != size) driver->removeTexture(layer.texture), layer.texture = nullptr;
    if (!layer.texture) layer.texture = driver->addRenderTargetTexture(size, "dial-layer", video::ECF_A8R8G8B8);
    if (!layer.texture) return NO_LAYER;
    layer.driver = driver, layer.size = size, layer.key = key, layer.under = opaqueUnder;
    const core::rect<s32>* clip = drawer->getClipRect();
    clipWasSet = clip != nullptr;
    if (clip) savedClip = *clip;
    drawer->setClipRect(nullptr);
    // Painted over the page's background where it is known: the layer is
    // then an opaque picture, copied rather than blended every frame.
    driver->setRenderTarget(layer.texture, true, true, video::SColor(opaqueUnder));
    paintingLayer = true;
    return LAYER_TO_PAINT;
}

void InstrumentPanel::endLayer() const {
    Drawer2D* drawer = context.app->getDrawer();
    drawer->getDriver()->setRenderTarget(nullptr, false, false);
    paintingLayer = false;
    drawer->setClipRect(clipWasSet ? &savedClip : nullptr);
}

void InstrumentPanel::showLayer(const DialLayer& layer, const core::rect<int>& dial) const {
    // The picture holds the tint already.
    if (!layer.texture) return;
    const core::vector2df position(f32(dial.UpperLeftCorner.X), f32(dial.UpperLeftCorner.Y));
    const core::vector2df size(f32(dial.getWidth()), f32(dial.getHeight()));
    Drawer2D* drawer = context.app->getDrawer();
    if (layer.under) drawer->drawOpaque(layer.texture, position, size, 0, core::vector2df(0.5f, 0.5f));
    else drawer->draw(layer.texture, position, size, 0.0f);
}

void InstrumentPanel::drawUnavailable(const core::rect<int>& area) const {
    Drawer2D* d = context.app->getDrawer();
    const video::SColor red(230, 220, 30, 30);
    const int side = std::min(area.getWidth(), area.getHeight());
    const f32 inset = side * 0.22f;
    const f32 width = std::max(2.0f, side * 0.035f);
    const core::vector2df a(area.UpperLeftCorner.X + inset, area.UpperLeftCorner.Y + inset);
    const core::vector2df b(area.LowerRightCorner.X - inset, area.LowerRightCorner.Y - inset);
    d->drawLine(a, b, width, red);
    d->drawLine(core::vector2df(a.X, b.Y), core::vector2df(b.X, a.Y), width, red);
    const int w = std::max(side / 4, 24), h = std::max(side / 9, 12);
    const core::vector2di c = area.getCenter();
    const core::rect<int> flag(c.X - w / 2, c.Y - h / 2, c.X + w / 2, c.Y + h / 2);
    d->fillRectangle(flag, red);
    drawTextSized(L"OFF", flag, video::SColor(255, 255, 255, 255));
}

void InstrumentPanel::drawTextSized(const std::wstring& text, const core::rect<int>& box, video::SColor colour) const {
    int height = box.getHeight() * 3 / 4;
    gui::IGUIFont* font = context.font ? context.font(height) : nullptr;
    // A text wider than its box gets a smaller size that fits ("no route"
    // in a narrow segment), never one too small to read.
    if (font && box.getWidth() > 0) {
        const u32 width = font->getDimension(text.c_str()).Width;
        if (width > u32(box.getWidth())) {
            height = std::max(8, int(height * double(box.getWidth()) / width) - 3);
            if (gui::IGUIFont* smaller = context.font(height)) font = smaller;
        }
    }
    if (!font) font = context.app->getIrrlichtDevice()->getGUIEnvironment()->getSkin()->getFont();
    context.app->getDrawer()->drawTextCentred(font, text, box, colour);
}

namespace {
core::vector2df onDial(const core::rect<int>& dial, double degrees, double r) {
    const double radius = dial.getWidth() / 2.0 * r;
    const double a = degrees * 3.14159265358979323846 / 180.0;
    return core::vector2df(static_cast<f32>(dial.getCenter().X + radius * std::sin(a)),
                           static_cast<f32>(dial.getCenter().Y - radius * std::cos(a)));
}
}  // namespace

void InstrumentPanel::drawTick(const core::rect<int>& dial, double degrees, double r0, double r1, double width,
                               video::SColor colour) const {
    context.app->getDrawer()->drawLine(onDial(dial, degrees, r0), onDial(dial, degrees, r1),
                                       static_cast<f32>(width * dial.getWidth() / 512.0), colour);
}

void InstrumentPanel::drawLabel(const core::rect<int>& dial, double degrees, double r, const std::wstring& text,
                                video::SColor colour) const {
    // Scale numbers about a tenth of the dial high, as on panel instruments.
    const core::vector2df p = onDial(dial, degrees, r);
    const int halfWidth = dial.getWidth() / 10, halfHeight = dial.getWidth() / 15;
    drawTextSized(
        text, core::rect<int>(int(p.X) - halfWidth, int(p.Y) - halfHeight, int(p.X) + halfWidth, int(p.Y) + halfHeight),
        colour);
}

void InstrumentPanel::drawBand(const core::rect<int>& dial, double from, double to, double r, double width,
                               video::SColor colour) const {
    // The drawer counts counter-clockwise from three o'clock.
    context.app->getDrawer()->drawArc(
        core::vector2df(static_cast<f32>(dial.getCenter().X), static_cast<f32>(dial.getCenter().Y)),
        static_cast<f32>(dial.getWidth() / 2.0 * r), static_cast<f32>(width * dial.getWidth() / 512.0),
        static_cast<f32>(90.0 - to), static_cast<f32>(90.0 - from), colour);
}

bool InstrumentPanel::isNight() const { return context.night && context.night(); }

video::SColor InstrumentPanel::tint() const {
    return isNight() ? video::SColor(255, 190, 175, 160) : video::SColor(255, 255, 255, 255);
}

double InstrumentPanel::now() const { return context.clock ? context.clock() : getSecs(); }
