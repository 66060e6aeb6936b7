#include "sensors/recording/LogFileReader.h"

#include <unistd.h>

#include <vector>

#include "base/Logger.h"
#include "base/RecordCodec.h"

LogFileReader::~LogFileReader() { close(); }

void LogFileReader::close() {
    if (file) std::fclose(file);
    file = nullptr;
    memory.clear();
    index = logfile::Index();
    indexState = NO_INDEX;
}

bool LogFileReader::open(const std::string& path, bool repair) {
    close();
    name = path;
    writable = false;
    if (repair) {
        file = std::fopen(path.c_str(), "r+b");
        writable = file != nullptr;
    }
    if (!file) file = std::fopen(path.c_str(), "rb");
    return readHeader();
}

bool LogFileReader::openBytes(std::string bytes, const std::string& recordingName) {
    close();
    name = recordingName;
    writable = false;
    memory = std::move(bytes);
    if (!memory.empty()) file = fmemopen(&memory[0], memory.size(), "rb");
    return readHeader();
}

bool LogFileReader::readHeader() {
    char header[logfile::kHeaderSize];
    if (!file || std::fread(header, 1, sizeof header, file) != sizeof header) {
        logMessage("Error: Unable to open LogFile: " + name);
        close();
        return false;
    }
    uint32_t indexOffset = 0;
    RecordReader(header, sizeof header)(version, indexOffset);
    if (version != logfile::kVersion) {
        logMessage("Error: LogFileVersion " + std::to_string(version) + " not supported.");
        close();
        return false;
    }
    std::fseek(file, 0, SEEK_END);
    recordsEnd = uint64_t(std::ftell(file));
    if (indexOffset >= logfile::kHeaderSize && indexOffset <= recordsEnd && readStoredIndex(indexOffset)) {
        recordsEnd = indexOffset;
        indexState = STORED;
        return rewind();
    }
    // An offset that points into the file but not at an index still ends the records.
    if (indexOffset >= logfile::kHeaderSize && indexOffset < recordsEnd) recordsEnd = indexOffset;
    if (!calculateIndex()) return false;
    if (writable && storeIndex()) indexState = REBUILT_AND_STORED;
    return rewind();
}

bool LogFileReader::readStoredIndex(uint32_t offset) {
    std::string bytes(recordsEnd - offset, '\0');
    return seekTo(offset) && std::fread(&bytes[0], 1, bytes.size(), file) == bytes.size() && index.fromBytes(bytes);
}

bool LogFileReader::calculateIndex() {
    if (indexState != NO_INDEX) {
        logMessage("Error: Index already calculated.");
        return false;
    }
    if (!rewind()) return false;
    Record record;
    uint64_t offset = position;
    while (readSample(record)) {
        index.add(record.header, uint32_t(offset));
        offset = position;
    }
    // Whatever follows the last complete record is the unfinished tail of an
    // interrupted recording.
    recordsEnd = offset;
    indexState = REBUILT_IN_MEMORY;
    return rewind();
}

bool LogFileReader::storeIndex() {
    const std::string bytes = index.toBytes();
    const uint32_t offset = uint32_t(recordsEnd);
    const int fd = fileno(file);
    std::fflush(file);
    return ::ftruncate(fd, off_t(recordsEnd)) == 0 &&
           ::pwrite(fd, bytes.data(), bytes.size(), off_t(recordsEnd)) == ssize_t(bytes.size()) &&
           ::pwrite(fd, &offset, 4, logfile::kIndexOffsetPosition) == 4 && ::fdatasync(fd) == 0;
}

bool LogFileReader::seekTo(uint64_t offset) {
    if (!file || std::fseek(file, long(offset), SEEK_SET) != 0) return false;
    position = offset;
    return true;
}

bool LogFileReader::seekNear(uint32_t timeStamp) {
    const uint32_t offset = index.offsetAtOrBefore(timeStamp);
    return seekTo(offset ? offset : logfile::kHeaderSize);
}

bool LogFileReader::readSample(Record& out) {
    if (!file || position + logfile::kRecordHeaderSize > recordsEnd) return false;
    char header[logfile::kRecordHeaderSize];
    if (std::fread(header, 1, sizeof header, file) != sizeof header) return false;
    logfile::RecordHeader h;
    RecordReader(header, sizeof header)(h.timeStamp, h.type, h.length);
    const uint64_t end = position + logfile::kRecordHeaderSize + h.length;
    if (h.type >= uint32_t(ISensorData::TYPE_COUNT) || h.length > logfile::kMaxRecordLength || end > recordsEnd) {
        std::fseek(file, long(position), SEEK_SET);
        return false;
    }
    out.header = h;
    out.payload.resize(h.length);
    if (h.length && std::fread(&out.payload[0], 1, h.length, file) != h.length) {
        std::fseek(file, long(position), SEEK_SET);
        return false;
    }
    position = end;
    return true;
}
