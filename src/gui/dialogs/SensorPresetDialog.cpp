#include "gui/dialogs/SensorPresetDialog.h"

#include <algorithm>

#include "sensors/IConfigOverride.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
core::rect<s32> toRect(const Box& b) { return core::rect<s32>(b.left, b.top, b.right, b.bottom); }
}  // namespace

SensorPresetDialog::SensorPresetDialog(const DialogContext& c, const std::vector<ConfigOverrideSection>& s)
    : ADialog(c), sections(s) {}

void SensorPresetDialog::build() {
    const DialogMetrics m = context.getMetrics();
    const MasterDetailLayout l = layOutMasterDetail(m, getTitleHeight(), 2);
    createWindow(l.window, L"Choose your sensors");
    gui::IGUIEnvironment* env = context.getGUI();
    list = env->addListBox(toRect(l.list), getWindow(), -1, true);
    list->setItemHeight(listRowHeight(m, int(env->getSkin()->getFont()->getDimension(L"Ag").Height)));
    for (const ConfigOverrideSection& section : sections) {
        list->addItem(section.title.c_str());
        list->setItemOverrideColor(list->getItemCount() - 1, env->getSkin()->getColor(gui::EGDC_HIGH_LIGHT));
        rows.push_back(nullptr);
        for (IConfigOverride* preset : section.overrides) {
            list->addItem((L"    " + preset->getName()).c_str());
            rows.push_back(preset);
        }
    }
    icon = env->addImage(toRect(l.icon), getWindow());
    icon->setScaleImage(true);
    description = addText(l.description, L"Select how Cirrona gets its position, attitude and traffic.");
    chooseButton = addButton(l.buttons[0], L"Choose");
    keepButton = addButton(l.buttons[1], L"Keep last settings");
    showDetails();
}

IConfigOverride* SensorPresetDialog::selectedPreset() const {
    const s32 row = list->getSelected();
    return row >= 0 && row < s32(rows.size()) ? rows[row] : nullptr;
}

void SensorPresetDialog::showDetails() {
    IConfigOverride* preset = selectedPreset();
    chooseButton->setEnabled(preset != nullptr);
    icon->setVisible(false);
    if (!preset) return;
    description->setText((preset->getName() + L"\n\n" + preset->getDescription()).c_str());
    video::IVideoDriver* driver = context.device->getVideoDriver();
    const std::string file = context.path(preset->getIcon());
    video::ITexture* texture =
        context.device->getFileSystem()->existFile(file.c_str()) ? driver->getTexture(file.c_str()) : nullptr;
    icon->setImage(texture);
    icon->setVisible(texture != nullptr);
}

bool SensorPresetDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    switch (event.EventType) {
    case gui::EGET_LISTBOX_CHANGED:
        showDetails();
        return true;
    case gui::EGET_LISTBOX_SELECTED_AGAIN:
        if (!selectedPreset()) return true;
        chosen = selectedPreset();
        finish();
        return true;
    case gui::EGET_BUTTON_CLICKED:
        if (event.Caller == chooseButton && selectedPreset()) {
            chosen = selectedPreset();
            finish();
        } else if (event.Caller == keepButton) {
            finish();
        }
        return true;
    default:
        return false;
    }
}

IConfigOverride* chooseSensorConfigOverride(const DialogContext& c,
                                            const std::vector<ConfigOverrideSection>& sections) {
    SensorPresetDialog dialog(c, sections);
    runModal(dialog);
    return dialog.getChosen();
}
