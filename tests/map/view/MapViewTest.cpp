#include <gtest/gtest.h>

#include <cmath>

#include "map/view/MapPlacement.h"
#include "map/view/MapViewState.h"
#include "map/view/MapViewport.h"

namespace {

ViewportInput input(double lon, double lat, double zoom, double w = 800, double h = 480, double sw = 800,
                    double sh = 480) {
    ViewportInput in;
    in.zoom = zoom, in.width = w, in.height = h, in.screenWidth = sw, in.screenHeight = sh;
    in.centre = ChartPosition(lon, lat);
    return in;
}

}  // namespace

TEST(MapViewport, SpansEdgesAndTheInitialZoom) {
    const double zoom = initialZoom(480);
    const MapViewport v = calculateViewport(input(-123.18, 49.19, zoom));
    EXPECT_NEAR(v.latitudeSpan, 0.75, 1e-12);
    EXPECT_NEAR(v.north - v.south, 0.75, 1e-12);
    EXPECT_NEAR(v.longitudeSpan, 800 / zoom / std::cos(49.19 * M_PI / 180) / kMetresPerDegree, 1e-12);
    EXPECT_NEAR(v.west, -123.18 - v.longitudeSpan / 2, 1e-12);
    EXPECT_NEAR(v.metresPerPixel * zoom, 1.0, 1e-9);
    // The visible area is about the spans in metres.
    const double expected = 0.75 * kMetresPerDegree * v.longitudeSpan * kMetresPerDegree * std::cos(49.19 * M_PI / 180);
    EXPECT_NEAR(v.visibleArea / expected, 1.0, 0.01);
}

TEST(MapViewport, ScaleMeasureCountsTheShareOfTheScreen) {
    const MapViewport full = calculateViewport(input(10, 50, 0.01, 800, 480, 800, 480));
    const MapViewport quarter = calculateViewport(input(10, 50, 0.01, 400, 240, 800, 480));
    EXPECT_NEAR(full.scaleMeasure, full.longitudeSpan * full.latitudeSpan, 1e-12);
    EXPECT_NEAR(quarter.scaleMeasure, 4.0 * quarter.longitudeSpan * quarter.latitudeSpan, 1e-12);
    // The same ground scale reads the same measure in either panel.
    EXPECT_NEAR(quarter.scaleMeasure, full.scaleMeasure, 1e-12);
}

TEST(MapViewport, ViewSlidesAwayFromThePolesInsteadOfStretching) {
    double slide = 0.0;
    const MapViewport v = calculateViewport(input(0, 88.9, initialZoom(480)), &slide);
    EXPECT_DOUBLE_EQ(v.north, 89.0);
    EXPECT_NEAR(v.north - v.south, 0.75, 1e-12);
    EXPECT_NEAR(slide, 89.0 - (88.9 + 0.375), 1e-12);
    calculateViewport(input(0, -88.9, initialZoom(480)), &slide);
    EXPECT_NEAR(slide, -89.0 + 88.9 + 0.375, 1e-12);
    calculateViewport(input(0, 40, initialZoom(480)), &slide);
    EXPECT_EQ(slide, 0.0);
    // Far out the longitude span is capped at half the world.
    EXPECT_EQ(calculateViewport(input(0, 80, kMinimumZoom, 8000, 480)).longitudeSpan, 180.0);
}

TEST(MapViewport, AcrossTheDateLineBothSidesAreInside) {
    MapViewport v = calculateViewport(input(179.9, -17.0, 0.01));
    EXPECT_GT(v.west, v.east);
    EXPECT_TRUE(v.isInside(ChartPosition(179.95, -17.0), 0, 0, false));
    EXPECT_TRUE(v.isInside(ChartPosition(-179.95, -17.0), 0, 0, false));
    EXPECT_FALSE(v.isInside(ChartPosition(170.0, -17.0), 0, 0, false));
    EXPECT_FALSE(v.isInside(ChartPosition(179.95, -10.0), 0, 0, false));
    // A point east of the line projects to the right of one west of it.
    EXPECT_GT(v.screenX(-179.95), v.screenX(179.95));
    EXPECT_NEAR(v.screenX(179.9), 400.0, 1e-6);
    // A margin lets a point just outside in.
    const double west = v.west - 0.001;
    EXPECT_FALSE(v.isInside(ChartPosition(west, -17.0), 0, 0, false));
    EXPECT_TRUE(v.isInside(ChartPosition(west, -17.0), 0.01, 0, false));
}

