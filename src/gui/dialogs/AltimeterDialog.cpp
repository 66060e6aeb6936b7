#include "gui/dialogs/AltimeterDialog.h"

#include "sensors/SensorManager.h"

using namespace irr;

AltimeterDialog::AltimeterDialog(const DialogContext& c, SensorManager& sensorManager,
                                 units::UnitConverter::Pressure pressureUnit)
    : ADialog(c),
      manager(sensorManager),
      unit(pressureUnit),
      setting(pressureUnit, sensorManager.getSeaLevelPressure()) {}

void AltimeterDialog::build() {
    const FormLayout l = layOutForm(context.getMetrics(), getTitleHeight(), 2, 3);
    createWindow(l.window, L"Altimeter setting");
    addText(l.labels[0], std::wstring(L"QNH [") + units::UnitConverter::getLabel(unit) + L"]:", false);
    valueBox = context.getGUI()->addEditBox(
        setting.getText().c_str(),
        core::rect<s32>(l.fields[0].left, l.fields[0].top, l.fields[0].right, l.fields[0].bottom), true, getWindow());
    const Box& f = l.fields[1];
    const int half = f.left + (f.width() - context.getMetrics().margin()) / 2;
    minusButton = addButton({f.left, f.top, half, f.bottom}, L"-");
    plusButton = addButton({f.right - (half - f.left), f.top, f.right, f.bottom}, L"+");
    status = addText(l.status, L"", false);
    standardButton = addButton(l.buttons[0], L"Standard");
    okButton = addButton(l.buttons[1], L"OK");
    cancelButton = addButton(l.buttons[2], L"Cancel");
}

bool AltimeterDialog::readTyped() {
    const std::wstring typed = valueBox->getText();
    if (typed == setting.getText() || setting.setText(typed)) {
        status->setText(L"");
        return true;
    }
    const std::wstring lowest = AltimeterSetting(unit, AltimeterSetting::kLowestHectopascals).getText();
    const std::wstring highest = AltimeterSetting(unit, AltimeterSetting::kHighestHectopascals).getText();
    status->setText((L"Please enter a value between " + lowest + L" and " + highest + L".").c_str());
    return false;
}

void AltimeterDialog::accept() {
    if (!readTyped()) return;
    manager.setFallbackSeaLevelPressure(setting.getHectopascals());
    manager.setAltimeterFallbackForced(true);
    accepted = true;
    finish();
}

bool AltimeterDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    if (event.EventType == gui::EGET_EDITBOX_ENTER) {
        accept();
        return true;
    }
    if (event.EventType != gui::EGET_BUTTON_CLICKED) return false;
    if (event.Caller == minusButton || event.Caller == plusButton) {
        if (readTyped()) setting.step(event.Caller == plusButton ? 1 : -1);
    } else if (event.Caller == standardButton) {
        setting.setStandard();
    } else if (event.Caller == okButton) {
        accept();
        return true;
    } else if (event.Caller == cancelButton) {
        cancel();
        return true;
    } else {
        return false;
    }
    valueBox->setText(setting.getText().c_str());
    return true;
}
