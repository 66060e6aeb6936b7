#pragma once
#include <irrlicht.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "app/FramePacing.h"
#include "app/ICommonAppContext.h"
#include "app/WindowGeometry.h"
#include "base/UnitConverter.h"
#include "geo/ChartPosition.h"
#include "chart/elements/ElementFactories.h"

class EventReceiver;
class Drawer2D;
class FlexibleFont;
class FlexibleFontManager;
class IniFile;
class LanguageManager;
class LoadingProgressCallback;
class Logger;
class Skin;
class ConcurrentImageLoader;
class HWInputManager;
class InputSystem;
class MaterialManager;
class WipeInput;
class TrafficSpeech;
class ProgramDialogs;
class SensorManager;
class PanelManager;
class SystemManager;
class SensorMessages;
class ExtendedChart;
class ChartRenderers;
class IPanelFactory;
struct InstrumentContext;

// Owns every manager for the life of the process and runs the per-frame
// housekeeping: pacing, screen changes and the resize callbacks.
class Context : public ICommonAppContext {
public:
    Context(irr::IrrlichtDevice* device, const char* argv0, bool withLoadingScreen);
    ~Context() override;

    EventReceiver* getEventReceiver() override { return eventReceiver.get(); }
    Drawer2D* getDrawer() override { return drawer.get(); }
    irr::IrrlichtDevice* getIrrlichtDevice() override { return device; }
    FlexibleFont* getFlexibleFont() override { return defaultFont; }
    int getRecommendedButtonWidth() override { return screenParams.buttonWidth; }
    int getRecommendedButtonHeight() override { return screenParams.buttonHeight; }
    std::string getPath(const std::string& relative) override;
    void setSoftInputVisibility(bool) override {}
    void gotoURL(const std::string& url) override;

    // Per frame: pacing and screen-change handling. Tells whether a screen
    // change was processed now, is still pending, or nothing happened.
    ScreenChangeTracker::Result yieldAndUpdate();
    void calculateScreenDependentParams();
    int addResizeCallback(const std::function<void()>& callback) { return resizeCallbacks.add(callback); }
    void removeResizeCallback(int id) { resizeCallbacks.remove(id); }

    void grabResizeLock() { ++resizeLock; }
    void dropResizeLock() { --resizeLock; }
    bool isResizeLocked() const { return resizeLock != 0; }

    void setShallExit(bool exit) { exitRequested = exit; }
    bool shallExit() const { return exitRequested; }

    void loadSettingFromIni(IniFile* ini);
    void reloadAllSettings(IniFile* ini, bool flag);
    // Shows "File does not exist: <path>" and stops when a required file is
    // missing; returns only when the file exists.
    void assertExistance(std::string path);
    void OnMustFreeMemory();
    void gotoLocationApp(ChartPosition position);
    bool isRawGyro() const { return true; }

    // Day (0) or night (1): the skin, the map and the instruments follow.
    void setStyle2D(int style);
    void toggleDayNight();
    int getStyle2D() const { return style2D; }
    const std::wstring& getPreLandingReminder() const { return preLandingReminder; }

    uint32_t getScreenWidth() const { return screenWidth; }
    uint32_t getScreenHeight() const { return screenHeight; }
    uint32_t getScreenArea() const { return screenParams.area; }
    int getThirdLength() const { return screenParams.thirdLength; }
    bool isPortrait() const { return screenParams.portrait; }

    SystemManager* getSystemManager() { return systemManager.get(); }
    Skin* getSkin();
    LanguageManager* getLanguageManager() { return languageManager.get(); }
    SensorManager* getSensorManager() { return sensorManager.get(); }
    PanelManager* getPanelManager() { return panelManager.get(); }
    ProgramDialogs* getDialogs() { return dialogs.get(); }
    InputSystem* getInputSystem() { return inputSystem.get(); }
    HWInputManager* getHWInputManager() { return hwInput.get(); }
    ConcurrentImageLoader* getImageLoader() { return imageLoader.get(); }
    // The units the pilot reads values in, as configured.
    const units::UnitConverter& getUnitConverter() const { return unitConverter; }
    const ChartElementFactoryList& getChartElementFactories() const { return chartElementFactories; }
    // The installed chart; null until it is loaded at start.
    ExtendedChart* getChart() { return chart.get(); }

private:
    void processScreenChange();
    void checkConfigVersion();
    void keepLoadingScreenUp(double since);
    void addMenuEntries();
    // The on-screen keyboard depends on the screen's shape: made anew on
    // every screen change.
    void createInputSystem(IniFile* ini);
    // The font of the configuration ("font") at the screen's text size.
    void loadConfiguredFont(const IniFile& ini);
    void installTrafficCallouts(const IniFile& ini);
    void applyAutopilotSettings();
    // The chart below the Data location, loaded with its progress on the
    // loading screen. Without chart data the map shows the aircraft alone
    // and says why.
    void loadChart();
    // The panel kinds built above the panels library (the map).
    IPanelFactory* createPanelFactory(int index, const InstrumentContext& instruments);

    irr::IrrlichtDevice* device;
    std::unique_ptr<FlexibleFontManager> fontManager;
    std::unique_ptr<Drawer2D> drawer;
    std::unique_ptr<SystemManager> systemManager;
    std::unique_ptr<LoadingProgressCallback> loading;
    std::unique_ptr<Logger> ownLogger;
    std::unique_ptr<LanguageManager> languageManager;
    std::unique_ptr<EventReceiver> eventReceiver;
    std::unique_ptr<SensorMessages> sensorMessages;
    std::unique_ptr<SensorManager> sensorManager;
    std::unique_ptr<PanelManager> panelManager;
    std::unique_ptr<ConcurrentImageLoader> imageLoader;
    std::unique_ptr<MaterialManager> materialManager;
    std::unique_ptr<WipeInput> wipeInput;
    std::unique_ptr<InputSystem> inputSystem;
    std::unique_ptr<HWInputManager> hwInput;
    std::unique_ptr<TrafficSpeech> trafficSpeech;
    std::unique_ptr<ProgramDialogs> dialogs;
    ChartElementFactoryList chartElementFactories;
    std::unique_ptr<ExtendedChart> chart;
    std::shared_ptr<ChartRenderers> chartRenderers;
    std::wstring chartMessage;
    units::UnitConverter unitConverter;
    FlexibleFont* defaultFont = nullptr;

    uint32_t screenWidth = 0;
    uint32_t screenHeight = 0;
    ScreenDependentParams screenParams;
    int style2D = 0;
    std::wstring preLandingReminder;
    std::wstring updateMessage;
    bool exitRequested = false;
    int resizeLock = 0;
    ResizeCallbacks resizeCallbacks;
    ScreenChangeTracker screenChange;
    uint32_t previousFrameStamp = 0;
};