TEST(MapViewport, ProjectionRoundTripsAndRounding) {
    for (double lon : {-123.0, 0.5, 179.95}) {
        const MapViewport v = calculateViewport(input(lon, 49.0, 0.02));
        for (double x : {0.0, 123.4, 799.0})
            for (double y : {0.0, 240.0, 479.5}) {
                const ChartPosition p = v.positionAt(x, y);
                EXPECT_NEAR(v.screenX(p.longitude), x, 1e-6);
                EXPECT_NEAR(v.screenY(p.latitude), y, 1e-6);
            }
        EXPECT_NEAR(v.screenX(v.centre.longitude), 400.0, 1e-9);
        EXPECT_NEAR(v.screenY(v.centre.latitude), 240.0, 1e-9);
    }
    EXPECT_EQ(roundPixel(2.5), 3);
    EXPECT_EQ(roundPixel(-2.5), -3);
    EXPECT_EQ(roundPixel(-2.4), -2);
}

TEST(MapViewState, ZoomLimitsAndGestures) {
    MapViewState view(1.0);
    EXPECT_FALSE(view.modifyZoom(tapZoomFactor(true), true));  // 1.5 is past the limit
    EXPECT_EQ(view.getZoom(), 1.0);
    EXPECT_TRUE(view.modifyZoom(tapZoomFactor(false), true));
    EXPECT_NEAR(view.getZoom(), 2.0 / 3.0, 1e-15);
    EXPECT_FALSE(view.modifyZoom(0.001, false));
    EXPECT_TRUE(view.modifyZoom(kMinimumZoom, false));
    EXPECT_FALSE(view.modifyZoom(std::nan(""), false));

    EXPECT_DOUBLE_EQ(pinchZoom(0.1, 100, 200), 0.15);
    EXPECT_DOUBLE_EQ(pinchZoom(0.1, 100, 50), 0.075);
    // Dragging the full height down zooms out 7.5 times; tiny drags do nothing.
    EXPECT_NEAR(dragZoom(0.3, 0.3, 0, 480, 480), 0.04, 1e-12);
    EXPECT_NEAR(dragZoom(0.04, 0.04, 480, 0, 480), 0.3, 1e-12);
    EXPECT_EQ(dragZoom(0.3, 0.3, 100, 101, 480), 0.3);
}

TEST(MapViewState, ModesFollowDragAndGoTo) {
    const ChartPosition own(-123.0, 49.0);
    MapViewState view(0.01, MapViewState::TRACK_UP);
    EXPECT_EQ(view.getTopTrack(75.0), 75.0);
    view.gotoPosition(ChartPosition(0, 0));  // ignored with the track up
    EXPECT_EQ(view.getMode(), MapViewState::TRACK_UP);
    view.drag(own, 0.5, -0.25);
    EXPECT_EQ(view.getMode(), MapViewState::DRAGGED);
    EXPECT_EQ(view.getTopTrack(75.0), 0.0);
    // A dragged map stays on the ground while the aircraft moves on.
    const ChartPosition moved = view.getCentre(ChartPosition(-122.0, 48.0));
    EXPECT_DOUBLE_EQ(moved.longitude, -122.5);
    EXPECT_DOUBLE_EQ(moved.latitude, 48.75);
    view.resetToFollowing();
    EXPECT_EQ(view.getMode(), MapViewState::TRACK_UP);
    EXPECT_DOUBLE_EQ(view.getCentre(own).longitude, -123.0);
    view.setFollowingMode(MapViewState::NORTH_UP);
    view.gotoPosition(ChartPosition(179.0, 10.0));
    view.drag(own, 2.0, 0.0);  // wraps over the date line
    EXPECT_DOUBLE_EQ(view.getCentre(own).longitude, -179.0);
}

