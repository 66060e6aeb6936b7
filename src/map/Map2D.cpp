#include "map/Map2D.h"

#include <algorithm>
#include <cmath>

#include "app/ICommonAppContext.h"
#include "base/IniFile.h"
#include "base/StringConversions.h"
#include "base/Time.h"
#include "base/UnitConverter.h"
#include "chart/elements/IChartElement.h"
#include "chart/files/IChart.h"
#include "gui/Drawer2D.h"
#include "map/ChartRenderers.h"
#include "map/IMapLayer.h"
#include "panels/PanelManager.h"
#include "sensors/GPS_Data.h"
#include "sensors/ISensor.h"
#include "sensors/MotionSensorData.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
// A frame spends at most this on the chart picture; the rest of the frame
// belongs to the instruments.
constexpr double kFrameBudget = 0.012;
// While the pilot zooms, the old picture is shown scaled; a new one is
// started once the zoom has rested this long.
constexpr double kZoomRest = 0.3;

bool validPosition(double longitude, double latitude) {
    return std::fabs(latitude) <= 90.0 && std::fabs(longitude) <= 180.0;
}
}  // namespace

Map2D::Map2D(const MapContext& context, const MapSettings& options)
    : context(context), options(options), picture(*this) {
    prepareRender();
    for (const auto& make : context.layers) layers.push_back(make(*this));
    std::stable_sort(layers.begin(), layers.end(),
                     [](const auto& a, const auto& b) { return a->getPriority() < b->getPriority(); });
    if (context.startPosition) own.position = context.startPosition();
}

Map2D::~Map2D() = default;

Drawer2D& Map2D::getDrawer() const { return *context.instruments.app->getDrawer(); }
const units::UnitConverter& Map2D::getUnits() const { return *context.instruments.units; }
bool Map2D::isNight() const { return context.instruments.night && context.instruments.night(); }
gui::IGUIFont* Map2D::getFont(int pixelHeight) const {
    return context.instruments.font ? context.instruments.font(pixelHeight) : nullptr;
}

void Map2D::OnPageChange() { OnHideGUI(); }

void Map2D::OnHideGUI() {
    view.resetToFollowing();
    gesture = Gesture();
}

bool Map2D::modifyZoom(double value, bool /*requestTerrain*/, bool multiply) {
    if (!view.modifyZoom(value, multiply)) return false;
    lastZoomChange = getSecs();
    return true;
}

void Map2D::readOwnState() {
    SensorManager* sensors = context.instruments.sensors;
    if (!sensors) return;
    own.live = false;
    // Samples of a source that has delivered nothing yet hold sentinels;
    // until it has, the map stays where it was.
    if (ISensor* s = sensors->isDataAvailable(ISensorData::GPS) ? sensors->getDefaultSensor(ISensorData::GPS) : nullptr) {
        const auto* gps = static_cast<const GPS_Data*>(s->getData(ISensorData::GPS));
        if (gps && validPosition(gps->longitude, gps->latitude) && !(gps->longitude == -1.0 && gps->latitude == -1.0)) {
            own.position = ChartPosition(gps->longitude, gps->latitude);
            own.live = true;
            if (gps->groundTrack >= 0) own.track = gps->groundTrack;
        }
    }
    if (!own.live) {
        if (ISensor* s = sensors->isDataAvailable(ISensorData::POSITION) ? sensors->getDefaultSensor(ISensorData::POSITION)
                                                                          : nullptr) {
            const auto* p = static_cast<const Position_Data*>(s->getData(ISensorData::POSITION));
            if (p && validPosition(p->longitude, p->latitude)) {
                own.position = ChartPosition(p->longitude, p->latitude);
                own.live = true;
            }
        }
    }
    if (ISensor* s = sensors->isDataAvailable(ISensorData::ALTITUDE) ? sensors->getDefaultSensor(ISensorData::ALTITUDE)
                                                                      : nullptr) {
        const auto* a = static_cast<const Altitude_Data*>(s->getData(ISensorData::ALTITUDE));
        own.altitudeFeet = a ? a->altitude / 0.3048 : 0.0;
    } else {
        own.altitudeFeet = 0.0;
    }
}

void Map2D::prepareRender() {
    if (context.renderers)
        for (const auto& renderer : context.renderers->all()) renderer->OnPreRender2D();
    facts.scale = viewport.scaleMeasure;
    facts.visibleAreaSquareMetres = viewport.visibleArea;
    facts.ownAltitudeFeet = own.altitudeFeet;
    facts.settings = options;
    PanelManager* panels = context.instruments.panels;
    facts.irrelevantAirspaceClasses = panels ? irrelevantStaticAirspaceClasses([panels](const std::string& name) {
        return panels->isIrrelevantAirspace(name);
    })
                                             : 0;
    filter = std::make_unique<StaticRenderFilter>(facts);
}

double Map2D::renderMargin() const {
    // Enough to turn the picture; north up, enough to follow the aircraft
    // for a while before the next picture.
    if (view.getMode() == MapViewState::TRACK_UP) return turnMargin(area.getWidth(), area.getHeight());
    return std::ceil(std::min(area.getWidth(), area.getHeight()) * 0.25);
}

