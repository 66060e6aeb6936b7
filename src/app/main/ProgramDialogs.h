#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/dialogs/Dialog.h"

class Context;
class EventReceiver;
class IniFile;
class Menu;
class RecordingControl;

// The dialogs the pilot opens from the menu and from instruments, shown over
// the panels while the program keeps running. Their effects that rebuild
// managers (a new sensor set-up, a preset) are deferred to the next frame:
// they must not run inside the event handling that finished the dialog.
class ProgramDialogs {
public:
    explicit ProgramDialogs(Context& context);
    ~ProgramDialogs();

    // Fills a freshly made menu with its entries.
    void addMenuEntries(Menu& menu);
    const DialogContext& getDialogContext() const { return dialogContext; }

    void showMessage(const std::wstring& title, const std::wstring& text);
    // A question with its answers; chosen(index, or -1 when closed) runs
    // after the dialog has gone, so it may ask the next question.
    void askChoice(const std::wstring& title, const std::wstring& question, std::vector<std::wstring> answers,
                   std::function<void(int)> chosen);
    void showAltimeterSetting();
    void showSensorPresets();
    void showSensorSetup();
    void showGDL90Calibration();
    void showAutopilotSettings();
    void showRecording();
    void showReplay();
    void showForwarderSetup();
    // The settings of the layout's first map: what it shows, its nose and text.
    void showMapSettings();
    void askExit();

    // Runs what was deferred; once per frame, before the events.
    void runPending();

private:
    // Hands the dialog to the menu, which keeps it over the panels until it
    // finishes; onFinished then reads its result.
    void host(std::unique_ptr<ADialog> dialog, std::function<void(ADialog&)> onFinished = nullptr);
    void later(std::function<void()> action) { pending.push_back(std::move(action)); }
    void reloadFrom(const IniFile& config);
    // Made on first use; a recording started by hand outlives its dialog.
    RecordingControl& recordingControl();
    std::string recordingsFolder();

    Context& context;
    DialogContext dialogContext;
    std::vector<std::function<void()>> pending;
    std::unique_ptr<RecordingControl> recording;
};
