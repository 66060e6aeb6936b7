#pragma once
#include <string>

#include "gui/dialogs/Dialog.h"

class GDL90Sensor;
class IniFile;

// Corrects a GDL90 attitude unit mounted out of level: roll and pitch
// offsets in degrees, typed or taken from the attitude shown while the
// aircraft stands level ("Take current attitude as level"). OK stores them
// as rollOffset and pitchOffset in the sensor's section (saved when a file
// is given), where its factory reads them at the next start, and applies
// them to the running sensor at once. Talos units calibrate themselves: for
// them the dialog only says so.
class GDL90CalibrationDialog : public ADialog {
public:
    // `sensor` may be null (not running): only the section is changed.
    GDL90CalibrationDialog(const DialogContext& context, GDL90Sensor* sensor, IniFile* ini, std::string section,
                           std::string savePath = "");

    bool isAccepted() const { return accepted; }

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;

private:
    void showAttitude();
    void takeCurrentAttitudeAsLevel();
    void accept();

    GDL90Sensor* sensor;
    IniFile* ini;
    std::string section;
    std::string savePath;
    irr::gui::IGUIEditBox* rollBox = nullptr;
    irr::gui::IGUIEditBox* pitchBox = nullptr;
    irr::gui::IGUIStaticText* attitudeText = nullptr;
    irr::gui::IGUIStaticText* status = nullptr;
    irr::gui::IGUIButton* levelButton = nullptr;
    irr::gui::IGUIButton* okButton = nullptr;
    irr::gui::IGUIButton* cancelButton = nullptr;
    bool accepted = false;
};
