#pragma once
#include "gui/dialogs/AltimeterSetting.h"
#include "gui/dialogs/Dialog.h"

class SensorManager;

// The altimeter setting: the QNH in the pilot's pressure unit, "-" and "+"
// to step it, the field to type it, "Standard" for 1013.25 hPa. OK hands
// it to the sensor manager as the sea-level pressure the altitude is
// computed with (fixed by the pilot, no longer derived).
class AltimeterDialog : public ADialog {
public:
    AltimeterDialog(const DialogContext& context, SensorManager& manager, units::UnitConverter::Pressure unit);

    bool isAccepted() const { return accepted; }

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;

private:
    // Takes what was typed; false (and says so) when it is not usable.
    bool readTyped();
    void accept();

    SensorManager& manager;
    units::UnitConverter::Pressure unit;
    AltimeterSetting setting;
    irr::gui::IGUIEditBox* valueBox = nullptr;
    irr::gui::IGUIStaticText* status = nullptr;
    irr::gui::IGUIButton* minusButton = nullptr;
    irr::gui::IGUIButton* plusButton = nullptr;
    irr::gui::IGUIButton* standardButton = nullptr;
    irr::gui::IGUIButton* okButton = nullptr;
    irr::gui::IGUIButton* cancelButton = nullptr;
    bool accepted = false;
};
