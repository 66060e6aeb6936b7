#include "app/main/ProgramDialogs.h"

#include "base/StringConversions.h"
#include "map/rules/MapSettings.h"

#include "app/EventReceiver.h"
#include "app/main/Context.h"
#include "base/IniFile.h"
#include "gui/dialogs/AltimeterDialog.h"
#include "gui/dialogs/ChoiceDialog.h"
#include "gui/dialogs/ForwarderSetupDialog.h"
#include "gui/dialogs/GDL90CalibrationDialog.h"
#include "gui/dialogs/RecordingDialog.h"
#include "gui/dialogs/RecordingTexts.h"
#include "gui/dialogs/ReplayDialog.h"
#include "gui/dialogs/SensorPresetDialog.h"
#include "gui/dialogs/SensorSetupDialog.h"
#include "gui/dialogs/SettingsEditorDialog.h"
#include "panels/Menu.h"
#include "panels/PanelManager.h"
#include "sensors/IConfigOverride.h"
#include "sensors/SensorManager.h"
#include "sensors/gdl90/GDL90Sensor.h"
#include "sensors/recording/RecordingControl.h"

namespace {

// An open dialog as the menu holds it: in the event path while open, out of
// it before it is deleted.
class HostedDialog : public IMenuDialog {
public:
    HostedDialog(std::unique_ptr<ADialog> dialog, EventReceiver* events, std::function<void(ADialog&)> onFinished)
        : dialog(std::move(dialog)), events(events), onFinished(std::move(onFinished)) {
        this->dialog->open();
        if (events) events->addSubEventReceiver(this->dialog.get());
    }
    ~HostedDialog() override {
        if (events) events->removeSubEventReceiver(dialog.get());
    }
    bool isFinished() const override {
        if (!dialog->isFinished()) return false;
        if (onFinished) {
            auto report = std::move(onFinished);
            onFinished = nullptr;
            report(*dialog);
        }
        return true;
    }

private:
    std::unique_ptr<ADialog> dialog;
    EventReceiver* events;
    mutable std::function<void(ADialog&)> onFinished;
};

// The first running sensor of the kind with its configuration section.
template <class Kind>
Kind* findSensor(SensorManager& sensors, std::string& section) {
    for (int i = 1; i < sensors.getSensorInterfaceCount(); ++i)
        if (auto* found = dynamic_cast<Kind*>(sensors.getSensorInterface(i))) {
            section = "S" + std::to_string(i);
            return found;
        }
    return nullptr;
}

}  // namespace

ProgramDialogs::ProgramDialogs(Context& context) : context(context) {
    dialogContext.device = context.getIrrlichtDevice();
    dialogContext.skin = context.getSkin();
    dialogContext.buttonWidth = context.getRecommendedButtonWidth();
    dialogContext.buttonHeight = context.getRecommendedButtonHeight();
    Context* c = &context;
    dialogContext.resolvePath = [c](const std::string& relative) { return c->getPath(relative); };
}

ProgramDialogs::~ProgramDialogs() = default;

void ProgramDialogs::addMenuEntries(Menu& menu) {
    menu.addEntry(L"Sensor presets", [this] { showSensorPresets(); });
    menu.addEntry(L"Sensor setup", [this] { showSensorSetup(); });
    menu.addEntry(L"Altimeter setting", [this] { showAltimeterSetting(); });
    menu.addEntry(L"GDL90 calibration", [this] { showGDL90Calibration(); });
    menu.addEntry(L"Autopilot output", [this] { showAutopilotSettings(); });
    menu.addEntry(L"Flight recording", [this] { showRecording(); });
    menu.addEntry(L"Replay", [this] { showReplay(); });
    menu.addEntry(L"Data forwarding", [this] { showForwarderSetup(); });
    menu.addEntry(L"Day / Night", [this] { context.toggleDayNight(); });
    menu.addEntry(L"Map settings", [this] { showMapSettings(); });
    menu.addEntry(L"Exit", [this] { askExit(); });
    menu.setAltimeterSettingsAction([this] { showAltimeterSetting(); });
}

void ProgramDialogs::host(std::unique_ptr<ADialog> dialog, std::function<void(ADialog&)> onFinished) {
    // The sizes follow the screen, which may have changed since the start.
    dialogContext.buttonWidth = context.getRecommendedButtonWidth();
    dialogContext.buttonHeight = context.getRecommendedButtonHeight();
    Menu* menu = context.getPanelManager() ? context.getPanelManager()->getMenu() : nullptr;
    if (!menu) return;
    menu->openDialog(
        std::make_unique<HostedDialog>(std::move(dialog), context.getEventReceiver(), std::move(onFinished)));
}

void ProgramDialogs::runPending() {
    std::vector<std::function<void()>> now;
    now.swap(pending);
    for (auto& action : now) action();
}

void ProgramDialogs::reloadFrom(const IniFile& config) {
    auto copy = std::make_shared<IniFile>(config);
    later([this, copy] { context.reloadAllSettings(copy.get(), false); });
}

void ProgramDialogs::showMessage(const std::wstring& title, const std::wstring& text) {
    host(std::make_unique<ChoiceDialog>(dialogContext, title, text, std::vector<std::wstring>{L"OK"}));
}

