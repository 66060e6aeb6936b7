#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "sensors/ASettingsSensorFactory.h"
#include "sensors/ISensor.h"
#include "sensors/SensorSampleTable.h"
#include "sensors/recording/LogFileReader.h"

class SensorManager;

// Replays a recording (or an imported IGC or GPX track) as if its sensors
// were live: a record is handed on when the replay clock reaches its time
// stamp, the clock running at the chosen speed from the first record on.
// Every sample keeps the bytes it was recorded with.
class LogFileSensor : public ISeekableSensor {
public:
    struct Settings {
        std::string path;
        WarningLevel level = WRONG;
    };

    // `clockMs` gives milliseconds of the monotonic clock (getMilliSecs by
    // default), so tests can step the replay without waiting.
    LogFileSensor(SensorManager& manager, const Settings& settings, std::function<uint32_t()> clockMs = nullptr);
    ~LogFileSensor() override;

    std::string getName() override;
    bool Update() override;
    // Counts the samples of the type replayed so far.
    uint32_t lastTimeUpdated(ISensorData::Type type) override;
    ISensorData* getData(ISensorData::Type type) override { return samples.get(type); }
    bool isDataTypeSupported(ISensorData::Type type) override { return samples.supports(type); }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return samples.getTypes(); }
    // The level chosen in the settings; WRONG while nothing is replayed.
    WarningLevel getWarning(ISensorData::Type type) override;
    std::wstring getSensorDetails() override;
    bool isUsableForAutomaticLogging() override { return false; }

    void setPlayPosition(double fraction) override;
    double getPlayPosition() override;
    void setPlaybackPaused(bool paused) override { this->paused = paused; }
    void setPlaybackSpeed(double factor) override { speed = factor > 0 ? factor : 1.0; }
    void setPlaybackLoop(bool loop) override { this->loop = loop; }

    bool isOpen() const { return reader.isOpen(); }
    const std::string& getPath() const { return settings.path; }
    // True once the last record was replayed (never while looping).
    bool isFinished() const { return finished; }
    const LogFileReader& getReader() const { return reader; }

    static std::vector<ISensorData::Type> supportedTypes();

private:
    bool apply(const LogFileReader::Record& record);
    // Replays the records up to the replay clock; true when a sample changed.
    bool replayDue();
    uint32_t firstStamp() const { return reader.getIndex().getFirstTimeStamp(); }

    SensorManager& manager;
    Settings settings;
    std::function<uint32_t()> clock;
    SensorSampleTable samples;
    LogFileReader reader;
    std::string claimedPath;

    LogFileReader::Record pending;
    bool havePending = false;
    uint32_t updates[ISensorData::TYPE_COUNT] = {};
    double playTimeMs = 0;
    uint32_t lastClock = 0;
    bool clockStarted = false;
    bool paused = false;
    bool loop = false;
    bool finished = false;
    double speed = 1.0;
};

// "LogFile": the recording `fileName` in `folder`, replayed with the
// warning level `level`.
class LogFileSensorFactory : public ASettingsSensorFactory {
public:
    static const char* const NAME;
    static const char* const SETTINGS_DESCRIPTOR;

    explicit LogFileSensorFactory(SensorManager* manager);

    ISensor* Create() override;
    std::string getName() override { return NAME; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return LogFileSensor::supportedTypes(); }

    LogFileSensor::Settings getSensorSettings() const;
    // The clock of the replays made from now on (getMilliSecs when unset),
    // so a replay can be stepped without waiting.
    void setClock(std::function<uint32_t()> clockMs) { clock = std::move(clockMs); }

private:
    std::function<uint32_t()> clock;
};
