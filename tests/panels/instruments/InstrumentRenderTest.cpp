// Instruments in a real OpenGL window, fed by a sensor of the test's own:
// needles and the horizon land where the values put them, and a source that
// goes quiet turns the instrument to its failure flag.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "app/EventReceiver.h"
#include "support/TestAppContext.h"
#include "base/IniFile.h"
#include "base/UnitConverter.h"
#include "gui/Drawer2D.h"
#include "gui/FrameCapture.h"
#include "panels/instruments/Altimeter.h"
#include "panels/instruments/AttitudeIndicator.h"
#include "panels/instruments/InstrumentMath.h"
#include "panels/instruments/SpeedIndicator.h"
#include "sensors/ISensorFactory.h"
#include "sensors/MotionSensorData.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {

constexpr int kSide = 400;
constexpr double kRad = 3.14159265358979323846 / 180.0;

// Supplies attitude and altitude as the test sets them.
class TestSensor : public ISensor {
public:
    std::string getName() override { return "Test"; }
    bool Update() override { return true; }
    uint32_t lastTimeUpdated(ISensorData::Type type) override {
        return type == ISensorData::ATTITUDE ? attitudeCount : altitudeCount;
    }
    ISensorData* getData(ISensorData::Type type) override {
        if (type == ISensorData::ATTITUDE) return &attitude;
        if (type == ISensorData::ALTITUDE) return &altitude;
        return nullptr;
    }
    bool isDataTypeSupported(ISensorData::Type type) override {
        return type == ISensorData::ATTITUDE || type == ISensorData::ALTITUDE;
    }
    std::vector<ISensorData::Type> getSupportedDataTypes() override {
        return {ISensorData::ATTITUDE, ISensorData::ALTITUDE};
    }
    WarningLevel getWarning(ISensorData::Type) override { return GOOD; }

    Attitude_Data attitude;
    Altitude_Data altitude;
    uint32_t attitudeCount = 0, altitudeCount = 0;
};

struct TestSensorFactory : NoSetupGUISensorFactory {
    TestSensor* last = nullptr;
    ISensor* Create() override { return last = new TestSensor; }
    std::string getName() override { return "Test"; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override {
        return {ISensorData::ATTITUDE, ISensorData::ALTITUDE};
    }
};

class InstrumentRender : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (run the suite under xvfb-run)";
        device = createTestWindow(kSide, kSide);
        ASSERT_NE(device, nullptr);
        window = std::make_unique<TestAppContext>(device, 80, 30);
        registerSensorDataFactories(sensors);
        sensors.addSensorFactory(factory);
        IniFile ini;
        ini.setFromString("SensorCount = 2\nD1 = 1\nD5 = 1\n[S1]\nFactoryIndex = 0\n");
        sensors.loadSensorSettingsFromIni(&ini, false);
        ASSERT_NE(factory->last, nullptr);
        context.app = window.get();
        context.sensors = &sensors;
        context.units = &unitsInFeet;
    }
    void TearDown() override {
        window.reset();
        if (device) device->drop();
    }

    enum Way { ALONE, DIAL_AHEAD, OVERLAY };
    // Two frames, so that the instrument has seen the data change. With the
    // dial ahead, as a page draws: the dial first, in a pass of its own; as
    // an overlay, over whatever lies beneath.
    video::IImage* frame(IPanel& panel, Way way = ALONE) {
        video::IImage* image = nullptr;
        for (int i = 0; i < 2; ++i) {
            ++factory->last->attitudeCount, ++factory->last->altitudeCount;
            device->run();
            video::IVideoDriver* driver = device->getVideoDriver();
            driver->beginScene(true, true, clear);
            const core::rect<int> area(0, 0, kSide, kSide);
            if (way == DIAL_AHEAD && panel.renderUnderneath(area)) window->getDrawer()->separatePass();
            if (way == OVERLAY) panel.renderOverlay(area);
            else panel.render(area);
            if (i == 1) image = captureFrame(driver);
            driver->endScene();
        }
        return image;
    }

    // Bright pixels along a ray from the dial's centre, clockwise from the
    // top, between two fractions of the radius.
    static int brightAlong(video::IImage* image, double degrees, double from, double to) {
        int count = 0;
        for (double r = from; r <= to; r += 0.01) {
            const int x = int(kSide / 2 + r * kSide / 2 * std::sin(degrees * kRad));
            const int y = int(kSide / 2 - r * kSide / 2 * std::cos(degrees * kRad));
            if (image->getPixel(x, y).getLuminance() > 180) ++count;
        }
        return count;
    }

    IrrlichtDevice* device = nullptr;
    std::unique_ptr<TestAppContext> window;
    SensorManager sensors;
    TestSensorFactory* factory = new TestSensorFactory;
    units::UnitConverter unitsInFeet;
    InstrumentContext context;
    video::SColor clear{255, 0, 0, 0};
};

