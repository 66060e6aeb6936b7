#pragma once
#include <string>
#include <vector>

#include "gui/dialogs/Dialog.h"

class RecordingControl;

// Replays a recording: the recordings folder (own recordings, IGC and GPX
// tracks) as a list; "Play" replays the chosen one (or goes on after a
// pause), "Pause", "Loop", the speeds 1x to 8x and a seek bar through the
// recording, with the position and length beside it. Playing a recording
// makes it the configured sensor source (saved to the configuration file).
// The replay goes on when the dialog is closed.
class ReplayDialog : public ADialog {
public:
    // Steps of the seek bar from start to end.
    static constexpr int kSeekSteps = 1000;

    ReplayDialog(const DialogContext& context, RecordingControl& control, std::string configPath);

    irr::gui::IGUIListBox* getList() const { return list; }
    irr::gui::IGUIScrollBar* getSeekBar() const { return seekBar; }
    irr::gui::IGUIStaticText* getPositionText() const { return position; }

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;

private:
    void play();
    bool onButton(irr::gui::IGUIElement* caller);
    // Position, seek bar and the buttons' states from the replay; every frame.
    void refresh();

    RecordingControl& control;
    std::string configPath;
    std::vector<std::string> recordings;
    irr::gui::IGUIListBox* list = nullptr;
    irr::gui::IGUIStaticText* status = nullptr;
    irr::gui::IGUIStaticText* position = nullptr;
    irr::gui::IGUIScrollBar* seekBar = nullptr;
    irr::gui::IGUIButton* playButton = nullptr;
    irr::gui::IGUIButton* pauseButton = nullptr;
    irr::gui::IGUIButton* loopButton = nullptr;
    irr::gui::IGUIButton* closeButton = nullptr;
    std::vector<irr::gui::IGUIButton*> speedButtons;
};
