#pragma once
#include <string>

// Most of what the fusion says is for the log. A few messages concern the
// pilot and also go to the message line: warnings about the installation,
// the progress of a gyro calibration, the state of an external unit.
struct PilotMessage {
    std::wstring text;
    int colour = 0;      // ISensorManagerUI::Colour
    int durationMs = 0;  // < 0: until replaced
};

// The message-line entry for one of the fusion's messages; false for the
// messages that only go to the log.
bool toPilotMessage(const std::string& logLine, PilotMessage& out);
