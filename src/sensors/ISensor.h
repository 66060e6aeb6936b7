#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sensors/ISensorData.h"

// A data source: a device, a simulator, a recording. It owns one sample per
// type it supplies and overwrites it in place; the sensor manager polls it
// once per frame on the main thread.
class ISensor {
public:
    // Higher is worse.
    enum WarningLevel { GOOD = 0, MAYBE_WRONG = 1, WRONG = 2 };

    virtual std::string getName() = 0;
    // Polls the source without blocking; true when at least one sample
    // changed since the last call.
    virtual bool Update() = 0;
    // The source's change marker for the type. Each kind chooses its form: a
    // time stamp or counter that changes whenever the sample does, or (GDL90)
    // 1 when the sample got a new value in this cycle and 0 otherwise.
    virtual uint32_t lastTimeUpdated(ISensorData::Type type) = 0;
    // The sample of the type, owned by the sensor for its whole life, or null.
    virtual ISensorData* getData(ISensorData::Type type) = 0;
    virtual bool isDataTypeSupported(ISensorData::Type type) = 0;
    virtual std::vector<ISensorData::Type> getSupportedDataTypes() = 0;
    virtual WarningLevel getWarning(ISensorData::Type type) = 0;

    virtual void OnSetup() {}
    virtual void OnSetupExit() {}
    virtual void OnCalibrate() {}
    // Multi-line text for the sensor status dialog.
    virtual std::wstring getSensorDetails() { return L""; }
    // Replaces the label of the calibration button; empty keeps the default.
    virtual std::wstring getCalibLabelOverride() { return L""; }
    virtual void OnScreenChanged() {}
    virtual bool isUsableForAutomaticLogging() { return true; }
    virtual void OnShutdown() {}
    virtual void OnWarningLampClick() {}

    virtual ~ISensor() = default;
};

// A source that also talks to an autopilot: once per update it may send the
// active route's steering sentence to the autopilot link.
class ASensorWithAutopilot : public ISensor {
public:
    // What the route side offers the autopilot; null while no route is active.
    using RouteSentenceSource = std::function<std::string()>;

    // The sentence sent while no route is active.
    static const char* const kNoRouteSentence;

    // Sends at most once per configured period; called by the sensor from
    // its own Update().
    virtual void handleAutopilotPackages();
    // Reads `autopilotEnabled` and `autopilotPeriodMs` from the section of
    // the sensor in the autopilot configuration.
    virtual void readAutopilotConfig(const std::string& autopilotIniPath, const std::string& section);
    // Settings descriptor of the autopilot output for the settings editor.
    virtual std::string getSettingsGUICode();

    void setRouteSentenceSource(RouteSentenceSource source) { routeSource = std::move(source); }
    void setAutopilotEnabled(bool enabled) { autopilotEnabled = enabled; }
    bool isAutopilotEnabled() const { return autopilotEnabled; }
    void setAutopilotPeriodMs(uint32_t period) { autopilotPeriodMs = period; }

protected:
    // Sends one complete NMEA sentence (with "\r\n") to the autopilot link;
    // false when the link is down.
    virtual bool sendToAutopilot(const std::string& sentence) = 0;

private:
    RouteSentenceSource routeSource;
    bool autopilotEnabled = false;
    uint32_t autopilotPeriodMs = 1000;
    bool sentOnce = false;
    uint32_t lastSentMs = 0;
};

// A source that can be positioned in time (a recording being replayed).
class ISeekableSensor : public ISensor {
public:
    // Fraction 0..1 of the recording.
    virtual void setPlayPosition(double fraction) = 0;
    virtual double getPlayPosition() = 0;
    virtual void setPlaybackPaused(bool paused) = 0;
    // 1.0 is real time.
    virtual void setPlaybackSpeed(double factor) = 0;
    virtual void setPlaybackLoop(bool loop) = 0;
};
