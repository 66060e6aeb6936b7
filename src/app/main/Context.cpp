#include "app/main/Context.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "app/EventReceiver.h"
#include "base/IniFile.h"
#include "app/LanguageManager.h"
#include "app/LoadingScreen.h"
#include "base/Logger.h"
#include "app/ShutdownSignal.h"
#include "base/StringConversions.h"
#include "base/Version.h"
#include "app/SystemManager.h"
#include "base/Time.h"
#include "fusion/FlightStateIMU.h"
#include "gui/Drawer2D.h"
#include "gui/FlexibleFont.h"
#include "gui/Skin.h"
#include "sensors/ISensorManagerUI.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
constexpr unsigned kEventQueueCapacity = 200;
constexpr float kLoadingStep = 1.0f / 13.0f;
}  // namespace

// Sensor messages ("Connection lost." and the like) go to the pilot's
// message line.
class SensorMessages : public ISensorManagerUI {
public:
    explicit SensorMessages(MessageArea& area) : area(area) {}
    void setMessage(const void* owner, const std::wstring& text, int colour, int durationMs) override {
        area.setMessage(owner, text, colour, durationMs, getMilliSecs());
    }
    void removeMessage(const void* owner) override { area.removeMessage(owner); }

private:
    MessageArea& area;
};

Context::Context(IrrlichtDevice* dev, const char* argv0, bool) : device(dev) {
    Drawer2D::initStaticVars();
    const core::dimension2d<u32> size = device->getVideoDriver()->getScreenSize();
    screenWidth = size.Width;
    screenHeight = size.Height;
    screenChange.setSize(screenWidth, screenHeight);
    calculateScreenDependentParams();
    style2D = 0;
    previousFrameStamp = getMilliSecs();

    fontManager = std::make_unique<FlexibleFontManager>(device->getVideoDriver());
    drawer = std::make_unique<Drawer2D>(device);
    systemManager = std::make_unique<SystemManager>(this, drawer.get(), argv0, fontManager.get());
    defaultFont = systemManager->getDefaultFont();

    loading = std::make_unique<LoadingProgressCallback>(device, getPath("media/loading2.png"),
                                                        getPath("media/photos/8.jpg"), kLoadingStep);
    loading->draw();

    checkConfigVersion();
    IniFile ini(getPath("data/config.ini"));

    ownLogger = std::make_unique<Logger>(getPath("Logs/"));
    logger = ownLogger.get();
    languageManager = std::make_unique<LanguageManager>(getPath("media/GUI/lang"), getPath("data/language.ini"));
    loading->nextStep();

    logMessage("cpp: Create Managers");
    logMessage("cpp: Load Font");
    sensorMessages = std::make_unique<SensorMessages>(messages);
    sensorManager = std::make_unique<SensorManager>();
    sensorManager->setUI(sensorMessages.get());
    eventReceiver = std::make_unique<EventReceiver>(this, kEventQueueCapacity);
    device->setEventReceiver(eventReceiver.get());
    loading->nextStep();

    logMessage("cpp: Set Up Factories");
    chartElementFactories = createChartElementFactories();
    loading->draw();
    registerSensorKinds(*sensorManager,
                        new FlightStateIMUFactory(sensorManager.get(), getPath("data/calibration.ini")));
    loading->nextStep();

    logMessage("cpp: Load Settings");
    loading->nextStep();
    loadSettingFromIni(&ini);
    unitConverter.readDefaultUnitsFromIni(ini, "");
    loading->nextStep();
    // Without a hardware-input layer that remembers the last choice, the
    // configured sensors are taken as they stand.
    if (sensorManager->loadSensorSettingsFromIni(&ini, true)) ini.save(getPath("data/config.ini"));

    const double t0 = getSecs();
    loading->nextStep();
    loading->nextStep();
    if (!updateMessage.empty()) messages.setMessage(this, updateMessage, MessageArea::NOTICE, 30000, getMilliSecs());
    keepLoadingScreenUp(t0);
    loading->nextStep();
    loading.reset();
}

Context::~Context() {
    device->setEventReceiver(nullptr);
    eventReceiver.reset();
    if (sensorManager) sensorManager->tryShutdown();
    sensorManager.reset();
    sensorMessages.reset();
    drawer.reset();
    logger = nullptr;
    ownLogger.reset();
    languageManager.reset();
    loading.reset();
    systemManager.reset();
    fontManager.reset();
}

