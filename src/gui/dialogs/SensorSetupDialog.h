#pragma once
#include <functional>
#include <string>
#include <vector>

#include "base/IniFile.h"
#include "gui/dialogs/Dialog.h"
#include "gui/dialogs/SensorConfigEditor.h"

class SensorManager;

// Sensor set-up: the configured sensors (add one of a registered kind,
// change its settings in the settings editor, remove it) and the source of
// every data type, one combo box per type. A sensor that does not supply a
// type cannot become its source ("Data Type not supported by selected
// sensor." and the old choice stays). Changes are made on a copy of the
// configuration; OK saves it and has the sensors rebuilt from it.
//
// The layout comes from media/GUI/sensorsetup.gui, or
// media/GUI/sensorsetup_portrait.gui on portrait screens.
class SensorSetupDialog : public ADialog {
public:
    // Called after OK saved the configuration; by default the manager
    // reloads its sensors from it.
    using OnSaved = std::function<void(IniFile& config)>;

    SensorSetupDialog(const DialogContext& context, SensorManager& manager, std::string configPath,
                      OnSaved onSaved = nullptr);

    bool isAccepted() const { return accepted; }
    // The configuration being edited.
    IniFile& getConfig() { return config; }
    // The combo box choosing the source of the type.
    irr::gui::IGUIComboBox* getSourceBox(ISensorData::Type type) const { return sourceBoxes[type]; }

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;

private:
    void scaleLayout(irr::gui::IGUIElement* parent);
    void createSourceRows();
    void layOutSourceRows();
    void refresh();
    void editSelectedSensor();
    bool onSourceChanged(irr::gui::IGUIElement* caller);
    void save();

    SensorManager& manager;
    std::string configPath;
    OnSaved onSaved;
    IniFile config;
    SensorConfigEditor editor;
    irr::gui::IGUIListBox* sensorList = nullptr;
    irr::gui::IGUIComboBox* factoryBox = nullptr;
    irr::gui::IGUIElement* sourceArea = nullptr;
    irr::gui::IGUIScrollBar* sourceScroll = nullptr;
    irr::gui::IGUIComboBox* sourceBoxes[ISensorData::TYPE_COUNT] = {};
    irr::gui::IGUIStaticText* sourceLabels[ISensorData::TYPE_COUNT] = {};
    int sourceRowHeight = 0;
    bool accepted = false;
};
