#include "traffic/TrafficSpeech.h"

#include <espeak-ng/speak_lib.h>

#include <filesystem>

#include "base/Logger.h"

bool TrafficSpeech::audioDeviceExists(const std::string& deviceDirectory) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(deviceDirectory, error)) {
        const std::string name = entry.path().filename().string();
        // ALSA names playback devices pcmC<card>D<device>p.
        if (name.rfind("pcmC", 0) == 0 && !name.empty() && name.back() == 'p') return true;
    }
    return false;
}

TrafficSpeech::TrafficSpeech() {
    if (!audioDeviceExists()) {
        logMessage("Traffic callouts are silent: no audio device.");
        return;
    }
    audio = espeak_Initialize(AUDIO_OUTPUT_PLAYBACK, 0, nullptr, 0) > 0;
    if (!audio) logMessage("Traffic callouts are silent: speech synthesis unavailable.");
}

TrafficSpeech::~TrafficSpeech() {
    if (audio) espeak_Terminate();
}

void TrafficSpeech::say(const std::string& text) {
    if (!audio) {
        logMessage("Traffic callout (silent): " + text, Logger::FILE);
        return;
    }
    // Playback is asynchronous: the call returns while the words are spoken.
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
}
