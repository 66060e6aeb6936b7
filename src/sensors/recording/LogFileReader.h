#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "sensors/recording/LogFileFormat.h"

// Reads a recording record by record and positions it in time through its
// index. A file whose index was never written (the recording program was
// killed or lost power) is read up to its last complete record; its index is
// computed on opening and, when the file may be written, stored in it.
class LogFileReader {
public:
    enum IndexState { NO_INDEX, STORED, REBUILT_AND_STORED, REBUILT_IN_MEMORY };

    struct Record {
        logfile::RecordHeader header;
        std::string payload;
    };

    LogFileReader() = default;
    ~LogFileReader();
    LogFileReader(const LogFileReader&) = delete;
    LogFileReader& operator=(const LogFileReader&) = delete;

    // Reports "Error: Unable to open LogFile: <path>" or "Error: LogFileVersion
    // <n> not supported." and returns false for a file without a usable header.
    // With `repair` a missing index is written into the file.
    bool open(const std::string& path, bool repair = true);
    // A recording made in memory (an imported track).
    bool openBytes(std::string bytes, const std::string& name);
    void close();
    bool isOpen() const { return file != nullptr; }

    // The next record in file order; false at the end of the records and at
    // a record of a type above 22 or a damaged length.
    bool readSample(Record& out);
    // Reads every record once to build the index and goes back to the first
    // one; refused ("Error: Index already calculated.") when there is one.
    bool calculateIndex();
    // Goes to the indexed record at or before the time stamp.
    bool seekNear(uint32_t timeStamp);
    bool rewind() { return seekTo(logfile::kHeaderSize); }

    const logfile::Index& getIndex() const { return index; }
    IndexState getIndexState() const { return indexState; }
    uint32_t getVersion() const { return version; }
    const std::string& getName() const { return name; }

private:
    bool readHeader();
    bool readStoredIndex(uint32_t offset);
    bool storeIndex();
    bool seekTo(uint64_t offset);

    std::FILE* file = nullptr;
    std::string memory;  // backs `file` for recordings made in memory
    std::string name;
    bool writable = false;
    uint32_t version = 0;
    uint64_t position = 0;
    uint64_t recordsEnd = 0;
    logfile::Index index;
    IndexState indexState = NO_INDEX;
};
