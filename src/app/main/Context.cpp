#include "app/main/Context.h"

#include "app/main/ProgramDialogs.h"
#include "gui/dialogs/ChoiceDialog.h"
#include "gui/dialogs/SensorPresetDialog.h"
#include "gui/dialogs/SettingsEditorDialog.h"

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
#include "chart/files/ExtendedChart.h"
#include "fusion/FlightStateIMU.h"
#include "map/ChartRenderers.h"
#include "gui/Drawer2D.h"
#include "gui/ConcurrentImageLoader.h"
#include "gui/FlexibleFont.h"
#include "gui/HWInputManager.h"
#include "gui/InputSystem.h"
#include "gui/MaterialManager.h"
#include "gui/WipeInput.h"
#include "gui/logic/Keyboard.h"
#include "gui/Skin.h"
#include "panels/Menu.h"
#include "panels/PanelKinds.h"
#include "panels/PanelManager.h"
#include "sdr/ADSBSensorKinds.h"
#include "sensors/ISensorManagerUI.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"
#include "traffic/TrafficSpeech.h"
#include "traffic/TrafficWarningHook.h"

using namespace irr;

namespace {
constexpr unsigned kEventQueueCapacity = 200;
constexpr float kLoadingStep = 1.0f / 13.0f;
}  // namespace

// Sensor messages ("Connection lost." and the like) go to the pilot's
// message line; a change of sensors reaches the panels; the questions of
// presets and the settings editor are dialogs, answered before the sensor
// side goes on.
class SensorMessages : public ISensorManagerUI {
public:
    SensorMessages(PanelManager& panels, ProgramDialogs& dialogs) : panels(panels), dialogs(dialogs) {}
    void setMessage(const void* owner, const std::wstring& text, int colour, int durationMs) override {
        panels.setMessage(owner, text, colour, durationMs);
    }
    void removeMessage(const void* owner) override { panels.removeMessage(owner); }
    void OnSensorChanged() override { panels.OnSensorChanged(); }
    int askUserChoice(const std::wstring& question, const std::vector<std::wstring>& choices) override {
        return ::askUserChoice(dialogs.getDialogContext(), question, choices);
    }
    IConfigOverride* chooseSensorConfigOverride(const std::vector<ConfigOverrideSection>& sections) override {
        logMessage("cpp: Choose Sensors", Logger::BOTH);
        return ::chooseSensorConfigOverride(dialogs.getDialogContext(), sections);
    }
    bool editSettings(const std::string& descriptor, IniFile* ini, const std::string& section) override {
        return ::editSettings(dialogs.getDialogContext(), descriptor, ini, section);
    }

private:
    PanelManager& panels;
    ProgramDialogs& dialogs;
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
    imageLoader = std::make_unique<ConcurrentImageLoader>(device->getVideoDriver());
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
    panelManager = std::make_unique<PanelManager>(this, getSkin());
    panelManager->setResizeLock([this] { grabResizeLock(); }, [this] { dropResizeLock(); });
    panelManager->setDayNightHandler([this] { toggleDayNight(); });
    logMessage("cpp: Load Font", Logger::BOTH);
    panelManager->loadFontSettingsFromIni(&ini);
    loadConfiguredFont(ini);
    dialogs = std::make_unique<ProgramDialogs>(*this);
    setModalAbortCheck([] { return isShutdownRequested(); });
    sensorMessages = std::make_unique<SensorMessages>(*panelManager, *dialogs);
    sensorManager = std::make_unique<SensorManager>();
    sensorManager->setUI(sensorMessages.get());
    sensorManager->registerSensorDataReceiver(panelManager->getSensorDataReceiver());
    eventReceiver = std::make_unique<EventReceiver>(this, kEventQueueCapacity);
    device->setEventReceiver(eventReceiver.get());
    wipeInput = std::make_unique<WipeInput>(video::SColor(255, 255, 255, 255), 10);
    createInputSystem(&ini);
    EventReceiver* events = eventReceiver.get();
    hwInput = std::make_unique<HWInputManager>(
        getPath("data/hwinput.ini"),
        [events](int i, SEvent::SJoystickEvent& state) {
            if (i >= events->getJoystickCount()) return false;
            state = events->getJoystickStatus(i);
            return true;
        },
        device->getGUIEnvironment());
    hwInput->setListener(panelManager.get());
    materialManager = std::make_unique<MaterialManager>(device->getVideoDriver());
    materialManager->configure(*drawer);
    if (getSkin()) getSkin()->setButtonMaterial(materialManager->getVertexAndTextureColorMaterial());
    loading->nextStep();

