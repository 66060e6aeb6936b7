// The map drawn from the demo chart, checked on the pixels of the frame.
#include "support/MapFixture.h"

#include "chart/elements/AirportElement.h"
#include "chart/elements/AirspaceElement.h"
#include "map/RendererBase.h"
#include "map/rules/AirspaceCategory.h"
#include "map/rules/AirspaceStyle.h"
#include "map/rules/AirwayStyle.h"
#include "map/rules/GroundGeometryStyle.h"
#include "chart/elements/GroundGeometryElement.h"
#include "chart/elements/AirwayElement.h"

using irr::video::SColor;

namespace {

constexpr double kCyvrLongitude = -123.1844, kCyvrLatitude = 49.1939;

irr::SEvent mouse(irr::EMOUSE_INPUT_EVENT type, int x, int y, float wheel = 0.0f) {
    irr::SEvent e;
    e.EventType = irr::EET_MOUSE_INPUT_EVENT;
    e.MouseInput.Event = type;
    e.MouseInput.X = x, e.MouseInput.Y = y;
    e.MouseInput.Wheel = wheel;
    e.MouseInput.ButtonStates = 0;
    e.MouseInput.Shift = e.MouseInput.Control = false;
    return e;
}

void tap(Map2D& map, int x, int y) {
    map.processEvent(mouse(irr::EMIE_LMOUSE_PRESSED_DOWN, x, y));
    map.processEvent(mouse(irr::EMIE_LMOUSE_LEFT_UP, x, y));
}

// Pixels within the radius of the point whose colour is near the colour.
int countNear(irr::video::IImage* image, PanelPoint at, int radius, SColor colour, int tolerance = 40) {
    int count = 0;
    for (int y = int(at.y) - radius; y <= int(at.y) + radius; ++y)
        for (int x = int(at.x) - radius; x <= int(at.x) + radius; ++x)
            if (x >= 0 && y >= 0 && x < 800 && y < 480 &&
                std::abs(int(image->getPixel(x, y).getRed()) - int(colour.getRed())) <= tolerance &&
                std::abs(int(image->getPixel(x, y).getGreen()) - int(colour.getGreen())) <= tolerance &&
                std::abs(int(image->getPixel(x, y).getBlue()) - int(colour.getBlue())) <= tolerance)
                ++count;
    return count;
}

// How many middles of a line's segments, well inside the panel, carry the
// line's colour.
struct Inking {
    int segments = 0, inked = 0;
    void add(const Map2D& map, irr::video::IImage* frame, const std::vector<ChartPosition>& line, size_t step,
             SColor colour, int radius) {
        for (size_t i = 0; i + 1 < line.size(); i += step) {
            const PanelPoint a = map.toPanel(line[i]), b = map.toPanel(line[i + 1]);
            const PanelPoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
            if (middle.x < 60 || middle.x > 700 || middle.y < 100 || middle.y > 460) continue;
            ++segments;
            if (countNear(frame, middle, radius, colour, 30) > 0) ++inked;
        }
    }
};

const AirportElement* airport(ExtendedChart* chart, const std::string& ident) {
    for (int32_t id : chart->getMatchingChartElements(ident, 20)) {
        const auto* a = dynamic_cast<const AirportElement*>(chart->getChartElement(id));
        if (a && a->ident == ident) return a;
    }
    return nullptr;
}

}  // namespace

TEST_F(MapFixture, NorthUpOverVancouverShowsTheAirportWhereItProjectsAndTapsSelectIt) {
    Map2D map(context, MapSettings());
    irr::video::IImage* frame = show(map, kCyvrLongitude, kCyvrLatitude, 0.02);
    const AirportElement* cyvr = airport(chart, "CYVR");
    ASSERT_NE(cyvr, nullptr);
    const PanelPoint at = map.toPanel(cyvr->getPosition());
    EXPECT_NEAR(at.x, 400 + (cyvr->getPosition().longitude - kCyvrLongitude) / map.getViewport().longitudeSpan * 800,
                0.5);
    // The towered field's blue disc around its position.
    EXPECT_GT(countNear(frame, at, 8, SColor(255, 0, 90, 200)), 40);
    frame->drop();

    tap(map, int(at.x), int(at.y));
    EXPECT_NE(shownTitle.find(L"CYVR"), std::wstring::npos) << std::string(shownTitle.begin(), shownTitle.end());
}

TEST_F(MapFixture, APictureMadeAheadWhileLoadingIsShownByTheFirstFrame) {
    useGnss(kCyvrLongitude, kCyvrLatitude, 0.0);
    Map2D map(context, MapSettings());
    map.processPanelEvent("zoom", {{"zoom", "0.02"}});
    for (int i = 0; i < 200 && !map.isChartCurrent(); ++i) render([&] { map.prepare(area); })->drop();
    ASSERT_TRUE(map.isChartCurrent());
    irr::video::IImage* first = render([&] { map.render(area); });
    const AirportElement* cyvr = airport(chart, "CYVR");
    ASSERT_NE(cyvr, nullptr);
    EXPECT_GT(countNear(first, map.toPanel(cyvr->getPosition()), 8, SColor(255, 0, 90, 200)), 40);
    first->drop();
}

