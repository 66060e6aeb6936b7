#pragma once
// A map panel over the demo chart of the build's home in the suite's
// window, with the pilot's controls as the map sees them.
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "base/DataLocationsFile.h"
#include "base/UnitConverter.h"
#include "chart/files/ExtendedChart.h"
#include "gui/FlexibleFont.h"
#include "map/ChartRenderers.h"
#include "map/Map2D.h"
#include "base/IniFile.h"
#include "sensors/GPS_Data.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/Traffic_Data.h"
#include "sensors/ISensorFactory.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"
#include "support/GuiWindow.h"
#include "support/TempDir.h"
#include "support/TestAppContext.h"

// A receiver of position, altitude and traffic that reports what the test
// sets.
class TestGnss : public ISensor {
public:
    std::string getName() override { return "Test GNSS"; }
    bool Update() override { return true; }
    uint32_t lastTimeUpdated(ISensorData::Type) override { return ++updates; }
    ISensorData* getData(ISensorData::Type type) override {
        if (type == ISensorData::GPS) return &gps;
        if (type == ISensorData::ALTITUDE) return &altitude;
        if (type == ISensorData::TRAFFIC) return &traffic;
        return nullptr;
    }
    bool isDataTypeSupported(ISensorData::Type type) override { return getData(type) != nullptr; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return kTypes; }
    WarningLevel getWarning(ISensorData::Type) override { return GOOD; }
    GPS_Data gps;
    Altitude_Data altitude;
    Traffic_Data traffic;
    uint32_t updates = 0;
    static inline const std::vector<ISensorData::Type> kTypes = {ISensorData::GPS, ISensorData::ALTITUDE,
                                                                 ISensorData::TRAFFIC};
};

struct TestGnssFactory : NoSetupGUISensorFactory {
    TestGnss* last = nullptr;
    ISensor* Create() override { return last = new TestGnss; }
    std::string getName() override { return "Test GNSS"; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return TestGnss::kTypes; }
};

class MapFixture : public GuiWindow {
protected:
    void SetUp() override {
        GuiWindow::SetUp();
        app = std::make_unique<TestAppContext>(device, 60, 40);
        if (!chart) {
            const std::string home = std::string(CIRRONA_BINARY_DIR) + "/cirrona-home/";
            std::string storage, error;
            ASSERT_TRUE(findChartStoragePath(home, &storage, &error)) << error;
            // The demo chart's data, with a home of the suite's own for the
            // waypoints the tests make.
            static TempDir ownHome;
            std::filesystem::create_directories(ownHome / "data");
            std::filesystem::copy_file(home + "data/data.ini", ownHome / "data/data.ini");
            chart = new ExtendedChart(ownHome.path(), 100000, 80, nullptr, storage);
            chart->loadData();
        }
        renderers = std::make_shared<ChartRenderers>(app->drawer);
        fonts = std::make_unique<FlexibleFontManager>(driver);
        context.instruments.app = app.get();
        context.instruments.units = &units;
        context.instruments.night = [this] { return night; };
        context.instruments.font = [this](int height) -> irr::gui::IGUIFont* {
            return fonts->getFont(std::string(CIRRONA_BINARY_DIR) + "/cirrona-home/media/sdff/fonts/Roboto Medium.ttf",
                                  static_cast<unsigned>(height));
        };
        context.instruments.showMessageBox = [this](const std::wstring& title, const std::wstring& text) {
            shownTitle = title, shownText = text;
        };
        context.chart = chart;
        context.renderers = renderers;
        context.askChoice = [this](const std::wstring&, const std::wstring& question, std::vector<std::wstring> answers,
                                   std::function<void(int)> chosen) {
            questions.push_back(question);
            offered.push_back(answers);
            chosen(answerWith ? answerWith(answers) : -1);
        };
    }

    // The map reads the aircraft from this receiver from now on.
    TestGnss& useGnss(double longitude, double latitude, double track) {
        registerSensorDataFactories(sensors);
        sensors.addSensorFactory(gnssFactory);
        IniFile ini;
        ini.setFromString("SensorCount = 2\nD0 = 1\nD5 = 1\nD15 = 1\n[S1]\nFactoryIndex = 0\n");
        sensors.loadSensorSettingsFromIni(&ini, false);
        context.instruments.sensors = &sensors;
        TestGnss& gnss = *gnssFactory->last;
        gnss.gps.longitude = longitude, gnss.gps.latitude = latitude, gnss.gps.groundTrack = track;
        return gnss;
    }

    // Centres the map on the position at the zoom and draws until the chart
    // picture is complete; returns the last frame.
    irr::video::IImage* show(Map2D& map, double longitude, double latitude, double zoom) {
        map.processPanelEvent("gotoPos", {{"longitude", std::to_string(longitude)}, {"latitude", std::to_string(latitude)}});
        map.processPanelEvent("zoom", {{"zoom", std::to_string(zoom)}});
        return settle(map);
    }
    irr::video::IImage* settle(Map2D& map) {
        irr::video::IImage* frame = nullptr;
        for (int i = 0; i < 200; ++i) {
            if (frame) frame->drop();
            frame = render([&] { map.render(area); });
            if (i > 2 && map.isChartCurrent()) break;
            if (i > 2) usleep(10000);  // a zoom rests before the chart is drawn for it
        }
        return frame;
    }

    irr::core::rect<int> area{0, 0, 800, 480};
    std::unique_ptr<TestAppContext> app;
    std::shared_ptr<ChartRenderers> renderers;
    std::unique_ptr<FlexibleFontManager> fonts;
    units::UnitConverter units;
    SensorManager sensors;
    TestGnssFactory* gnssFactory = new TestGnssFactory;
    MapContext context;
    bool night = false;
    std::wstring shownTitle, shownText;
    // The pilot's answers to the map's questions, and what was asked.
    std::function<int(const std::vector<std::wstring>&)> answerWith;
    std::vector<std::wstring> questions;
    std::vector<std::vector<std::wstring>> offered;
    static inline ExtendedChart* chart = nullptr;
};
