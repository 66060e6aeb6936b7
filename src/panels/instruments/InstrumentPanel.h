#pragma once
#include <irrlicht.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "panels/IPanel.h"
#include "gui/logic/Shapes.h"
#include "panels/IPanelFactory.h"

class ICommonAppContext;
class PanelManager;
class SensorManager;
namespace units {
class UnitConverter;
}

// What an instrument reads and draws with.
struct InstrumentContext {
    ICommonAppContext* app = nullptr;
    SensorManager* sensors = nullptr;
    const units::UnitConverter* units = nullptr;
    PanelManager* panels = nullptr;
    // True while the pilot has chosen the night style.
    std::function<bool()> night;
    // A scalable font of about that pixel height; null falls back to the
    // skin's font.
    std::function<irr::gui::IGUIFont*(int pixelHeight)> font;
    // Seconds of a monotonic clock; the process clock when empty.
    std::function<double()> clock;
    // The colour page panels are drawn over (the window's background), so
    // that a dial can bring it along in its corners and be drawn opaque;
    // empty where that is not known. A panel of a page owns its rectangle:
    // nothing else shows in the corners of its dials.
    std::function<irr::video::SColor()> background;
    // Shows a text in a message box (sensor details and the like).
    std::function<void(const std::wstring& title, const std::wstring& text)> showMessageBox;
};

// The common ground of the round gauges: textures from media/, the square
// dial inside the panel, rotation of needles and cards, the day and night
// tints, and the flag shown when the instrument has no live data.
class InstrumentPanel : public IPanel {
public:
    bool processEvent(irr::SEvent /*event*/) override { return true; }
    // Over whatever the preview's or overlay's owner drew: no background is
    // assumed.
    void renderPreview(irr::core::rect<int> area) override { renderOverOthers(area); }
    void renderOverlay(irr::core::rect<int> area) override { renderOverOthers(area); }
    bool renderUnderneath(const irr::core::rect<int>& area) override;
    std::string getName() override { return name; }

    // Samples older than this are not shown (seconds).
    static constexpr double kSampleTimeout = 3.0;

protected:
    InstrumentPanel(const InstrumentContext& context, std::string name);

    // The instrument's dial: what does not move, drawn upright and opaque
    // (see drawDial and DialLayer); false when it has none. Called from
    // renderUnderneath, or from render() through drawUnderneathUnlessDrawn.
    virtual bool drawUnderneath(const irr::core::rect<int>& /*area*/) { return false; }
    // First in render(): the dial, unless the page drew it ahead in this
    // frame (previews, overlays and single panels draw it here).
    void drawUnderneathUnlessDrawn(const irr::core::rect<int>& area);

    // media/<file>; null when missing (nothing is drawn in its place).
    irr::video::ITexture* texture(const char* file) const;
    // The texture over the square, turned clockwise by `degrees` about its
    // middle.
    void drawTurned(irr::video::ITexture* texture, const irr::core::rect<int>& square, double degrees) const;
    // The part of the texture (fractions of its size) where the whole would
    // lie over the square, upright.
    void drawPart(irr::video::ITexture* texture, const irr::core::rect<int>& square, const shapes::Rect& part) const;
    // The texture as drawn over the square, from a copy of the square's size
    // (see Drawer2D::atSize).
    irr::video::ITexture* atSize(irr::video::ITexture* texture, const irr::core::rect<int>& square) const;
    // A dial's upright picture over the square: opaque over the page's
    // background where that is known, else as drawTurned draws it.
    void drawDial(irr::video::ITexture* texture, const irr::core::rect<int>& square) const;
    // The page's background under a dial drawn now; transparent when not
    // known (previews, overlays, pictures being painted).
    irr::video::SColor backgroundUnder() const;
    // A red cross over the dial and an "OFF" flag, as a failed instrument shows.
    void drawUnavailable(const irr::core::rect<int>& square) const;
    // Text centred in the box, in a font sized to its height (smaller when
    // it would be wider than the box).
    void drawTextSized(const std::wstring& text, const irr::core::rect<int>& box, irr::video::SColor colour) const;

