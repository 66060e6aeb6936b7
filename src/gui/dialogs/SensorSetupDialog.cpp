#include "gui/dialogs/SensorSetupDialog.h"

#include <algorithm>
#include <cstdio>

#include "base/Logger.h"
#include "base/StringConversions.h"
#include "gui/dialogs/ChoiceDialog.h"
#include "gui/dialogs/SettingsEditorDialog.h"
#include "sensors/ASettingsSensorFactory.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
// The client area the layout files are drawn for.
constexpr int kDesignLong = 800;
constexpr int kDesignShort = 480;

template <class T>
T* namedOfType(const SensorSetupDialog& d, const char* name, gui::EGUI_ELEMENT_TYPE type) {
    gui::IGUIElement* e = d.findNamed(name);
    return e && e->getType() == type ? static_cast<T*>(e) : nullptr;
}

core::rect<s32> toRect(const Box& b) { return core::rect<s32>(b.left, b.top, b.right, b.bottom); }
}  // namespace

SensorSetupDialog::SensorSetupDialog(const DialogContext& c, SensorManager& sensorManager, std::string path,
                                     OnSaved saved)
    : ADialog(c),
      manager(sensorManager),
      configPath(std::move(path)),
      onSaved(std::move(saved)),
      config(configPath),
      editor(config, sensorManager.getSensorFactories()) {}

void SensorSetupDialog::build() {
    const DialogMetrics m = context.getMetrics();
    gui::IGUIWindow* window = createWindow(centredWindow(m, m.screenWidth, m.screenHeight), L"Sensor set-up");
    const std::string file =
        context.path(m.isPortrait() ? "media/GUI/sensorsetup_portrait.gui" : "media/GUI/sensorsetup.gui");
    gui::IGUIEnvironment* env = context.getGUI();
    if (!env->loadGUI(file.c_str(), window)) logMessage("Cannot read the dialog layout " + file);
    scaleLayout(window);
    sensorList = namedOfType<gui::IGUIListBox>(*this, "sensorList", gui::EGUIET_LIST_BOX);
    factoryBox = namedOfType<gui::IGUIComboBox>(*this, "factoryBox", gui::EGUIET_COMBO_BOX);
    sourceArea = findNamed("sourceArea");
    sourceScroll = namedOfType<gui::IGUIScrollBar>(*this, "sourceScroll", gui::EGUIET_SCROLL_BAR);
    if (!sensorList || !factoryBox || !sourceArea || !sourceScroll) {
        logMessage("The sensor set-up layout " + file + " lacks elements");
        return;
    }
    for (ISensorFactory* factory : manager.getSensorFactories())
        factoryBox->addItem(convertUtf8ToWString(factory->getName()).c_str());
    factoryBox->setSelected(0);
    const int fontHeight = int(env->getSkin()->getFont()->getDimension(L"Ag").Height);
    sourceRowHeight = std::max(fontHeight + 8, m.buttonHeight * 4 / 5);
    sensorList->setItemHeight(listRowHeight(m, fontHeight));
    createSourceRows();
    refresh();
}

void SensorSetupDialog::scaleLayout(gui::IGUIElement* window) {
    const core::rect<s32> client = getWindow()->getClientRect();
    const bool portrait = context.getMetrics().isPortrait();
    const int designWidth = portrait ? kDesignShort : kDesignLong;
    const int designHeight = portrait ? kDesignLong : kDesignShort;
    for (gui::IGUIElement* child : window->getChildren()) {
        if (child == getWindow()->getCloseButton() || child == getWindow()->getMinimizeButton() ||
            child == getWindow()->getMaximizeButton())
            continue;
        const core::rect<s32> r = child->getRelativePosition();
        Box b = scaleDesignBox({r.UpperLeftCorner.X, r.UpperLeftCorner.Y, r.LowerRightCorner.X, r.LowerRightCorner.Y},
                               designWidth, designHeight, client.getWidth(), client.getHeight());
        b = {b.left + client.UpperLeftCorner.X, b.top + client.UpperLeftCorner.Y, b.right + client.UpperLeftCorner.X,
             b.bottom + client.UpperLeftCorner.Y};
        child->setRelativePosition(toRect(b));
    }
}

