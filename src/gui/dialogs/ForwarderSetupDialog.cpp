#include "gui/dialogs/ForwarderSetupDialog.h"

#include "base/StringConversions.h"
#include "gui/dialogs/SensorConfigEditor.h"
#include "gui/dialogs/SettingsEditorDialog.h"
#include "gui/dialogs/TextPromptDialog.h"
#include "sensors/SensorManager.h"
#include "sensors/SettingsDescriptor.h"
#include "sensors/recording/LogFileForwarder.h"
#include "sensors/recording/RecordingControl.h"
#include "sensors/recording/UDPForwarder.h"

using namespace irr;

namespace {
core::rect<s32> toRect(const Box& b) { return core::rect<s32>(b.left, b.top, b.right, b.bottom); }
}  // namespace

ForwarderSetupDialog::ForwarderSetupDialog(const DialogContext& c, SensorManager& sensorManager, std::string path,
                                           std::string folder, std::function<std::string()> nameSuggestion,
                                           OnSaved saved)
    : ADialog(c),
      manager(sensorManager),
      configPath(std::move(path)),
      recordingsFolder(std::move(folder)),
      suggestName(std::move(nameSuggestion)),
      onSaved(std::move(saved)),
      config(configPath),
      editor(config, sensorManager.getSensorForwarderFactories()) {}

void ForwarderSetupDialog::build() {
    const DialogMetrics m = context.getMetrics();
    const ListEditorLayout l = layOutListEditor(m, getTitleHeight());
    gui::IGUIEnvironment* env = context.getGUI();
    gui::IGUIWindow* window = createWindow(l.window, L"Data forwarding");
    list = env->addListBox(toRect(l.list), window, -1, true);
    list->setItemHeight(listRowHeight(m, int(env->getSkin()->getFont()->getDimension(L"Ag").Height)));
    kindBox = env->addComboBox(toRect(l.kind), window);
    for (ISensorForwarderFactory* factory : manager.getSensorForwarderFactories())
        kindBox->addItem(convertUtf8ToWString(factory->getName()).c_str());
    kindBox->setSelected(0);
    addKindButton = addButton(l.add, L"Add");
    removeSelectedButton = addButton(l.remove, L"Remove");
    okButton = addButton(l.buttons[0], L"OK");
    cancelButton = addButton(l.buttons[1], L"Cancel");
    refresh();
}

void ForwarderSetupDialog::refresh() {
    list->clear();
    for (int i = 0; i < editor.getForwarderCount(); ++i)
        list->addItem(convertUtf8ToWString(editor.describe(i)).c_str());
}

void ForwarderSetupDialog::addSelectedKind() {
    const int kind = kindBox->getSelected();
    const auto& factories = manager.getSensorForwarderFactories();
    if (kind < 0 || kind >= int(factories.size())) return;
    if (dynamic_cast<LogFileForwarderFactory*>(factories[kind])) askRecordingName(kind);
    else if (dynamic_cast<UDPForwarderFactory*>(factories[kind])) editUDPSettings(kind);
    else if (editor.addForwarder(kind) >= 0) refresh();
}

void ForwarderSetupDialog::askRecordingName(int kind) {
    auto prompt = std::make_unique<TextPromptDialog>(
        context, L"Flight recording", RecordingControl::kNamePrompt, suggestName ? suggestName() : std::string(),
        RecordingControl::isValidRecordingName, L"Only 0-9, A-Z, a-z, - and _ please, at most 64 characters.");
    openChild(std::move(prompt), [this, kind](ADialog& d) {
        auto& answer = static_cast<TextPromptDialog&>(d);
        if (!answer.isAccepted()) return;
        LogFileForwarderFactory recording;
        recording.setFile(recordingsFolder, answer.getText() + ".dat");
        recording.saveSetupToIni(&config, ForwarderConfigEditor::getSection(editor.addForwarder(kind)));
        refresh();
    });
}

void ForwarderSetupDialog::editUDPSettings(int kind) {
    const int index = editor.addForwarder(kind);
    const std::string section = ForwarderConfigEditor::getSection(index);
    std::vector<SettingsEntry> entries;
    parseSettingsDescriptor(UDPForwarderFactory::SETTINGS_DESCRIPTOR, entries);
    completeSettingsSection(&config, section, entries);
    openChild(std::make_unique<SettingsEditorDialog>(context, UDPForwarderFactory::SETTINGS_DESCRIPTOR, &config,
                                                     section, "", L"UDP forwarding"),
              [this, index](ADialog& d) {
                  // Cancel leaves no half-made forwarder behind.
                  if (!static_cast<SettingsEditorDialog&>(d).isAccepted()) editor.removeForwarder(index);
                  refresh();
              });
}

void ForwarderSetupDialog::save() {
    accepted = true;
    finish();
    applySensorConfig(config, configPath, manager, onSaved);
}

bool ForwarderSetupDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    if (event.EventType != gui::EGET_BUTTON_CLICKED) return false;
    if (event.Caller == addKindButton) {
        addSelectedKind();
    } else if (event.Caller == removeSelectedButton) {
        editor.removeForwarder(list->getSelected());
        refresh();
    } else if (event.Caller == okButton) {
        save();
    } else if (event.Caller == cancelButton) {
        cancel();
    } else {
        return false;
    }
    return true;
}
