#pragma once
#include <vector>

#include "gui/dialogs/Dialog.h"

class IConfigOverride;
struct ConfigOverrideSection;

// The sensor preset chooser: the presets under their section titles in a
// list, the selected one's icon and description beside (landscape) or below
// (portrait) it, "Choose" and "Keep last settings". A second tap on a
// preset chooses it. The chosen preset is not applied here: whoever asked
// calls its OnConfigChosen (which may ask its own questions).
class SensorPresetDialog : public ADialog {
public:
    SensorPresetDialog(const DialogContext& context, const std::vector<ConfigOverrideSection>& sections);

    // The preset chosen; null when the pilot kept the last settings or
    // closed the dialog.
    IConfigOverride* getChosen() const { return chosen; }
    irr::gui::IGUIListBox* getList() const { return list; }

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;

private:
    void showDetails();
    IConfigOverride* selectedPreset() const;

    const std::vector<ConfigOverrideSection>& sections;
    std::vector<IConfigOverride*> rows;  // null for section titles
    irr::gui::IGUIListBox* list = nullptr;
    irr::gui::IGUIImage* icon = nullptr;
    irr::gui::IGUIStaticText* description = nullptr;
    irr::gui::IGUIButton* chooseButton = nullptr;
    irr::gui::IGUIButton* keepButton = nullptr;
    IConfigOverride* chosen = nullptr;
};

// Chooses synchronously (at start-up): the preset, or null to keep the last
// settings.
IConfigOverride* chooseSensorConfigOverride(const DialogContext& context,
                                            const std::vector<ConfigOverrideSection>& sections);
