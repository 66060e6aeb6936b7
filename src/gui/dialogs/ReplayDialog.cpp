#include "gui/dialogs/ReplayDialog.h"

#include <algorithm>
#include <cmath>

#include "base/IniFile.h"
#include "base/Logger.h"
#include "base/StringConversions.h"
#include "gui/dialogs/FrameHook.h"
#include "gui/dialogs/RecordingTexts.h"
#include "gui/dialogs/ReplayLayout.h"
#include "sensors/recording/RecordingControl.h"

using namespace irr;

namespace {
core::rect<s32> toRect(const Box& b) { return core::rect<s32>(b.left, b.top, b.right, b.bottom); }
}  // namespace

ReplayDialog::ReplayDialog(const DialogContext& c, RecordingControl& recordingControl, std::string path)
    : ADialog(c), control(recordingControl), configPath(std::move(path)) {}

void ReplayDialog::build() {
    const DialogMetrics m = context.getMetrics();
    const ReplayLayout l = layOutReplayDialog(m, getTitleHeight());
    gui::IGUIEnvironment* env = context.getGUI();
    gui::IGUIWindow* window = createWindow(l.window, L"Replay");
    // First child: the values it refreshes are drawn after it.
    FrameHook::add(env, window, [this] { refresh(); });

    list = env->addListBox(toRect(l.list), window, -1, true);
    list->setItemHeight(listRowHeight(m, int(env->getSkin()->getFont()->getDimension(L"Ag").Height)));
    recordings = control.listRecordings();
    for (const std::string& name : recordings) list->addItem(convertUtf8ToWString(name).c_str());
    const auto replayed = std::find(recordings.begin(), recordings.end(), control.getReplayedFile());
    if (replayed != recordings.end()) list->setSelected(int(replayed - recordings.begin()));
    status = addText(l.status, recordings.empty() ? L"No recordings yet." : L"", false);

    position = addText(l.position, L"", false);
    seekBar = env->addScrollBar(true, toRect(l.seekBar), window);
    seekBar->setMax(kSeekSteps);
    seekBar->setSmallStep(kSeekSteps / 100);
    seekBar->setLargeStep(kSeekSteps / 10);

    playButton = addButton(l.transport[0], L"Play");
    pauseButton = addButton(l.transport[1], L"Pause");
    loopButton = addButton(l.transport[2], L"Loop");
    closeButton = addButton(l.transport[3], L"Close");
    for (gui::IGUIButton* b : {pauseButton, loopButton}) b->setIsPushButton(true);
    for (size_t i = 0; i < l.speeds.size(); ++i) {
        const std::wstring label = std::to_wstring(RecordingControl::kSpeeds[i]) + L"\u00d7";
        speedButtons.push_back(addButton(l.speeds[i], label));
        speedButtons.back()->setIsPushButton(true);
    }
    refresh();
}

void ReplayDialog::refresh() {
    const uint32_t duration = control.getDurationMs();
    const double fraction = control.getPosition();
    const bool replaying = !control.getReplayedFile().empty();
    position->setText(replaying ? formatReplayTime(uint32_t(std::lround(fraction * duration)), duration).c_str() : L"");
    seekBar->setEnabled(replaying);
    seekBar->setPos(int(std::lround(fraction * kSeekSteps)));
    pauseButton->setPressed(control.isPaused());
    loopButton->setPressed(control.isLoop());
    for (size_t i = 0; i < speedButtons.size(); ++i)
        speedButtons[i]->setPressed(control.getSpeed() == RecordingControl::kSpeeds[i]);
}

void ReplayDialog::play() {
    const s32 row = list->getSelected();
    if (row < 0 || row >= s32(recordings.size())) {
        status->setText(L"Please choose a recording.");
        return;
    }
    const std::string& chosen = recordings[row];
    if (chosen != control.getReplayedFile()) {
        IniFile config(configPath);
        if (!control.play(chosen, config)) {
            status->setText(L"This recording cannot be replayed.");
            return;
        }
        if (!config.save(configPath)) logMessage("Cannot save the sensor configuration to " + configPath);
    }
    // At the end, Play starts over.
    if (control.getPosition() >= 1.0) control.seek(0);
    control.setPaused(false);
    status->setText((L"Replaying " + convertUtf8ToWString(chosen)).c_str());
}

bool ReplayDialog::onButton(gui::IGUIElement* caller) {
    if (caller == playButton) {
        play();
    } else if (caller == pauseButton) {
        control.setPaused(!control.isPaused());
    } else if (caller == loopButton) {
        control.setLoop(!control.isLoop());
    } else if (caller == closeButton) {
        cancel();
    } else {
        const auto speed = std::find(speedButtons.begin(), speedButtons.end(), caller);
        if (speed == speedButtons.end()) return false;
        control.setSpeed(RecordingControl::kSpeeds[speed - speedButtons.begin()]);
    }
    refresh();
    return true;
}

bool ReplayDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    if (event.EventType == gui::EGET_SCROLL_BAR_CHANGED && event.Caller == seekBar) {
        control.seek(double(seekBar->getPos()) / kSeekSteps);
        return true;
    }
    if (event.EventType == gui::EGET_BUTTON_CLICKED) return onButton(event.Caller);
    return false;
}