void SensorSetupDialog::createSourceRows() {
    gui::IGUIEnvironment* env = context.getGUI();
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        ISensorDataFactory* data = manager.getSensorDataFactory(ISensorData::Type(t));
        const std::wstring name = data ? convertUtf8ToWString(data->getName()) : L"Type " + std::to_wstring(t);
        sourceLabels[t] = env->addStaticText(name.c_str(), core::rect<s32>(0, 0, 1, 1), false, false, sourceArea);
        sourceLabels[t]->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_CENTER);
        sourceBoxes[t] = env->addComboBox(core::rect<s32>(0, 0, 1, 1), sourceArea);
    }
    const Box area{0, 0, sourceArea->getRelativePosition().getWidth(), sourceArea->getRelativePosition().getHeight()};
    sourceScroll->setMax(std::max(0, ISensorData::TYPE_COUNT - visibleRowCount(area, sourceRowHeight)));
    sourceScroll->setPos(0);
    layOutSourceRows();
}

void SensorSetupDialog::layOutSourceRows() {
    const Box area{0, 0, sourceArea->getRelativePosition().getWidth(), sourceArea->getRelativePosition().getHeight()};
    const std::vector<Box> rows =
        layOutScrolledRows(area, sourceRowHeight, ISensorData::TYPE_COUNT, sourceScroll->getPos());
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        const Box& r = rows[t];
        const bool visible = !r.empty();
        sourceLabels[t]->setVisible(visible);
        sourceBoxes[t]->setVisible(visible);
        if (!visible) continue;
        const int split = r.left + r.width() * 9 / 20;
        sourceLabels[t]->setRelativePosition(core::rect<s32>(r.left, r.top, split, r.bottom - 2));
        sourceBoxes[t]->setRelativePosition(core::rect<s32>(split + 4, r.top, r.right, r.bottom - 2));
    }
}

void SensorSetupDialog::refresh() {
    const s32 selected = sensorList->getSelected();
    sensorList->clear();
    const int count = editor.getSensorCount();
    for (int i = 1; i <= count; ++i) sensorList->addItem(convertUtf8ToWString(editor.describe(i)).c_str());
    sensorList->setSelected(std::min<s32>(selected, count - 1));
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        gui::IGUIComboBox* box = sourceBoxes[t];
        box->clear();
        box->addItem(L"None");
        for (int i = 1; i <= count; ++i) box->addItem(convertUtf8ToWString(editor.describe(i)).c_str());
        box->setSelected(editor.getDefaultSource(ISensorData::Type(t)));
    }
}

void SensorSetupDialog::editSelectedSensor() {
    const int number = sensorList->getSelected() + 1;
    ISensorFactory* factory = editor.getFactory(number);
    auto* described = dynamic_cast<ASettingsSensorFactory*>(factory);
    if (!described) {
        openChild(
            ChoiceDialog::message(context, number < 1 ? L"Please select a sensor." : L"This sensor has no settings."),
            nullptr);
        return;
    }
    openChild(std::make_unique<SettingsEditorDialog>(context, described->getSettingsDescriptor(), &config,
                                                     SensorConfigEditor::getSection(number), "",
                                                     convertUtf8ToWString(factory->getName())),
              nullptr);
}

bool SensorSetupDialog::onSourceChanged(gui::IGUIElement* caller) {
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        if (caller != sourceBoxes[t]) continue;
        const ISensorData::Type type = ISensorData::Type(t);
        if (!editor.setDefaultSource(type, sourceBoxes[t]->getSelected())) {
            sourceBoxes[t]->setSelected(editor.getDefaultSource(type));
            openChild(ChoiceDialog::message(context, L"Data Type not supported by selected sensor."), nullptr);
        }
        return true;
    }
    return false;
}

void SensorSetupDialog::save() {
    accepted = true;
    finish();
    applySensorConfig(config, configPath, manager, onSaved);
}

bool SensorSetupDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    if (event.EventType == gui::EGET_SCROLL_BAR_CHANGED && event.Caller == sourceScroll) {
        layOutSourceRows();
        return true;
    }
    if (event.EventType == gui::EGET_COMBO_BOX_CHANGED) return onSourceChanged(event.Caller);
    if (event.EventType != gui::EGET_BUTTON_CLICKED) return false;
    const char* name = event.Caller->getName();
    const std::string button = name ? name : "";
    if (button == "addButton") {
        if (editor.addSensor(factoryBox->getSelected()) > 0) {
            refresh();
            sensorList->setSelected(editor.getSensorCount() - 1);
        }
    } else if (button == "removeButton") {
        editor.removeSensor(sensorList->getSelected() + 1);
        refresh();
    } else if (button == "editButton") {
        editSelectedSensor();
    } else if (button == "okButton") {
        save();
    } else if (button == "cancelButton") {
        cancel();
    } else {
        return false;
    }
    return true;
}
