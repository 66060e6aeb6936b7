#pragma once
#include <irrlicht.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "map/ChartPicture.h"
#include "map/MapContext.h"
#include "map/MapControls.h"
#include "map/MapLabels.h"
#include "map/rules/MapSettings.h"
#include "map/rules/MapRenderFacts.h"
#include "map/rules/MapStyle.h"
#include "map/rules/StaticRenderFilter.h"
#include "map/view/MapPlacement.h"
#include "map/view/MapViewState.h"
#include "map/view/MapViewport.h"
#include "panels/IPanel.h"

class Drawer2D;
class IMapLayer;

// Writes every map setting into the section, keeping its other keys.
void storeMapSettings(IniFile* ini, const std::string& section, const MapSettings& settings);
class IChartElement;

// The moving map: the chart drawn around the aircraft (or where the pilot
// moved it), north up or track up, with the layers of other parts over it,
// the aircraft with its distance nose, and the zoom control.
//
// The chart is drawn into a picture a little larger than the panel, spread
// over frames by a time budget, and reused while the aircraft moves within
// its margin, so a frame that only follows the aircraft costs one textured
// quad.
class Map2D : public IPanel {
public:
    // The engine has no multi-touch events: a touch driver reports a
    // two-finger pinch as user events with this code in UserData1 and the
    // fingers' distance in pixels in UserData2 (start, move, end).
    static constexpr irr::s32 kPinchStart = 0x70696e01, kPinchMove = 0x70696e02, kPinchEnd = 0x70696e03;

    Map2D(const MapContext& context, const MapSettings& options);
    ~Map2D() override;

    // IPanel
    void OnPageChange() override;
    void render(irr::core::rect<int> area) override;
    void prepare(irr::core::rect<int> area) override;
    void renderPreview(irr::core::rect<int> area) override;
    bool processEvent(irr::SEvent event) override;
    std::string getName() override { return "2D-Map"; }
    void OnChartChanged() override { picture.invalidate(); }
    void OnChartStyleChanged() override { picture.invalidate(); }
    void OnHideGUI() override;
    void applyCurrentConfiguration(IniFile* ini, const std::string& section) override;
    void processPanelEvent(const std::string& name,
                           const std::unordered_map<std::string, std::string>& arguments) override;

    // The view and its projection. While the chart picture is being drawn,
    // toPicture() places positions in it; toPanel() places them on the
    // panel as the pilot sees it now.
    const MapViewport& getViewport() const { return viewport; }
    const MapViewport& getDrawingViewport() const { return picture.getDrawingViewport(); }
    PanelPoint toPicture(ChartPosition position) const;
    // The same in the picture shown now (not the one being drawn).
    PanelPoint toShownPicture(ChartPosition position) const;
    // Paints with paint() into the chart picture shown now; false when
    // there is none or it is not the one for the view.
    bool bakeIntoChartPicture(const std::function<void()>& paint);
    PanelPoint toPanel(ChartPosition position) const;
    ChartPosition fromPanel(PanelPoint point) const;
    irr::core::vector2di calcScreenCoordinates(double longitude, double latitude, bool useRenderTargetFrame) const;
    ChartPosition calcChartPositionFromScreenCoordinates(irr::core::vector2di point) const;
    bool isInside(ChartPosition position, double marginLongitude, double marginLatitude, bool widened) const {
        return viewport.isInside(position, marginLongitude, marginLatitude, widened);
    }
    double getScaleMeasure() const { return viewport.scaleMeasure; }
    // Whether a new chart picture is still being drawn.
    bool isDrawingChart() const { return picture.isDrawing(); }
    // Whether the picture shown is the one for the view of the last frame
    // (none is pending or being drawn).
    bool isChartCurrent() const {
        return !picture.isDrawing() && picture.hasPicture() &&
               pictureStillServes(picture.getShownViewport(), viewport, picture.getMargin());
    }
    // Elements in the chart picture shown now.
    size_t getDrawnElementCount() const { return picture.getShownElements().size(); }
    const std::vector<int32_t>& getDrawnElements() const { return picture.getShownElements(); }

    ChartPosition getPosition() const { return own.position; }
    // Feet above mean sea level from the default altitude source; 0 without one.
    double getAltitude() const { return own.altitudeFeet; }
    double getTopTrack() const { return view.getTopTrack(own.track); }
    double getZoom() const { return view.getZoom(); }
    MapViewState::Mode getViewMode() const { return view.getMode(); }
    bool modifyZoom(double value, bool requestTerrain, bool multiply);

    // Labels of the chart picture: anchored at a position, placed so they
    // overlap as little as possible.
    void addRGDText(const std::wstring& text, ChartPosition position, irr::video::SColor colour);

    // What the renderers decide from for the picture being drawn.
    const MapRenderFacts& getRenderFacts() const { return facts; }
    const StaticRenderFilter& getRenderFilter() const { return *filter; }
    MapPalette getPalette() const { return isNight() ? MapPalette::NIGHT : MapPalette::DAY; }

    Drawer2D& getDrawer() const;
    const MapContext& getContext() const { return context; }
    const MapSettings& getOptions() const { return options; }
    const units::UnitConverter& getUnits() const;
    bool isNight() const;
    // The ground the chart is drawn on, in the style in use.
    irr::video::SColor getBackgroundColour() const;
    irr::gui::IGUIFont* getFont(int pixelHeight) const;
    // The panel's rectangle on the screen in the last frame.
    const irr::core::rect<int>& getArea() const { return area; }
    const MapTurn& getTurn() const { return turn; }
    const MapControlsLayout& getControlsLayout() const { return controls.getLayout(); }

private:
    struct OwnState {
        ChartPosition position;
        double track = 0.0;        // degrees true
        double altitudeFeet = 0.0;
        bool live = false;
    };
    void readOwnState();
    // Follows the aircraft and the view: starts a new chart picture when the
    // shown one no longer serves and works on the one being drawn.
    void updatePicture(const irr::core::rect<int>& panelArea);
    // The facts of a new picture: its scale, view, the own altitude, the
    // settings and the blacklisted airspace classes.
    void prepareRender();
    void updateViewport(const irr::core::rect<int>& panelArea);
    void drawPicture();
    void drawOwnShip();
    void select(PanelPoint panelPoint);
    // What lies near the point, for the long tap: its details, or a new
    // waypoint of the pilot's own there or at the aircraft.
    void showElementsNear(PanelPoint panelPoint);
    void insertWaypoint(ChartPosition position);
    double renderMargin() const;
    bool processMouse(const irr::SEvent::SMouseInput& mouse);
    void processPinch(const irr::SEvent::SUserEvent& user);
    void endGesture(int x, int y);

    // One finger (or the mouse) from press to release, or two fingers.
    struct Gesture {
        bool down = false;
        bool moved = false;
        bool onZoomControl = false;
        int startX = 0, startY = 0, lastX = 0, lastY = 0;
        double startTime = 0.0;
        double zoomAtStart = 0.0;
        bool pinching = false;
        double pinchStartDistance = 0.0;
    };
    Gesture gesture;
    bool pictureNight = false;
    double pictureAltitude = 0.0;  // feet, when the shown picture was started

    MapContext context;
    MapSettings options;
    MapViewState view;
    MapRenderFacts facts;
    std::unique_ptr<StaticRenderFilter> filter;
    MapViewport viewport;
    MapTurn turn;
    OwnState own;
    irr::core::rect<int> area;
    ChartPicture picture;
    MapLabels labels;
    MapControls controls;
    std::vector<std::unique_ptr<IMapLayer>> layers;
    double lastZoomChange = 0.0;
};