void Map2D::updateViewport(const core::rect<int>& panelArea) {
    if (view.getZoom() <= 0.0) view.modifyZoom(initialZoom(std::max(1, panelArea.getHeight())), false);
    ViewportInput in;
    in.zoom = view.getZoom();
    in.width = std::max(1, panelArea.getWidth());
    in.height = std::max(1, panelArea.getHeight());
    const core::dimension2d<u32> screen = getDrawer().getDriver()->getScreenSize();
    in.screenWidth = std::max<u32>(1, screen.Width);
    in.screenHeight = std::max<u32>(1, screen.Height);
    in.centre = view.getCentre(own.position);
    in.renderMargin = renderMargin();
    double slide = 0.0;
    viewport = calculateViewport(in, &slide);
    if (slide != 0.0) view.addSlide(slide);
    turn = view.getMode() == MapViewState::TRACK_UP ? MapTurn::trackUp(own.track, in.width, in.height)
                                                    : MapTurn::northUp(in.width, in.height);
}

PanelPoint Map2D::toPicture(ChartPosition position) const {
    const MapViewport& v = picture.getDrawingViewport();
    const double margin = picture.getDrawingMargin();
    return {v.screenX(position.longitude) + margin, v.screenY(position.latitude) + margin};
}

PanelPoint Map2D::toShownPicture(ChartPosition position) const {
    const MapViewport& v = picture.getShownViewport();
    return {v.screenX(position.longitude) + picture.getMargin(), v.screenY(position.latitude) + picture.getMargin()};
}

bool Map2D::bakeIntoChartPicture(const std::function<void()>& paint) { return picture.paintOnShown(paint); }

PanelPoint Map2D::toPanel(ChartPosition position) const {
    const PanelPoint p = turn.toPanel({viewport.screenX(position.longitude), viewport.screenY(position.latitude)});
    return {p.x + area.UpperLeftCorner.X, p.y + area.UpperLeftCorner.Y};
}

ChartPosition Map2D::fromPanel(PanelPoint point) const {
    const PanelPoint v = turn.toView({point.x - area.UpperLeftCorner.X, point.y - area.UpperLeftCorner.Y});
    return viewport.positionAt(v.x, v.y);
}

core::vector2di Map2D::calcScreenCoordinates(double longitude, double latitude, bool useRenderTargetFrame) const {
    const ChartPosition p(longitude, latitude);
    const PanelPoint q = useRenderTargetFrame ? toPicture(p) : toPanel(p);
    return core::vector2di(roundPixel(q.x), roundPixel(q.y));
}

ChartPosition Map2D::calcChartPositionFromScreenCoordinates(core::vector2di point) const {
    return fromPanel({double(point.X), double(point.Y)});
}

void Map2D::addRGDText(const std::wstring& text, ChartPosition position, video::SColor colour) {
    picture.getDrawingLabels().push_back({text, position, colour});
}

void Map2D::prepare(core::rect<int> panelArea) {
    // The first picture, made while the loading screen is up, is shown by
    // the first frame instead of being started by it.
    updatePicture(panelArea);
}

void Map2D::render(core::rect<int> panelArea) {
    updatePicture(panelArea);
    Drawer2D& drawer = getDrawer();
    drawer.setClipRect(&area);
    drawPicture();
    if (picture.hasPicture() && picture.getShownViewport().scaleMeasure <= kLabelScaleLimit &&
        picture.getShownViewport().zoom == viewport.zoom)
        labels.draw(*this);
    for (auto& layer : layers) layer->render(*this);
    drawOwnShip();
    controls.draw(*this, view.getMode() == MapViewState::TRACK_UP,
                  view.getMode() == MapViewState::DRAGGED || view.getMode() == MapViewState::FIXED_POSITION);
    drawer.setClipRect(nullptr);
}

void Map2D::updatePicture(const core::rect<int>& panelArea) {
    area = panelArea;
    readOwnState();
    updateViewport(panelArea);
    controls.layOut(area, context.instruments.app->getRecommendedButtonWidth(),
                    context.instruments.app->getRecommendedButtonHeight());
    const bool night = isNight();
    if (night != pictureNight) picture.invalidate(), pictureNight = night;

    const double margin = renderMargin();
    const bool zooming = getSecs() - lastZoomChange < kZoomRest;
    const MapViewport& target = picture.isDrawing() ? picture.getDrawingViewport() : picture.getShownViewport();
    const double targetMargin = picture.isDrawing() ? picture.getDrawingMargin() : picture.getMargin();
    // Turning to track up (or back) needs a picture of another margin, and
    // labels painted upright into a north-up picture must not turn.
    bool serves = (picture.hasPicture() || picture.isDrawing()) && targetMargin == margin &&
                  pictureStillServes(target, viewport, margin);
    // Climbing or descending can show or hide obstacles: the renderers say
    // from the static bytes whether the picture must be drawn anew.
    if (serves && !picture.isDrawing() && picture.checkChange(pictureAltitude, own.altitudeFeet)) serves = false;
    if (!serves && !(zooming && picture.hasPicture())) {
        prepareRender();
        picture.start(viewport, margin);
        pictureAltitude = own.altitudeFeet;
    }
    if (picture.isDrawing() && picture.work(kFrameBudget)) labels.take(*this, picture.getLabels());
}