TEST_F(InstrumentRender, AltimeterNeedlesPointIntoTheirSectorsAt12345Feet) {
    factory->last->altitude.altitude = 12345 * 0.3048;
    // Blended over whatever lies beneath, drawn opaque over the page
    // background it is told of, and with the dial drawn ahead as a page
    // draws it: the same needles, and the square's corners show the
    // background every way.
    const video::SColor page(255, 22, 30, 40);
    for (const int way : {0, 1, 2}) {
        SCOPED_TRACE(way);
        const bool toldBackground = way > 0;
        clear = toldBackground ? page : video::SColor(255, 0, 0, 0);
        context.background = nullptr;
        if (toldBackground) context.background = [page] { return page; };
        Altimeter altimeter(context);
        video::IImage* image = frame(altimeter, way == 2 ? DIAL_AHEAD : ALONE);
        ASSERT_NE(image, nullptr);
        struct Needle {
            double angle, from, to;
        };
        // Hundreds at 124.2, thousands at 84.42, ten-thousands at 44.442
        // degrees; each ray is compared with the opposite one, where no
        // needle is.
        for (Needle n : {Needle{124.2, 0.2, 0.75}, Needle{84.42, 0.15, 0.5}, Needle{44.442, 0.2, 0.85}}) {
            SCOPED_TRACE(n.angle);
            const int on = brightAlong(image, n.angle, n.from, n.to);
            const int off = brightAlong(image, n.angle + 180, n.from, n.to);
            EXPECT_GT(on, (n.to - n.from) * 100 * 0.6);
            EXPECT_LT(off, on / 4);
        }
        for (u32 x : {1u, u32(kSide) - 2})
            for (u32 y : {1u, u32(kSide) - 2}) EXPECT_EQ(image->getPixel(x, y).color, clear.color) << x << "," << y;
        image->drop();
    }
}

bool isSky(const video::SColor& c) { return c.getBlue() > c.getRed() + 40; }
bool isGround(const video::SColor& c) { return c.getRed() > c.getBlue() + 30 && c.getGreen() < 140; }

TEST_F(InstrumentRender, AttitudeHorizonTiltsWithBankAndDropsWithPitch) {
    // 20 degrees right wing down, 10 degrees nose up.
    const double pitch = 10 * kRad, roll = 20 * kRad;
    const Vector3d forward = {0, std::sin(pitch), std::cos(pitch)};
    const Vector3d level = {1, 0, 0};
    const Vector3d upNoRoll = forward.crossProduct(level);
    factory->last->attitude.orientation = Matrix3x3(upNoRoll * std::cos(roll) + level * std::sin(roll), forward);
    // Alone, as a page draws it (its case first, opaque over the page's
    // colour, then the window) and as an overlay over the map, where the
    // page's colour must not show.
    for (const Way way : {ALONE, DIAL_AHEAD, OVERLAY}) {
        SCOPED_TRACE(way);
        context.background = nullptr;
        if (way == DIAL_AHEAD) context.background = [this] { return clear; };
        if (way == OVERLAY) context.background = [] { return video::SColor(255, 22, 30, 40); };
        AttitudeIndicator indicator(context);
        video::IImage* image = frame(indicator, way);
        ASSERT_NE(image, nullptr);
        EXPECT_NEAR(indicator.getShownAttitude().roll, 20, 1e-6);
        EXPECT_NEAR(indicator.getShownAttitude().pitch, 10, 1e-6);
        const core::vector2df c = horizonCentre(core::vector2df(kSide / 2, kSide / 2), kSide, 10, 20);
        EXPECT_GT(c.Y, kSide / 2);  // nose up: the horizon is below the centre
        // Along the horizon line (turned counter-clockwise by the bank) the
        // sky lies just above and the ground just below, on both sides.
        const core::vector2df along(std::cos(roll), -std::sin(roll)), normal(std::sin(roll), std::cos(roll));
        for (double s : {-0.25, 0.25}) {
            const core::vector2df p = c + along * float(s * kSide);
            const core::vector2df above = p - normal * 6.0f, below = p + normal * 6.0f;
            SCOPED_TRACE(s);
            EXPECT_TRUE(isSky(image->getPixel(u32(above.X), u32(above.Y))));
            EXPECT_TRUE(isGround(image->getPixel(u32(below.X), u32(below.Y))));
        }
        // Sky and ground stay inside the round case: the square's corners keep
        // what was beneath.
        for (u32 x : {2u, u32(kSide) - 3})
            for (u32 y : {2u, u32(kSide) - 3}) EXPECT_EQ(image->getPixel(x, y).color, 0xFF000000u) << x << "," << y;
        // The aircraft symbol's dot stays over the sky and ground.
        const video::SColor dot = image->getPixel(kSide / 2, kSide / 2);
        EXPECT_GT(dot.getRed(), 200u);
        EXPECT_GT(dot.getGreen(), 140u);
        EXPECT_LT(dot.getBlue(), 60u);
        image->drop();
    }
}

