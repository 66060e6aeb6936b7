#include "gui/dialogs/RecordingDialog.h"

#include "base/StringConversions.h"
#include "gui/dialogs/TextPromptDialog.h"
#include "sensors/recording/RecordingControl.h"

using namespace irr;

namespace {
const wchar_t* const kTitle = L"Flight recording";

// The folder is always the same and too long for the dialog's width.
std::wstring fileNameOf(const std::string& path) {
    return convertUtf8ToWString(path.substr(path.find_last_of('/') + 1));
}
}  // namespace

RecordingDialog::RecordingDialog(const DialogContext& c, RecordingControl& recordingControl,
                                 std::function<std::string()> nameSuggestion)
    : ADialog(c), control(recordingControl), suggestName(std::move(nameSuggestion)) {}

void RecordingDialog::build() {
    const DialogMetrics m = context.getMetrics();
    const std::vector<std::wstring> labels{L"Start", L"Stop", L"Close"};
    // Room for the state, a long file name and a note.
    const int lineHeight = measureWrappedHeight(L"Ag", 1000);
    const ButtonDialogLayout l =
        layOutButtonDialog(m, getTitleHeight(), 4 * lineHeight, int(labels.size()), measureWidest(labels));
    createWindow(l.window, kTitle);
    state = addText(l.text, L"");
    startButton = addButton(l.buttons[0], labels[0]);
    stopButton = addButton(l.buttons[1], labels[1]);
    closeButton = addButton(l.buttons[2], labels[2]);
    showState();
}

void RecordingDialog::showState(const std::wstring& note) {
    const bool recording = control.isRecording();
    std::wstring text =
        recording ? L"Recording into " + fileNameOf(control.getRecordingPath()) : std::wstring(L"Not recording.");
    if (!note.empty()) text += L"\n" + note;
    state->setText(text.c_str());
    startButton->setEnabled(!recording);
    stopButton->setEnabled(recording);
}

void RecordingDialog::askNameAndStart() {
    auto prompt = std::make_unique<TextPromptDialog>(
        context, kTitle, RecordingControl::kNamePrompt, suggestName ? suggestName() : std::string(),
        RecordingControl::isValidRecordingName, L"Only 0-9, A-Z, a-z, - and _ please, at most 64 characters.");
    openChild(std::move(prompt), [this](ADialog& d) {
        auto& answer = static_cast<TextPromptDialog&>(d);
        if (!answer.isAccepted()) return;
        showState(control.startRecording(answer.getText()) ? L"" : L"The recording could not be started.");
    });
}

void RecordingDialog::stop() {
    const std::wstring file = fileNameOf(control.getRecordingPath());
    showState(control.stopRecording() ? L"Saved " + file : L"");
}

bool RecordingDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    if (event.EventType != gui::EGET_BUTTON_CLICKED) return false;
    if (event.Caller == startButton) askNameAndStart();
    else if (event.Caller == stopButton) stop();
    else if (event.Caller == closeButton) cancel();
    else return false;
    return true;
}