TEST(MapPlacement, TrackUpPutsTheTrackAboveAndTheAircraftBelowTheMiddle) {
    const MapTurn turn = MapTurn::trackUp(90.0, 800, 480);
    const PanelPoint aircraft = turn.toPanel({400, 240});
    EXPECT_NEAR(aircraft.x, 400, 1e-9);
    EXPECT_NEAR(aircraft.y, 360, 1e-9);
    const PanelPoint east = turn.toPanel({500, 240});  // 100 px east, along the track
    EXPECT_NEAR(east.x, 400, 1e-9);
    EXPECT_NEAR(east.y, 260, 1e-9);
    const PanelPoint back = turn.toView(turn.toPanel({123, 45}));
    EXPECT_NEAR(back.x, 123, 1e-9);
    EXPECT_NEAR(back.y, 45, 1e-9);
    const PanelPoint same = MapTurn::northUp(800, 480).toPanel({123, 45});
    EXPECT_NEAR(same.x, 123, 1e-12);
    EXPECT_NEAR(same.y, 45, 1e-12);
    // The margin covers the turned panel's corners with the shift.
    const double m = turnMargin(800, 480);
    for (double a = 0; a < 360; a += 15) {
        const MapTurn t = MapTurn::trackUp(a, 800, 480);
        for (PanelPoint corner : {PanelPoint{0, 0}, PanelPoint{800, 0}, PanelPoint{0, 480}, PanelPoint{800, 480}}) {
            const PanelPoint v = t.toView(corner);
            EXPECT_TRUE(v.x >= -m && v.x <= 800 + m && v.y >= -m && v.y <= 480 + m) << a;
        }
    }
}

TEST(MapPlacement, APictureFollowsTheViewUntilItHasMovedHalfItsMargin) {
    const MapViewport drawn = calculateViewport(input(-123.0, 49.0, 0.02));
    const ChartPosition east = drawn.positionAt(430, 240);  // 30 px east
    const MapViewport now = calculateViewport(input(east.longitude, east.latitude, 0.02));
    const PicturePlacement p = placePicture(drawn, now, 100);
    EXPECT_NEAR(p.left, -130, 1e-6);
    EXPECT_NEAR(p.top, -100, 1e-6);
    EXPECT_NEAR(p.width, 1000, 1e-9);
    EXPECT_TRUE(pictureStillServes(drawn, now, 100));
    EXPECT_FALSE(pictureStillServes(drawn, now, 50));
    EXPECT_TRUE(pictureCovers(p, MapTurn::northUp(800, 480)));
    EXPECT_FALSE(pictureCovers(placePicture(drawn, now, 20), MapTurn::northUp(800, 480)));
    // Turned, the corners reach further out: the turn margin covers them.
    const double m = turnMargin(800, 480);
    EXPECT_TRUE(pictureCovers(placePicture(drawn, drawn, m), MapTurn::trackUp(45, 800, 480)));
    EXPECT_FALSE(pictureCovers(placePicture(drawn, drawn, 100), MapTurn::trackUp(45, 800, 480)));
    // Zoomed in twice about the same centre: twice the size, same middle.
    const MapViewport closer = calculateViewport(input(-123.0, 49.0, 0.04));
    const PicturePlacement z = placePicture(drawn, closer, 100);
    EXPECT_NEAR(z.left + z.width / 2, 400, 1e-6);
    EXPECT_NEAR(z.width, 2000, 1e-9);
    EXPECT_FALSE(pictureStillServes(drawn, closer, 100));
}