bool isFlagRed(const video::SColor& c) { return c.getRed() > 180 && c.getGreen() < 90 && c.getBlue() < 90; }

TEST_F(InstrumentRender, QuietSourceShowsTheFailureFlagAfterTheTimeout) {
    double clock = 100.0;
    context.clock = [&] { return clock; };
    factory->last->altitude.altitude = 1000;
    Altimeter altimeter(context);
    // The flag sits in the middle of the dial.
    video::IImage* live = frame(altimeter);
    EXPECT_FALSE(isFlagRed(live->getPixel(kSide / 2, kSide / 2)));
    live->drop();
    // The sensor stops: same record and marker from now on.
    auto quietFrame = [&] {
        device->getVideoDriver()->beginScene(true, true, video::SColor(255, 0, 0, 0));
        altimeter.render(core::rect<int>(0, 0, kSide, kSide));
        video::IImage* image = captureFrame(device->getVideoDriver());
        device->getVideoDriver()->endScene();
        const bool flagged = isFlagRed(image->getPixel(kSide / 2, kSide / 2));
        image->drop();
        return flagged;
    };
    clock += InstrumentPanel::kSampleTimeout - 0.1;
    EXPECT_FALSE(quietFrame());
    clock += 0.2;
    EXPECT_TRUE(quietFrame());
    // A changed value alone, with the marker unchanged, is live again.
    factory->last->altitude.altitude = 1001;
    EXPECT_FALSE(quietFrame());
    // A source without a sample of the type never is.
    SampleWatch nothing(ISensorData::TURNRATE, 3.0);
    EXPECT_EQ(nothing.poll(factory->last, 1.0), nullptr);
}

TEST_F(InstrumentRender, SpeedIndicatorGreenArcRunsFromVsToVno) {
    AircraftSpeeds speeds;  // Vs 55, Vno 120, Vne 200
    SpeedIndicator indicator(context, speeds, 0.8);
    video::IImage* image = frame(indicator);
    const double top = SpeedIndicator::topOfScale(speeds);
    // The dial's angle from its top: the scale starts at the bottom.
    auto angle = [&](double knots) { return 180.0 + speedScaleAngle(knots, 0, top, 0.8); };
    auto greenAt = [&](double degrees) {
        const int x = int(kSide / 2 + 0.84 * kSide / 2 * std::sin(degrees * kRad));
        const int y = int(kSide / 2 - 0.84 * kSide / 2 * std::cos(degrees * kRad));
        const video::SColor c = image->getPixel(x, y);
        return c.getGreen() > 150 && c.getRed() < 100;
    };
    EXPECT_TRUE(greenAt(angle(56)));
    EXPECT_TRUE(greenAt(angle(90)));
    EXPECT_TRUE(greenAt(angle(119)));
    EXPECT_FALSE(greenAt(angle(50)));
    EXPECT_FALSE(greenAt(angle(125)));  // yellow from Vno on
    image->drop();
}

}  // namespace