void ProgramDialogs::askChoice(const std::wstring& title, const std::wstring& question,
                               std::vector<std::wstring> answers, std::function<void(int)> chosen) {
    host(std::make_unique<ChoiceDialog>(dialogContext, title, question, std::move(answers)),
         [this, chosen](ADialog& d) {
             const int choice = static_cast<ChoiceDialog&>(d).getChoice();
             later([chosen, choice] { chosen(choice); });
         });
}

void ProgramDialogs::showAltimeterSetting() {
    host(std::make_unique<AltimeterDialog>(dialogContext, *context.getSensorManager(),
                                           context.getUnitConverter().getPressureUnit()));
}

void ProgramDialogs::showSensorPresets() {
    const std::string path = context.getPath("data/config.ini");
    host(std::make_unique<SensorPresetDialog>(dialogContext,
                                              context.getSensorManager()->getSensorConfigOverrideSections()),
         [this, path](ADialog& d) {
             IConfigOverride* preset = static_cast<SensorPresetDialog&>(d).getChosen();
             if (!preset) return;
             later([this, preset, path] {
                 IniFile config(path);
                 // A preset may ask its own questions; "custom" leaves the
                 // work to the set-up dialog.
                 if (!preset->OnConfigChosen(&config)) {
                     showSensorSetup();
                     return;
                 }
                 config.save(path);
                 context.reloadAllSettings(&config, false);
             });
         });
}

void ProgramDialogs::showSensorSetup() {
    host(std::make_unique<SensorSetupDialog>(dialogContext, *context.getSensorManager(),
                                             context.getPath("data/config.ini"),
                                             [this](IniFile& config) { reloadFrom(config); }));
}

void ProgramDialogs::showGDL90Calibration() {
    std::string section;
    GDL90Sensor* sensor = findSensor<GDL90Sensor>(*context.getSensorManager(), section);
    if (!sensor) {
        showMessage(L"GDL90 calibration", L"No GDL90 device is set up. Choose one in the sensor setup first.");
        return;
    }
    const std::string path = context.getPath("data/config.ini");
    // The dialog edits this copy of the configuration and saves it.
    auto config = std::make_shared<IniFile>(path);
    host(std::make_unique<GDL90CalibrationDialog>(dialogContext, sensor, config.get(), section, path),
         [config](ADialog&) {});
}

void ProgramDialogs::showAutopilotSettings() {
    std::string section;
    ASensorWithAutopilot* sensor = findSensor<ASensorWithAutopilot>(*context.getSensorManager(), section);
    if (!sensor) {
        showMessage(L"Autopilot output", L"None of the sensors set up can drive an autopilot.");
        return;
    }
    host(std::make_unique<AutopilotSettingsDialog>(dialogContext, *sensor, context.getPath("data/autopilotConfig.ini"),
                                                   section));
}

void ProgramDialogs::showMapSettings() {
    const std::string path = context.getPath("data/config.ini");
    auto config = std::make_shared<IniFile>(path);
    // The first map of the layout; every map panel keeps its own settings.
    std::string section;
    const int panels = convertStringTo<int>(config->get("", "PanelCount"));
    for (int i = 0; i < panels && section.empty(); ++i)
        if (config->get("P" + std::to_string(i), "FactoryIndex") == "2") section = "P" + std::to_string(i);
    if (section.empty()) {
        showMessage(L"Map settings", L"The panel layout has no map.");
        return;
    }
    host(std::make_unique<SettingsEditorDialog>(dialogContext, getMapSettingsDescriptor(), config.get(), section, path,
                                                L"Map settings"),
         [this, config](ADialog& d) {
             if (!static_cast<SettingsEditorDialog&>(d).isAccepted()) return;
             // The configuration is the pilot's own ("Custom") profile.
             if (PanelManager* panels = context.getPanelManager())
                 panels->setMessage(this, L"Changes successfully saved in \"Custom\" profile.", PanelManager::NORMAL,
                                    5000);
             reloadFrom(*config);
         });
}

void ProgramDialogs::askExit() {
    host(ChoiceDialog::exitConfirmation(dialogContext), [this](ADialog& d) {
        if (static_cast<ChoiceDialog&>(d).getChoice() == 0) context.setShallExit(true);
    });
}

std::string ProgramDialogs::recordingsFolder() { return context.getPath("Logs/Recordings/"); }

RecordingControl& ProgramDialogs::recordingControl() {
    if (!recording) recording = std::make_unique<RecordingControl>(*context.getSensorManager(), recordingsFolder());
    return *recording;
}

void ProgramDialogs::showRecording() {
    host(std::make_unique<RecordingDialog>(dialogContext, recordingControl(), defaultRecordingNameNow));
}

void ProgramDialogs::showForwarderSetup() {
    host(std::make_unique<ForwarderSetupDialog>(
        dialogContext, *context.getSensorManager(), context.getPath("data/config.ini"), recordingsFolder(),
        defaultRecordingNameNow, [this](IniFile& config) { reloadFrom(config); }));
}

void ProgramDialogs::showReplay() {
    host(std::make_unique<ReplayDialog>(dialogContext, recordingControl(), context.getPath("data/config.ini")));
}