    // Scales drawn by code on a dial; angles clockwise from the top, radii as
    // fractions of the dial's radius.
    void drawTick(const irr::core::rect<int>& dial, double degrees, double r0, double r1, double width,
                  irr::video::SColor colour) const;
    void drawLabel(const irr::core::rect<int>& dial, double degrees, double r, const std::wstring& text,
                   irr::video::SColor colour) const;
    // A coloured band between two angles (from < to, clockwise).
    void drawBand(const irr::core::rect<int>& dial, double from, double to, double r, double width,
                  irr::video::SColor colour) const;
    // What does not move on a dial (its back, arcs, ticks and numbers),
    // painted once into a picture of the dial's size and drawn from there
    // until the dial's size or the key changes: a scale painted tick by tick
    // costs a software renderer a draw call per tick in every frame.
    class DialLayer {
    public:
        DialLayer() = default;
        DialLayer(const DialLayer&) = delete;
        DialLayer& operator=(const DialLayer&) = delete;
        ~DialLayer();

    private:
        friend class InstrumentPanel;
        irr::video::IVideoDriver* driver = nullptr;
        irr::video::ITexture* texture = nullptr;
        irr::core::dimension2d<irr::u32> size;
        uint64_t key = 0;
        // The opaque background it was painted over, or transparent.
        irr::u32 under = 0;
    };
    enum LayerState { LAYER_READY, LAYER_TO_PAINT, NO_LAYER };
    // Draws the layer over the dial, calling paint(the dial at the
    // picture's origin) first when it must be painted anew. The key must
    // change with everything paint depends on besides the size; the night
    // style is part of it already.
    template <class Paint>
    void drawLayer(DialLayer& layer, const irr::core::rect<int>& dial, uint64_t key, Paint&& paint) const {
        switch (beginLayer(layer, dial, key)) {
        case LAYER_READY:
            break;
        case LAYER_TO_PAINT:
            paint(irr::core::rect<int>(0, 0, dial.getWidth(), dial.getHeight()));
            endLayer();
            break;
        case NO_LAYER:  // a driver without pictures: paint every frame
            paint(dial);
            return;
        }
        showLayer(layer, dial);
    }

    // White by day; dimmed at night so the panel does not dazzle.
    irr::video::SColor tint() const;
    bool isNight() const;
    double now() const;

    InstrumentContext context;
    std::string name;

private:
    irr::video::ITexture* loadTexture(const char* file) const;
    void renderOverOthers(irr::core::rect<int> area);
    // LAYER_TO_PAINT: the layer's picture is the target until endLayer().
    LayerState beginLayer(DialLayer& layer, const irr::core::rect<int>& dial, uint64_t key) const;
    void endLayer() const;
    void showLayer(const DialLayer& layer, const irr::core::rect<int>& dial) const;
    // While a layer is painted: the clip it replaced.
    bool underneathDrawn = false;
    mutable bool clipWasSet = false;
    mutable bool paintingLayer = false;
    bool overOthers = false;
    mutable irr::core::rect<irr::s32> savedClip;
    // Looked up once per file: the lookup builds paths, which a frame
    // should not pay for. Keyed by the literal's address.
    mutable std::vector<std::pair<const char*, irr::video::ITexture*>> textures;
};

// What every instrument factory shares: its context, its kind's name, and
// the preview of an existing panel.
class AInstrumentFactory : public IPanelFactory {
public:
    AInstrumentFactory(const InstrumentContext& context, std::string name) : context(context), name(std::move(name)) {}
    std::string getName() override { return name; }
    using IPanelFactory::renderPreview;
    void renderPreview(irr::core::rect<int> area, IPanel* panel) override {
        if (panel) panel->renderPreview(area);
        else renderPreview(area);
    }

protected:
    InstrumentContext context;
    std::string name;
};

// A factory for an instrument without settings of its own.
template <class Panel>
class InstrumentFactory : public AInstrumentFactory {
public:
    using AInstrumentFactory::AInstrumentFactory;
    void loadSetupFromIni(IniFile* /*ini*/, std::string /*section*/) override {}
    void setup(IniFile* /*ini*/, std::string /*section*/) override {}
    IPanel* Create() override { return new Panel(context); }
    using AInstrumentFactory::renderPreview;
    void renderPreview(irr::core::rect<int> area) override {
        Panel preview(context);
        preview.renderPreview(area);
    }
};