    logMessage("cpp: Set Up Factories");
    chartElementFactories = createChartElementFactories();
    loading->draw();
    registerSensorKinds(*sensorManager,
                        new FlightStateIMUFactory(sensorManager.get(), getPath("data/calibration.ini")),
                        createADSBSensorKinds(sensorManager.get()));
    installTrafficCallouts(ini);
    InstrumentContext instruments;
    instruments.app = this;
    instruments.sensors = sensorManager.get();
    instruments.units = &unitConverter;
    instruments.panels = panelManager.get();
    instruments.night = [this] { return style2D != 0; };
    // What the main loop clears the window to.
    instruments.background = [this] {
        Skin* skin = getSkin();
        return skin ? skin->getBackgroundColor() : video::SColor(255, 0, 0, 0);
    };
    instruments.showMessageBox = [this](const std::wstring& title, const std::wstring& text) {
        dialogs->showMessage(title, text);
    };
    instruments.font = [this](int pixelHeight) -> gui::IGUIFont* {
        if (pixelHeight < 6) return nullptr;
        // Sizes in steps of 4 pixels keep the number of glyph atlases small.
        const unsigned size = static_cast<unsigned>((pixelHeight + 3) / 4 * 4);
        return fontManager->getFont(getPath("media/sdff/fonts/Roboto Medium.ttf"), size);
    };
    registerPanelKinds(*panelManager, instruments,
                       [this, instruments](int index, const std::string&) { return createPanelFactory(index, instruments); });
    loading->nextStep();

    logMessage("cpp: Load Settings");
    loading->nextStep();
    loadSettingFromIni(&ini);
    unitConverter.readDefaultUnitsFromIni(ini, "");
    inputSystem->loadInputSettingsFromIni(ini);
    loading->nextStep();
    // A dedicated cockpit display takes the last sensors without asking;
    // otherwise the chooser comes up while no sensor is configured yet.
    bool ask = true;
    if (hwInput->shouldAutoSelectPreviousSensors()) ask = convertStringTo<int>(ini.get("", "SensorCount")) == 1;
    if (sensorManager->loadSensorSettingsFromIni(&ini, ask)) ini.save(getPath("data/config.ini"));
    applyAutopilotSettings();
    loadChart();

    const double t0 = getSecs();
    loading->nextStep();
    logMessage("cpp: Load Panels", Logger::BOTH);
    panelManager->loadPanelSettingsFromIni(&ini, [this](const std::wstring&) { loading->draw(); }, true, false);
    addMenuEntries();
    loading->nextStep();
    if (!updateMessage.empty()) panelManager->setMessage(this, updateMessage, PanelManager::NOTICE, 30000);
    if (!chartMessage.empty()) panelManager->setMessage(chart.get(), chartMessage, PanelManager::NOTICE, 15000);
    keepLoadingScreenUp(t0);
    loading->nextStep();
    loading.reset();
}

