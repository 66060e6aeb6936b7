#include "gui/dialogs/GDL90CalibrationDialog.h"

#include <cwchar>

#include "base/IniFile.h"
#include "base/Logger.h"
#include "base/StringConversions.h"
#include "gui/dialogs/SettingsForm.h"
#include "sensors/gdl90/GDL90Sensor.h"

using namespace irr;

namespace {
const SettingsEntry kOffset{"", "", "0", SettingsEntry::DOUBLE, {}};

std::wstring degrees(double value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%.1f", value);
    return text;
}

core::rect<s32> toRect(const Box& b) { return core::rect<s32>(b.left, b.top, b.right, b.bottom); }
}  // namespace

GDL90CalibrationDialog::GDL90CalibrationDialog(const DialogContext& c, GDL90Sensor* gdl90, IniFile* iniFile,
                                               std::string iniSection, std::string path)
    : ADialog(c), sensor(gdl90), ini(iniFile), section(std::move(iniSection)), savePath(std::move(path)) {}

void GDL90CalibrationDialog::build() {
    const std::wstring selfCalibrating = sensor ? sensor->getCalibLabelOverride() : L"";
    const int rows = selfCalibrating.empty() ? 3 : 0;
    const FormLayout l = layOutForm(context.getMetrics(), getTitleHeight(), rows, selfCalibrating.empty() ? 3 : 1);
    createWindow(l.window, L"Attitude calibration");
    status = addText(l.status, selfCalibrating, false);
    if (!selfCalibrating.empty()) {
        okButton = addButton(l.buttons[0], L"OK");
        return;
    }
    gui::IGUIEnvironment* env = context.getGUI();
    const double roll = convertStringTo<double>(ini->get(section, "rollOffset"));
    const double pitch = convertStringTo<double>(ini->get(section, "pitchOffset"));
    addText(l.labels[0], L"Roll offset [°]:", false);
    rollBox = env->addEditBox(degrees(roll).c_str(), toRect(l.fields[0]), true, getWindow());
    addText(l.labels[1], L"Pitch offset [°]:", false);
    pitchBox = env->addEditBox(degrees(pitch).c_str(), toRect(l.fields[1]), true, getWindow());
    addText(l.labels[2], L"Current attitude:", false);
    attitudeText = addText(l.fields[2], L"", false);
    levelButton = addButton(l.buttons[0], L"Take as level");
    okButton = addButton(l.buttons[1], L"OK");
    cancelButton = addButton(l.buttons[2], L"Cancel");
    showAttitude();
}

void GDL90CalibrationDialog::showAttitude() {
    double roll = 0, pitch = 0;
    if (!sensor || !sensor->getAttitudeDegrees(roll, pitch)) {
        attitudeText->setText(L"no attitude received");
        levelButton->setEnabled(false);
        return;
    }
    attitudeText->setText((L"roll " + degrees(roll) + L"°, pitch " + degrees(pitch) + L"°").c_str());
    levelButton->setEnabled(true);
}

void GDL90CalibrationDialog::takeCurrentAttitudeAsLevel() {
    double roll = 0, pitch = 0;
    if (!sensor || !sensor->getAttitudeDegrees(roll, pitch)) return;
    // The shown attitude already holds the running sensor's offsets: the
    // new offsets take it back to zero.
    rollBox->setText(degrees(sensor->getRollOffset() - roll).c_str());
    pitchBox->setText(degrees(sensor->getPitchOffset() - pitch).c_str());
}

void GDL90CalibrationDialog::accept() {
    const std::string roll = convertWStringToUtf8String(rollBox->getText());
    const std::string pitch = convertWStringToUtf8String(pitchBox->getText());
    if (!isValidSettingValue(kOffset, roll) || !isValidSettingValue(kOffset, pitch)) {
        status->setText(L"Please enter the offsets in degrees.");
        return;
    }
    ini->set(section, "rollOffset", convertToString(convertStringTo<double>(roll)));
    ini->set(section, "pitchOffset", convertToString(convertStringTo<double>(pitch)));
    if (!savePath.empty() && !ini->save(savePath)) logMessage("Cannot save the calibration to " + savePath);
    if (sensor) sensor->setCalibration(convertStringTo<double>(roll), convertStringTo<double>(pitch));
    accepted = true;
    finish();
}

bool GDL90CalibrationDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    if (event.EventType != gui::EGET_BUTTON_CLICKED) return false;
    if (event.Caller == levelButton) {
        showAttitude();
        takeCurrentAttitudeAsLevel();
    } else if (event.Caller == okButton) {
        if (rollBox) accept();
        else finish();
    } else if (event.Caller == cancelButton) {
        cancel();
    } else {
        return false;
    }
    return true;
}