TEST_F(MapFixture, TheMapFollowsTheAircraftTrackUpPutsItBelowTheMiddleAndNightDarkensTheGround) {
    TestGnss& gnss = useGnss(kCyvrLongitude, kCyvrLatitude, 0.0);
    Map2D map(context, MapSettings());
    irr::video::IImage* day = settle(map);
    const SColor dayGround = day->getPixel(200, 400);
    // The own ship is drawn at the middle while north up...
    EXPECT_GT(countNear(day, {400, 240}, 6, SColor(255, 255, 200, 0), 30), 10);
    day->drop();
    gnss.gps.longitude += 0.1;
    settle(map)->drop();
    EXPECT_NEAR(map.getViewport().centre.longitude, kCyvrLongitude + 0.1, 1e-9);

    const MapControlsLayout& controls = map.getControlsLayout();
    tap(map, (controls.orientation.left + controls.orientation.right) / 2,
        (controls.orientation.top + controls.orientation.bottom) / 2);
    EXPECT_EQ(map.getViewMode(), MapViewState::TRACK_UP);
    irr::video::IImage* trackUp = settle(map);
    // ...and a quarter of the panel lower with the track up.
    EXPECT_EQ(countNear(trackUp, {400, 240}, 6, SColor(255, 255, 200, 0), 30), 0);
    EXPECT_GT(countNear(trackUp, {400, 360}, 6, SColor(255, 255, 200, 0), 30), 10);
    trackUp->drop();

    night = true;
    irr::video::IImage* dark = settle(map);
    const SColor nightGround = dark->getPixel(200, 400);
    EXPECT_LT(nightGround.getLuminance(), dayGround.getLuminance() / 3);
    dark->drop();
}

TEST_F(MapFixture, ZoomControlWheelAndDragZoomWithinTheLimits) {
    Map2D map(context, MapSettings());
    settle(map)->drop();
    const double start = map.getZoom();
    const MapControlsLayout& controls = map.getControlsLayout();
    const int x = (controls.zoom.left + controls.zoom.right) / 2;
    tap(map, x, controls.zoom.top + 2);
    EXPECT_NEAR(map.getZoom(), start * 1.5, 1e-12);
    tap(map, x, controls.zoom.bottom - 2);
    EXPECT_NEAR(map.getZoom(), start, 1e-12);
    map.processEvent(mouse(irr::EMIE_MOUSE_WHEEL, 300, 200, -1.0f));
    EXPECT_NEAR(map.getZoom(), start * 2.0 / 3.0, 1e-12);
    // Two fingers spread from 100 to 300 pixels apart: twice the zoom.
    const auto pinch = [&](irr::s32 phase, irr::s32 distance) {
        irr::SEvent e{};
        e.EventType = irr::EET_USER_EVENT;
        e.UserEvent.UserData1 = phase, e.UserEvent.UserData2 = distance;
        return map.processEvent(e);
    };
    const double beforePinch = map.getZoom();
    EXPECT_FALSE(pinch(Map2D::kPinchStart, 100));
    pinch(Map2D::kPinchMove, 200);
    pinch(Map2D::kPinchMove, 300);
    pinch(Map2D::kPinchEnd, 300);
    EXPECT_NEAR(map.getZoom(), beforePinch * 2.0, 1e-12);
    map.processPanelEvent("zoom", {{"zoom", std::to_string(start * 2.0 / 3.0)}});
    // A drag down the whole zoom control's height zooms out as far as the
    // panel's height would, scaled to the part dragged.
    const int y0 = controls.zoom.top + 4, y1 = controls.zoom.bottom - 4;
    const double before = map.getZoom();
    map.processEvent(mouse(irr::EMIE_LMOUSE_PRESSED_DOWN, x, y0));
    map.processEvent(mouse(irr::EMIE_MOUSE_MOVED, x, y1));
    map.processEvent(mouse(irr::EMIE_LMOUSE_LEFT_UP, x, y1));
    EXPECT_NEAR(map.getZoom(), before * std::exp(-std::log(7.5) * (y1 - y0) / 480.0), 1e-9);
    // Dragging the map itself leaves the following mode.
    map.processEvent(mouse(irr::EMIE_LMOUSE_PRESSED_DOWN, 300, 200));
    map.processEvent(mouse(irr::EMIE_MOUSE_MOVED, 360, 200));
    map.processEvent(mouse(irr::EMIE_LMOUSE_LEFT_UP, 360, 200));
    EXPECT_EQ(map.getViewMode(), MapViewState::DRAGGED);
    map.processPanelEvent("zoom", {{"zoom", "2.0"}});  // beyond the limit
    EXPECT_NEAR(map.getZoom(), before * std::exp(-std::log(7.5) * (y1 - y0) / 480.0), 1e-9);
}

