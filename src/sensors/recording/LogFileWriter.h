#pragma once
#include <cstdint>
#include <string>

#include "sensors/recording/LogFileFormat.h"

// Appends records to a new recording. Records are collected in memory and
// pushed to the disk (written and synced) at least once a second, so a power
// cut or a killed program loses at most the last second; close() adds the
// index. A file without its index is still replayable: the reader rebuilds it.
class LogFileWriter {
public:
    static constexpr uint32_t kSyncPeriodMs = 1000;

    LogFileWriter() = default;
    ~LogFileWriter();
    LogFileWriter(const LogFileWriter&) = delete;
    LogFileWriter& operator=(const LogFileWriter&) = delete;

    // Creates (or replaces) the file and writes its header.
    bool open(const std::string& path);
    bool isOpen() const { return fd >= 0; }
    // Appends one record stamped `timeStamp`; syncs when the last sync is
    // a second old by that stamp.
    bool append(uint32_t timeStamp, ISensorData::Type type, const void* data, uint32_t length);
    // Writes what is collected and syncs it to the disk.
    bool sync();
    // Syncs when records wait and the last sync is a second old at `now`.
    bool syncIfDue(uint32_t now);
    // Writes the index, stores its offset in the header and closes the file.
    bool close();

    const logfile::Index& getIndex() const { return index; }

private:
    bool writeAll(const std::string& bytes);

    int fd = -1;
    std::string pending;
    uint64_t fileSize = 0;
    uint32_t lastSyncStamp = 0;
    logfile::Index index;
};
