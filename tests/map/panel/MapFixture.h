#pragma once
// A map panel over the demo chart of the build's home in the suite's
// window, with the pilot's controls as the map sees them.
#include <memory>
#include <string>
#include <unordered_map>

#include "base/DataLocationsFile.h"
#include "base/UnitConverter.h"
#include "chart/files/ExtendedChart.h"
#include "gui/FlexibleFont.h"
#include "map/ChartRenderers.h"
#include "map/Map2D.h"
#include "support/GuiWindow.h"
#include "support/TestAppContext.h"

class MapFixture : public GuiWindow {
protected:
    void SetUp() override {
        GuiWindow::SetUp();
        app = std::make_unique<TestAppContext>(device, 60, 40);
        if (!chart) {
            const std::string home = std::string(CIRRONA_BINARY_DIR) + "/cirrona-home/";
            std::string storage, error;
            ASSERT_TRUE(findChartStoragePath(home, &storage, &error)) << error;
            chart = new ExtendedChart(home, 100000, 80, nullptr, storage);
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
            if (i > 2 && !map.isDrawingChart()) break;
        }
        return frame;
    }

    irr::core::rect<int> area{0, 0, 800, 480};
    std::unique_ptr<TestAppContext> app;
    std::shared_ptr<ChartRenderers> renderers;
    std::unique_ptr<FlexibleFontManager> fonts;
    units::UnitConverter units;
    MapContext context;
    bool night = false;
    std::wstring shownTitle, shownText;
    static inline ExtendedChart* chart = nullptr;
};
