#pragma once
#include <functional>
#include <string>

#include "base/IniFile.h"
#include "gui/dialogs/Dialog.h"
#include "gui/dialogs/ForwarderConfigEditor.h"

class SensorManager;

// Where sensor data goes besides the screen: the configured forwarders
// (flight recordings made at every start, UDP forwarding to other devices).
// Adding a flight recording asks for the file name, adding UDP forwarding
// opens its settings. Changes are made on a copy of the configuration; OK
// saves it and has the sensors and forwarders rebuilt from it.
class ForwarderSetupDialog : public ADialog {
public:
    using OnSaved = std::function<void(IniFile& config)>;

    // Recordings go into `recordingsFolder`; `suggestName` gives the file
    // name offered. By default OK has the manager reload the configuration.
    ForwarderSetupDialog(const DialogContext& context, SensorManager& manager, std::string configPath,
                         std::string recordingsFolder, std::function<std::string()> suggestName,
                         OnSaved onSaved = nullptr);

    bool isAccepted() const { return accepted; }
    irr::gui::IGUIListBox* getList() const { return list; }
    irr::gui::IGUIComboBox* getKindBox() const { return kindBox; }

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;

private:
    void refresh();
    void addSelectedKind();
    void askRecordingName(int kind);
    void editUDPSettings(int kind);
    void save();

    SensorManager& manager;
    std::string configPath;
    std::string recordingsFolder;
    std::function<std::string()> suggestName;
    OnSaved onSaved;
    IniFile config;
    ForwarderConfigEditor editor;
    irr::gui::IGUIListBox* list = nullptr;
    irr::gui::IGUIComboBox* kindBox = nullptr;
    irr::gui::IGUIButton* addKindButton = nullptr;
    irr::gui::IGUIButton* removeSelectedButton = nullptr;
    irr::gui::IGUIButton* okButton = nullptr;
    irr::gui::IGUIButton* cancelButton = nullptr;
    bool accepted = false;
};
