#include "panels/instruments/Compass.h"

#include "app/ICommonAppContext.h"
#include "gui/Drawer2D.h"
#include "panels/instruments/InstrumentMath.h"
#include "sensors/GPS_Data.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorManager.h"

using namespace irr;

Compass::Compass(const InstrumentContext& context) : InstrumentPanel(context, "Compass") {}

void Compass::render(core::rect<int> area) {
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
    // The card (with the bezel) turns the other way round: the heading
    // comes to the top.
    drawTurned(texture("comp_bg.png"), dial, -direction);
    const double desired = context.sensors->getDesiredTrack();
    if (live && desired >= 0) drawTurned(texture("comp_bug.png"), dial, desired - direction);
    drawTurned(texture("comp_plane.png"), dial, 0);
    const int h = dial.getHeight() / 10;
    const core::vector2di c = dial.getCenter();
    drawTextSized(showTrack ? L"TRK" : L"HDG", core::rect<int>(c.X - h * 2, c.Y + h * 2, c.X + h * 2, c.Y + h * 3),
             video::SColor(255, 255, 176, 0));
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
