#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "sensors/ISensorForwarder.h"
#include "sensors/recording/ForwardSchedule.h"
#include "sensors/recording/LogFileWriter.h"

// "Flight Recording": writes every forwarded sensor's samples into a
// recording, stamped with the time they were written.
class LogFileForwarder : public ISensorForwarder {
public:
    static constexpr int kDefaultForwardPeriodMs = 20;

    // `clockMs` gives the stamps (getMilliSecs by default).
    explicit LogFileForwarder(const std::string& path, std::function<uint32_t()> clockMs = nullptr);
    // Writes the index.
    ~LogFileForwarder() override;

    void forward(ISensor* sensor) override;
    // Appends one sample record.
    void forward(ISensorData::Type type, ISensorData* sample);
    void setForwardPeriod(int milliseconds) override { schedule.setPeriod(milliseconds); }
    std::string getName() override { return "Flight Recording"; }
    void setPause(bool pause) override { schedule.setPause(pause); }

    bool isRecording() const { return writer.isOpen(); }
    const std::string& getPath() const { return path; }
    // Writes the index and closes the file; nothing is recorded afterwards.
    bool stop();

private:
    std::string path;
    std::function<uint32_t()> clock;
    ForwardSchedule schedule{kDefaultForwardPeriodMs};
    LogFileWriter writer;
};

// The path with ".dat" added when missing and, when such a file exists
// already, "-2", "-3", ... before the extension.
std::string freshRecordingPath(const std::string& path);

// Keys of the forwarder's section: `fileName` (without folder) and `folder`.
class LogFileForwarderFactory : public ISensorForwarderFactory {
public:
    void setup() override {}
    // False without a file name.
    bool loadSetupFromIni(IniFile* ini, const std::string& section) override;
    void saveSetupToIni(IniFile* ini, const std::string& section) override;
    ISensorForwarder* Create() override;
    std::string getName() override { return "Flight Recording"; }

    void setFile(const std::string& folder, const std::string& fileName);
    // Folder and name joined.
    std::string getPath() const;

private:
    std::string folder;
    std::string fileName;
};
