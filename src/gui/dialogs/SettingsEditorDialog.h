#pragma once
#include <string>
#include <vector>

#include "base/IniFile.h"
#include "gui/dialogs/Dialog.h"
#include "gui/dialogs/SettingsForm.h"

// The generic settings editor: one row per entry of a settings descriptor
// (edit boxes for numbers and texts, a check box for BOOLEAN, a combo box
// for ONE_OF, a fixed text for NOT_EDITABLE, "Syntax error" for entries that
// could not be read). OK checks the numbers: a bad one is marked and the
// dialog stays open; good values are written into the section and, when a
// file was given, saved.
class SettingsEditorDialog : public ADialog {
public:
    // `ini` must outlive the dialog; savePath empty: the caller saves.
    SettingsEditorDialog(const DialogContext& context, const std::string& descriptor, IniFile* ini, std::string section,
                         std::string savePath = "", std::wstring title = L"Settings");

    // True once OK wrote the values.
    bool isAccepted() const { return accepted; }
    // Indices of the fields marked as wrong by the last OK.
    const std::vector<size_t>& getMarkedFields() const { return marked; }

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;
    // After OK wrote (and saved) the values.
    virtual void onAccepted() {}

private:
    void readControls();
    void accept();

    IniFile* ini;
    std::string section;
    std::string savePath;
    std::wstring title;
    std::vector<SettingsEntry> entries;
    std::vector<SettingsField> fields;
    std::vector<irr::gui::IGUIElement*> controls;  // null for fixed rows
    irr::gui::IGUIStaticText* status = nullptr;
    irr::gui::IGUIButton* okButton = nullptr;
    irr::gui::IGUIButton* cancelButton = nullptr;
    std::vector<size_t> marked;
    bool accepted = false;
};

class ASensorWithAutopilot;

// The autopilot output of a sensor that talks to an autopilot: its settings
// descriptor (getSettingsGUICode) edited in the autopilot configuration file
// under the sensor's section; OK saves the file and has the sensor read it.
class AutopilotSettingsDialog : public SettingsEditorDialog {
public:
    AutopilotSettingsDialog(const DialogContext& context, ASensorWithAutopilot& sensor, const std::string& iniPath,
                            const std::string& section);

protected:
    void onAccepted() override;

private:
    ASensorWithAutopilot& sensor;
    std::string iniPath;
    std::string section;
    IniFile autopilotIni;
};

// Edits synchronously; true when OK wrote the values.
bool editSettings(const DialogContext& context, const std::string& descriptor, IniFile* ini, const std::string& section,
                  const std::string& savePath = "");
