#pragma once
#include <string>

// Speaks traffic calls through espeak-ng. Without a sound card the calls are
// written to the log instead, so a flight on a silent device still leaves a
// record of what would have been said.
class TrafficSpeech {
public:
    TrafficSpeech();
    ~TrafficSpeech();
    TrafficSpeech(const TrafficSpeech&) = delete;
    TrafficSpeech& operator=(const TrafficSpeech&) = delete;

    bool hasAudio() const { return audio; }
    void say(const std::string& text);

    // Whether the machine has a sound card that can play (an ALSA playback device).
    static bool audioDeviceExists(const std::string& deviceDirectory = "/dev/snd");

private:
    bool audio = false;
};
