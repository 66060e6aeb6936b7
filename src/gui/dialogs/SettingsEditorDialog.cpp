#include "gui/dialogs/SettingsEditorDialog.h"

#include "base/IniFile.h"
#include "base/Logger.h"
#include "base/StringConversions.h"
#include "sensors/ISensor.h"

using namespace irr;

namespace {
const video::SColor kMarkColour(255, 220, 40, 40);

core::rect<s32> toRect(const Box& b) { return core::rect<s32>(b.left, b.top, b.right, b.bottom); }
}  // namespace

SettingsEditorDialog::SettingsEditorDialog(const DialogContext& c, const std::string& descriptor, IniFile* iniFile,
                                           std::string iniSection, std::string path, std::wstring dialogTitle)
    : ADialog(c),
      ini(iniFile),
      section(std::move(iniSection)),
      savePath(std::move(path)),
      title(std::move(dialogTitle)) {
    parseSettingsDescriptor(descriptor, entries);
}

void SettingsEditorDialog::build() {
    fields = makeSettingsFields(entries, ini->getSection(section));
    const FormLayout l = layOutForm(context.getMetrics(), getTitleHeight(), int(fields.size()), 2);
    gui::IGUIEnvironment* env = context.getGUI();
    gui::IGUIWindow* window = createWindow(l.window, title);
    for (size_t i = 0; i < fields.size(); ++i) {
        const SettingsField& f = fields[i];
        const std::wstring label = convertUtf8ToWString(f.entry.label);
        const std::wstring value = convertUtf8ToWString(f.value);
        gui::IGUIElement* control = nullptr;
        switch (f.entry.type) {
        case SettingsEntry::INT:
        case SettingsEntry::DOUBLE:
        case SettingsEntry::STRING:
            control = env->addEditBox(value.c_str(), toRect(l.fields[i]), true, window);
            break;
        case SettingsEntry::BOOLEAN: {
            gui::IGUICheckBox* box = env->addCheckBox(f.value == "1", toRect(l.fields[i]), window);
            control = box;
            break;
        }
        case SettingsEntry::ONE_OF: {
            gui::IGUIComboBox* box = env->addComboBox(toRect(l.fields[i]), window);
            for (const std::string& choice : f.entry.choices) {
                box->addItem(convertUtf8ToWString(choice).c_str());
                if (choice == f.value) box->setSelected(int(box->getItemCount()) - 1);
            }
            control = box;
            break;
        }
        case SettingsEntry::NOT_EDITABLE:
            addText(l.fields[i], value, false);
            break;
        case SettingsEntry::SYNTAX_ERROR:
            break;
        }
        addText(l.labels[i], label, false);
        controls.push_back(control);
    }
    status = addText(l.status, L"", false);
    status->setOverrideColor(kMarkColour);
    okButton = addButton(l.buttons[0], L"OK");
    cancelButton = addButton(l.buttons[1], L"Cancel");
}

void SettingsEditorDialog::readControls() {
    for (size_t i = 0; i < fields.size(); ++i) {
        gui::IGUIElement* c = controls[i];
        if (!c) continue;
        if (c->getType() == gui::EGUIET_CHECK_BOX) {
            fields[i].value = static_cast<gui::IGUICheckBox*>(c)->isChecked() ? "1" : "0";
        } else if (c->getType() == gui::EGUIET_COMBO_BOX) {
            const s32 selected = static_cast<gui::IGUIComboBox*>(c)->getSelected();
            const auto& choices = fields[i].entry.choices;
            if (selected >= 0 && selected < s32(choices.size())) fields[i].value = choices[selected];
        } else {
            fields[i].value = convertWStringToUtf8String(c->getText());
        }
    }
}

void SettingsEditorDialog::accept() {
    readControls();
    for (size_t i : marked)
        if (controls[i] && controls[i]->getType() == gui::EGUIET_EDIT_BOX)
            static_cast<gui::IGUIEditBox*>(controls[i])->enableOverrideColor(false);
    marked = findInvalidSettings(fields);
    if (!marked.empty()) {
        for (size_t i : marked)
            if (controls[i] && controls[i]->getType() == gui::EGUIET_EDIT_BOX)
                static_cast<gui::IGUIEditBox*>(controls[i])->setOverrideColor(kMarkColour);
        status->setText(L"Please correct the marked values.");
        return;
    }
    writeSettings(fields, *ini, section);
    if (!savePath.empty() && !ini->save(savePath)) logMessage("Cannot save the settings to " + savePath);
    accepted = true;
    finish();
    onAccepted();
}

bool SettingsEditorDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    return onOkOrCancel(event, okButton, cancelButton, [this] { accept(); });
}

bool editSettings(const DialogContext& c, const std::string& descriptor, IniFile* ini, const std::string& section,
                  const std::string& savePath) {
    SettingsEditorDialog dialog(c, descriptor, ini, section, savePath);
    runModal(dialog);
    return dialog.isAccepted();
}

AutopilotSettingsDialog::AutopilotSettingsDialog(const DialogContext& c, ASensorWithAutopilot& autopilotSensor,
                                                 const std::string& path, const std::string& iniSection)
    // The file is read before build() looks at it; the base only keeps the pointer.
    : SettingsEditorDialog(c, autopilotSensor.getSettingsGUICode(), &autopilotIni, iniSection, path, L"Autopilot"),
      sensor(autopilotSensor),
      iniPath(path),
      section(iniSection),
      autopilotIni(path) {}

void AutopilotSettingsDialog::onAccepted() { sensor.readAutopilotConfig(iniPath, section); }