void Context::checkConfigVersion() {
    IniFile config(getPath("data/config.ini"));
    const unsigned major = convertStringTo<unsigned>(config.get("", "major"));
    const unsigned minor = convertStringTo<unsigned>(config.get("", "minor"));
    if (major < 3 || (major == 3 && minor <= 2)) {
        systemManager->writeStandardConfig();
        updateMessage = L"Cirrona has been updated to version " + std::to_wstring(kCirronaVersionMajor) + L"." +
                        std::to_wstring(kCirronaVersionMinor);
    }
}

void Context::keepLoadingScreenUp(double since) {
    // The logo stays up long enough to be seen, but a request to quit wins.
    while (getSecs() - since < 4.0 && !isShutdownRequested() && device->run()) {
        loading->draw();
        delay(100);
    }
}

Skin* Context::getSkin() { return systemManager ? systemManager->getSkin() : nullptr; }

std::string Context::getPath(const std::string& relative) { return systemManager->getAbsolutePath(relative); }

void Context::gotoURL(const std::string& url) {
    const std::string command = "xdg-open \"" + url + "\" &";
    const int result = std::system(command.c_str());
    std::printf("system result: %i\n", result);
}

void Context::gotoLocationApp(ChartPosition position) {
    std::ostringstream url;
    url.precision(7);
    url << std::fixed << "https://www.openstreetmap.org/?mlat=" << position.latitude << "&mlon=" << position.longitude
        << "#map=14/" << position.latitude << "/" << position.longitude;
    gotoURL(url.str());
}

void Context::calculateScreenDependentParams() {
    const core::dimension2d<u32> size = device->getVideoDriver()->getScreenSize();
    screenParams = ::calcScreenDependentParams(size.Width, size.Height);
}

ScreenChangeTracker::Result Context::yieldAndUpdate() {
    delay(frameSleepMs(TimeDiff(getMilliSecs(), previousFrameStamp)));
    previousFrameStamp = getMilliSecs();

    const core::dimension2d<u32> size = device->getVideoDriver()->getScreenSize();
    bool changed = false;
    const ScreenChangeTracker::Decision decision =
        screenChange.observe(size.Width, size.Height, getSecs(), isResizeLocked(), &changed);
    if (changed) {
        screenWidth = size.Width;
        screenHeight = size.Height;
        logMessage("screen change detected", Logger::CONSOLE);
    }
    switch (decision) {
        case ScreenChangeTracker::NO_CHANGE: return ScreenChangeTracker::NOTHING;
        case ScreenChangeTracker::WAIT: return ScreenChangeTracker::PENDING;
        case ScreenChangeTracker::PROCESS_NOW: processScreenChange(); return ScreenChangeTracker::PROCESSED;
    }
    return ScreenChangeTracker::NOTHING;
}

void Context::processScreenChange() {
    calculateScreenDependentParams();
    logMessage("processing screen change", Logger::BOTH);
    video::IVideoDriver* driver = device->getVideoDriver();
    driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
    drawer->drawTextCentred(getSkin() ? getSkin()->getDefaultFont() : nullptr, L"Please wait...",
                            driver->getViewPort(), video::SColor(255, 255, 255, 255));
    driver->endScene();
    if (getSkin()) getSkin()->OnScreenChanged();
    resizeCallbacks.callAll();
}

void Context::loadSettingFromIni(IniFile* ini) {
    preLandingReminder = convertUtf8ToWString(ini->get("", "preLandingReminder"));
    drawFPS = convertStringTo<int>(ini->get("", "drawFPS")) != 0;
}

void Context::reloadAllSettings(IniFile* ini, bool flag) {
    unitConverter.readDefaultUnitsFromIni(*ini, "");
    loadSettingFromIni(ini);
    device->run();
    if (sensorManager) {
        sensorManager->unload();
        device->run();
        if (sensorManager->loadSensorSettingsFromIni(ini, flag)) ini->save(getPath("data/config.ini"));
        device->run();
    }
}

void Context::OnMustFreeMemory() {}

void Context::assertExistance(std::string path) {
    if (SystemManager::fileExists(path)) return;
    const std::string text = "File does not exist: " + path;
    logMessage(text, Logger::CONSOLE);
    yieldAndUpdate();
    // Nothing sensible can run without the file: keep the message up until
    // the window is closed or the process is asked to end.
    const std::wstring message = convertUtf8ToWString(text);
    video::IVideoDriver* driver = device->getVideoDriver();
    do {
        driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
        drawer->drawTextCentred(getSkin() ? getSkin()->getDefaultFont() : nullptr, message, driver->getViewPort(),
                                video::SColor(255, 255, 255, 255));
        driver->endScene();
        delay(100);
    } while (device->run() && !isShutdownRequested());
    std::exit(1);
}
