#pragma once
#include <string>
#include <vector>

#include "sensors/ISensorManagerUI.h"

// Remembers what the manager and its sensors show and ask.
class RecordingUI : public ISensorManagerUI {
public:
    void setMessage(const void*, const std::wstring& text, int colour, int durationMs) override {
        messages.push_back(text);
        colours.push_back(colour);
        durations.push_back(durationMs);
    }
    void removeMessage(const void*) override {}
    void OnSensorChanged() override { ++sensorChanges; }
    int askUserChoice(const std::wstring& question, const std::vector<std::wstring>& choices) override {
        questions.push_back(question);
        lastChoices = choices;
        return answer;
    }
    IConfigOverride* chooseSensorConfigOverride(const std::vector<ConfigOverrideSection>&) override { return chosen; }
    // colour < 0: in any colour.
    bool saw(const std::wstring& text, int colour = -1) const {
        for (size_t i = 0; i < messages.size(); ++i)
            if (messages[i] == text && (colour < 0 || colours[i] == colour)) return true;
        return false;
    }

    std::vector<std::wstring> messages;
    std::vector<int> colours, durations;
    std::vector<std::wstring> questions;
    std::vector<std::wstring> lastChoices;
    int answer = -1;
    int sensorChanges = 0;
    IConfigOverride* chosen = nullptr;
};
