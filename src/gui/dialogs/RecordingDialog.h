#pragma once
#include <functional>
#include <string>

#include "gui/dialogs/Dialog.h"

class RecordingControl;

// Starts and stops a flight recording by hand: the state line says whether
// a recording runs and into which file; "Start" asks for the file name
// (suggesting one from the date and time), "Stop" closes the file. The
// recording goes on when the dialog is closed.
class RecordingDialog : public ADialog {
public:
    // `suggestName` gives the name offered when a recording starts.
    RecordingDialog(const DialogContext& context, RecordingControl& control, std::function<std::string()> suggestName);

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;

private:
    void askNameAndStart();
    void stop();
    // Shows the recording state; `note` (a saved file, a failure) goes below it.
    void showState(const std::wstring& note = L"");

    RecordingControl& control;
    std::function<std::string()> suggestName;
    irr::gui::IGUIStaticText* state = nullptr;
    irr::gui::IGUIButton* startButton = nullptr;
    irr::gui::IGUIButton* stopButton = nullptr;
    irr::gui::IGUIButton* closeButton = nullptr;
};
