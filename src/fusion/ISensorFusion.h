#pragma once
#include <string>
#include <vector>

#include "fusion/AttitudeFusion.h"

// A source of fused attitude, heading and position: the local fusion on its
// own thread, or an external unit that fuses by itself.
class ISensorFusion {
public:
    // Starts delivering; false when it cannot (reasons are logged).
    virtual bool start() = 0;
    virtual void shutdown() = 0;
    // Called on the main thread: copies the newest result; true when it is
    // newer than the one taken last.
    virtual bool takeOutput(FusionOutput& out) = 0;
    // Called on the main thread: the messages for the pilot (see
    // PilotMessages.h) said since the last call, oldest first.
    virtual std::vector<std::string> takeMessages() = 0;
    virtual bool isConnected() = 0;
    virtual void startGyroCalibration() {}
    virtual ~ISensorFusion() = default;
};