TEST_F(MapFixture, AirspaceBordersLieWhereTheirPolygonProjectsAndHiddenKindsLeaveNoInk) {
    Map2D map(context, MapSettings());
    irr::video::IImage* frame = show(map, kCyvrLongitude, kCyvrLatitude, 0.01);
    // Every airspace of the view: the middle of each edge whose ends both
    // lie well inside the panel carries the border's colour.
    Inking borders;
    for (int32_t id : map.getDrawnElements()) {
        const auto* airspace = dynamic_cast<const AirspaceElement*>(chart->getChartElement(id));
        if (!airspace) continue;
        const SColor border = toSColor(getAirspaceStyle(classifyAirspace(airspace->airspaceClass), MapPalette::DAY).line);
        borders.add(map, frame, airspace->points, 1, border, 2);
    }
    frame->drop();
    EXPECT_GT(borders.segments, 10);
    EXPECT_GE(borders.inked, borders.segments * 9 / 10);  // labels and symbols may cover a few

    // Airways are drawn only when the pilot asks for them: where one lies
    // with them on, the default map leaves the ground bare.
    MapSettings withAirways;
    withAirways.airways = true;
    Map2D all(context, withAirways);
    frame = show(all, kCyvrLongitude, kCyvrLatitude, 0.01);
    std::vector<PanelPoint> middles;
    const SColor airwayColour = toSColor(getAirwayStyle(false, MapPalette::DAY).line);
    for (int32_t id : all.getDrawnElements()) {
        const auto* airway = dynamic_cast<const AirwayElement*>(chart->getChartElement(id));
        if (!airway) continue;
        const PanelPoint a = all.toPanel(airway->getAreaDefiningPoint(0)), b = all.toPanel(airway->getAreaDefiningPoint(1));
        const PanelPoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
        if (middle.x > 60 && middle.x < 700 && middle.y > 20 && middle.y < 460 && countNear(frame, middle, 1, airwayColour, 30) > 0)
            middles.push_back(middle);
    }
    frame->drop();
    ASSERT_GE(middles.size(), 3u);
    frame = show(map, kCyvrLongitude, kCyvrLatitude, 0.01);
    for (const PanelPoint& middle : middles) EXPECT_EQ(countNear(frame, middle, 1, airwayColour, 30), 0);
    frame->drop();
}

TEST_F(MapFixture, CoastlinesLieWhereTheyProjectWhenThePilotShowsThem) {
    MapSettings settings;
    settings.coastlines = true;
    Map2D map(context, settings);
    irr::video::IImage* frame = show(map, -123.3, 49.3, 0.01);  // Burrard Inlet and English Bay
    const SColor coast = toSColor(getGroundGeometryStyle(GroundGeometryElement::COASTLINE, false, MapPalette::DAY).line);
    Inking shores;
    for (int32_t id : map.getDrawnElements()) {
        const auto* g = dynamic_cast<const GroundGeometryElement*>(chart->getChartElement(id));
        if (g && g->kind == GroundGeometryElement::COASTLINE) shores.add(map, frame, g->points, 7, coast, 1);
    }
    frame->drop();
    EXPECT_GT(shores.segments, 20);
    EXPECT_GE(shores.inked, shores.segments * 8 / 10);  // labels may cover a few
}

TEST_F(MapFixture, ALongTapListsWhatLiesThereAndInsertsAWaypointOfThePilotsOwn) {
    Map2D map(context, MapSettings());
    show(map, kCyvrLongitude, kCyvrLatitude, 0.02)->drop();
    const AirportElement* cyvr = airport(chart, "CYVR");
    ASSERT_NE(cyvr, nullptr);
    const PanelPoint at = map.toPanel(cyvr->getPosition());
    const auto longTap = [&](int x, int y) {
        map.processEvent(mouse(irr::EMIE_LMOUSE_PRESSED_DOWN, x, y));
        usleep(900000);  // held past the long tap
        map.processEvent(mouse(irr::EMIE_LMOUSE_LEFT_UP, x, y));
    };
    // The airport is offered (among the airspaces around it) with its
    // details.
    answerWith = [](const std::vector<std::wstring>& answers) {
        for (size_t i = 0; i < answers.size(); ++i)
            if (answers[i].find(L"CYVR") != std::wstring::npos) return int(i);
        return -1;
    };
    longTap(int(at.x), int(at.y));
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].back(), L"Insert");
    EXPECT_NE(shownTitle.find(L"CYVR"), std::wstring::npos);
    EXPECT_FALSE(shownText.empty());

    // "Insert" at the marked position: a waypoint of the pilot's own is
    // drawn there (its circle in navaid blue) on an empty spot of the map.
    const int count = chart->getCustomElementCount();
    const PanelPoint spot{200, 420};
    answerWith = [](const std::vector<std::wstring>& answers) { return answers.back() == L"Insert" ? int(answers.size()) - 1 : 1; };
    longTap(int(spot.x), int(spot.y));
    ASSERT_EQ(questions.back(), L"Create at:");
    EXPECT_EQ(chart->getCustomElementCount(), count + 1);
    irr::video::IImage* frame = settle(map);
    EXPECT_GT(countNear(frame, spot, 7, SColor(255, 20, 70, 160)), 10);
    frame->drop();
    chart->deleteCustomChartElement(count + 1);
}