video::SColor Map2D::getBackgroundColour() const {
    const MapColour c = getMapBackground(getPalette());
    return video::SColor(c.a, c.r, c.g, c.b);
}

void Map2D::drawPicture() {
    const PicturePlacement p = picture.hasPicture()
                                   ? placePicture(picture.getShownViewport(), viewport, picture.getMargin())
                                   : PicturePlacement();
    // The picture holds the ground too: only where it does not reach (while
    // zooming out, before the first one) is the ground drawn beneath.
    if (!picture.hasPicture() || !pictureCovers(p, turn)) getDrawer().fillRectangle(area, getBackgroundColour());
    if (!picture.hasPicture()) return;
    const double pivotX = viewport.width / 2.0, pivotY = viewport.height / 2.0;
    getDrawer().drawOpaque(
        picture.getTexture(),
        core::vector2df(area.UpperLeftCorner.X + p.left, area.UpperLeftCorner.Y + p.top + turn.shiftDown),
        core::vector2df(p.width, p.height), static_cast<f32>(turn.track),
        core::vector2df((pivotX - p.left) / p.width, (pivotY - p.top) / p.height), &area);
}

void Map2D::drawOwnShip() {
    Drawer2D& drawer = getDrawer();
    const PanelPoint at = toPanel(own.position);
    const core::vector2df c(static_cast<f32>(at.x), static_cast<f32>(at.y));
    // The symbol points along the track as the pilot sees it: straight up
    // with the track up, else turned by the track.
    const double shownTrack = view.getMode() == MapViewState::TRACK_UP ? 0.0 : own.track;
    const float a = static_cast<f32>(shownTrack) * core::DEGTORAD;
    const core::vector2df forward(std::sin(a), -std::cos(a)), right(std::cos(a), std::sin(a));
    const float size = std::max(10.0f, std::min(area.getWidth(), area.getHeight()) / 30.0f);
    if (options.drawNose && options.noseLength > 0) {
        const double unit = getUnits().getDistanceUnit() == units::UnitConverter::KILOMETRES ? 1000.0 : 1852.0;
        const double length = options.noseLength * unit * viewport.zoom;
        if (context.instruments.panels) context.instruments.panels->setMapNoseLength(options.noseLength * unit);
        drawer.drawLine(c, c + forward * static_cast<f32>(length), 2.0f, video::SColor(255, 230, 40, 200), &area);
    }
    Drawer2D::Points body = {c + forward * size,           c + right * size * 0.9f - forward * size * 0.1f,
                             c + right * size * 0.9f + forward * size * 0.1f - forward * size * 0.2f,
                             c + right * size * 0.15f - forward * size * 0.2f,
                             c + right * size * 0.4f - forward * size * 0.9f, c - forward * size * 0.75f,
                             c - right * size * 0.4f - forward * size * 0.9f,
                             c - right * size * 0.15f - forward * size * 0.2f,
                             c - right * size * 0.9f + forward * size * 0.1f - forward * size * 0.2f,
                             c - right * size * 0.9f - forward * size * 0.1f};
    const video::SColor fill = own.live ? video::SColor(255, 255, 200, 0) : video::SColor(255, 150, 150, 150);
    drawer.fillPolygon(body, fill, &area);
    drawer.drawPolyline(body, 1.5f, video::SColor(255, 0, 0, 0), true, &area);
}

void Map2D::renderPreview(core::rect<int> previewArea) {
    getDrawer().fillRectangle(previewArea, getBackgroundColour());
    getDrawer().drawTextCentred(getFont(previewArea.getHeight() / 6), L"2D-Map", previewArea,
                                isNight() ? video::SColor(255, 200, 200, 200) : video::SColor(255, 40, 40, 60));
}

void storeMapSettings(IniFile* ini, const std::string& section, const MapSettings& settings) {
    if (!ini) return;
    IniSection values = ini->getSection(section);
    settings.writeToIni(values);
    ini->setSection(section, values);
}

void Map2D::applyCurrentConfiguration(IniFile* ini, const std::string& section) {
    storeMapSettings(ini, section, options);
}

void Map2D::processPanelEvent(const std::string& name, const std::unordered_map<std::string, std::string>& arguments) {
    const auto value = [&](const char* key) {
        const auto it = arguments.find(key);
        return it == arguments.end() ? std::nan("") : convertStringTo<double>(it->second);
    };
    if (name == "gotoPos") {
        const double longitude = value("longitude"), latitude = value("latitude");
        if (validPosition(longitude, latitude)) view.gotoPosition(ChartPosition(longitude, latitude));
    } else if (name == "zoom") {
        const double zoom = value("zoom");
        if (!std::isnan(zoom)) modifyZoom(zoom, true, false);
    }
}
