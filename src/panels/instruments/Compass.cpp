#include "panels/instruments/Compass.h"

#include "app/ICommonAppContext.h"
#include "gui/Drawer2D.h"
#include "panels/instruments/InstrumentMath.h"
#include "sensors/GPS_Data.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
// The ring of the card (comp_bg) that holds its ticks, letters and numbers,
// as fractions of the radius. Inside it the card is plain black, and out to
// kBezelEdge the card's rim and the bezel are lit the same from every side:
// those look the same at any heading, so the turned ring's corners may reach
// into them.
constexpr double kMarkingsInner = 140.0 / 256, kMarkingsOuter = 237.0 / 256, kBezelEdge = 248.0 / 256;
// In comp_plane, fractions of its side: the aircraft in the middle, which
// stays inside the markings' ring, and the lubber line at the top, over it.
const shapes::Rect kAircraft{172.0 / 512, 172.0 / 512, 340.0 / 512, 332.0 / 512};
const shapes::Rect kLubberLine{242.0 / 512, 4.0 / 512, 270.0 / 512, 28.0 / 512};
}  // namespace

Compass::Compass(const InstrumentContext& context) : InstrumentPanel(context, "Compass") {}

bool Compass::drawUnderneath(const core::rect<int>& area) {
    // The card at north with the aircraft and the source's name: what the
    // turned markings leave uncovered.
    drawLayer(face, makeQuadratic(area), showTrack ? 1 : 0, [this](const core::rect<int>& d) {
        drawTurned(texture("comp_bg.png"), d, 0);
        drawPart(texture("comp_plane.png"), d, kAircraft);
        const int h = d.getHeight() / 10;
        const core::vector2di c = d.getCenter();
        drawTextSized(showTrack ? L"TRK" : L"HDG",
                      core::rect<int>(c.X - h * 2, c.Y + h * 3 / 2, c.X + h * 2, c.Y + h * 5 / 2),
                      video::SColor(255, 255, 176, 0));
    });
    return true;
}

void Compass::render(core::rect<int> area) {
    drawUnderneathUnlessDrawn(area);
    dial = makeQuadratic(area);
    const double t = now();
    double direction = 0;
    bool live = false;
    if (showTrack) {
        auto* g = static_cast<GPS_Data*>(gps.poll(context.sensors->getDefaultSensor(ISensorData::GPS), t));
        live = g && g->groundTrack >= 0;
        if (live) direction = g->groundTrack;
    } else {
        auto* h = static_cast<Heading_Data*>(heading.poll(context.sensors->getDefaultSensor(ISensorData::HEADING), t));
        live = h != nullptr;
        if (live) direction = h->heading;
    }
    // Only the card's markings are drawn turned (the other way round: the
    // heading comes to the top), over the card drawn at north; they lie on
    // the card's black, so they need no blending.
    if (video::ITexture* card = texture("comp_bg.png")) {
        const f32 side = f32(dial.getWidth());
        const core::vector2df corner(f32(dial.UpperLeftCorner.X), f32(dial.UpperLeftCorner.Y));
        const double radius = side / 2;
        shapes::polygonRing(corner.X + radius, corner.Y + radius, radius * kMarkingsInner, radius * kMarkingsOuter,
                            shapes::cornersAround(radius * kMarkingsOuter, radius * (kBezelEdge - kMarkingsOuter)),
                            markings);
        context.app->getDrawer()->drawWithin(atSize(card, dial), corner, core::vector2df(side, side), f32(direction),
                                             core::vector2df(0.5f, 0.5f), markings, tint(), true);
    }
    const double desired = context.sensors->getDesiredTrack();
    if (live && desired >= 0) drawTurned(texture("comp_bug.png"), dial, desired - direction);
    drawPart(texture("comp_plane.png"), dial, kLubberLine);
    if (!live) drawUnavailable(dial);
}

bool Compass::processEvent(SEvent event) {
    if (event.EventType == EET_MOUSE_INPUT_EVENT && event.MouseInput.Event == EMIE_LMOUSE_LEFT_UP &&
        dial.isPointInside(core::position2d<int>(event.MouseInput.X, event.MouseInput.Y))) {
        showTrack = !showTrack;
        return false;
    }
    return true;
}