Context::~Context() {
    // Open dialogs leave the event receiver's path before it goes.
    if (panelManager) panelManager->unload(false);
    if (eventReceiver && inputSystem) eventReceiver->removeSubEventReceiver(inputSystem.get());
    inputSystem.reset();
    hwInput.reset();
    device->setEventReceiver(nullptr);
    eventReceiver.reset();
    if (sensorManager) sensorManager->tryShutdown();
    if (sensorManager && panelManager) sensorManager->unregisterSensorDataReceiver(panelManager->getSensorDataReceiver());
    sensorManager.reset();
    panelManager.reset();
    chartRenderers.reset();
    chart.reset();
    sensorMessages.reset();
    dialogs.reset();
    drawer.reset();
    imageLoader.reset();
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
    // Meanwhile the sensors are read and the panels work ahead, so that the
    // first frame after it already shows the map.
    while (getSecs() - since < 4.0 && !isShutdownRequested() && device->run()) {
        if (sensorManager) sensorManager->Update();
        loading->draw([this] { panelManager->prepare(); });
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
    if (dialogs) dialogs->runPending();
    if (hwInput) hwInput->update();
    if (imageLoader) imageLoader->update();
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
    IniFile ini(getPath("data/config.ini"));
    loadConfiguredFont(ini);
    if (panelManager) {
        panelManager->OnScreenChanged(&ini);
        addMenuEntries();
    }
    createInputSystem(&ini);
    if (sensorManager) sensorManager->OnScreenChanged();
}

void Context::applyAutopilotSettings() {
    // Each sensor that can drive an autopilot keeps its output settings in
    // the autopilot file under its own section.
    for (int i = 1; i < sensorManager->getSensorInterfaceCount(); ++i)
        if (auto* sensor = dynamic_cast<ASensorWithAutopilot*>(sensorManager->getSensorInterface(i)))
            sensor->readAutopilotConfig(getPath("data/autopilotConfig.ini"), "S" + std::to_string(i));
}

void Context::installTrafficCallouts(const IniFile& ini) {
    // Spoken calls are the pilot's choice ("trafficCallouts = 1"); the
    // warning on the message line is always there when warnings are on.
    std::function<void(const std::string&)> speak;
    if (convertStringTo<int>(ini.get("", "trafficCallouts")) != 0) {
        trafficSpeech = std::make_unique<TrafficSpeech>();
        TrafficSpeech* speech = trafficSpeech.get();
        speak = [speech](const std::string& text) { speech->say(text); };
    }
    // No aircraft profiles yet: no target is taken for the own aircraft.
    installTrafficWarning(*sensorManager, &unitConverter, [] { return nullptr; }, speak);
}

void Context::loadConfiguredFont(const IniFile& ini) {
    std::string name = ini.get("", "font");
    if (name.empty()) name = "Roboto";
    // A family that is not installed falls back to Roboto Medium (logged).
    FlexibleFont* font = fontManager->getFontByName(name, getPath("media/sdff/fonts/"),
                                                    defaultTextPixelSize(device->getVideoDriver()));
    if (!font) return;
    defaultFont = font;
    if (getSkin()) getSkin()->setDefaultFont(font);
}

void Context::createInputSystem(IniFile* ini) {
    if (inputSystem) eventReceiver->removeSubEventReceiver(inputSystem.get());
    video::ITexture* change = device->getVideoDriver()->getTexture(getPath("media/change.png").c_str());
    inputSystem = std::make_unique<InputSystem>(device, drawer.get(), getStandardKeyboards(), change, wipeInput.get());
    // It sees taps before the GUI: a tap on a key is no click on what is below.
    eventReceiver->addSubEventReceiver(inputSystem.get());
    inputSystem->loadInputSettingsFromIni(*ini);
    inputSystem->getKeyboardDefinitions()[0].keyAspect = screenParams.portrait ? 1.0 : 2.0;
}

void Context::loadSettingFromIni(IniFile* ini) {
    preLandingReminder = convertUtf8ToWString(ini->get("", "preLandingReminder"));
}

void Context::reloadAllSettings(IniFile* ini, bool flag) {
    unitConverter.readDefaultUnitsFromIni(*ini, "");
    loadSettingFromIni(ini);
    device->run();
    if (sensorManager) {
        sensorManager->unload();
        device->run();
        if (sensorManager->loadSensorSettingsFromIni(ini, flag)) ini->save(getPath("data/config.ini"));
        applyAutopilotSettings();
        device->run();
    }
    if (panelManager) {
        panelManager->unload(false);
        panelManager->loadPanelSettingsFromIni(ini, nullptr, true, true);
        addMenuEntries();
    }
}

void Context::setStyle2D(int style) {
    style2D = style;
    if (Skin* skin = getSkin()) skin->setMode(style == 0 ? Skin::MODERN_LIGHT : Skin::MODERN_DARK);
    if (panelManager) panelManager->OnChartStyleChanged();
}

void Context::toggleDayNight() { setStyle2D(style2D == 0 ? 1 : 0); }

void Context::addMenuEntries() {
    if (Menu* menu = panelManager->getMenu()) dialogs->addMenuEntries(*menu);
}

void Context::OnMustFreeMemory() {
    if (panelManager) panelManager->OnMustFreeMemory();
}

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
