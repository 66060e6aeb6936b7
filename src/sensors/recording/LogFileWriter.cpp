#include "sensors/recording/LogFileWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "base/Logger.h"
#include "base/RecordCodec.h"

namespace {
// Big enough that a busy recording writes in large pieces between syncs.
const size_t kPendingLimit = 1u << 20;
}  // namespace

LogFileWriter::~LogFileWriter() { close(); }

bool LogFileWriter::open(const std::string& path) {
    close();
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0660);
    if (fd < 0) {
        logMessage("Error: Unable to create LogFile: " + path);
        return false;
    }
    index = logfile::Index();
    fileSize = 0;
    pending = logfile::headerBytes(0);
    return sync();
}

bool LogFileWriter::append(uint32_t timeStamp, ISensorData::Type type, const void* data, uint32_t length) {
    if (fd < 0) return false;
    const logfile::RecordHeader header{timeStamp, uint32_t(type), length};
    index.add(header, uint32_t(fileSize + pending.size()));
    pending += recordBytes(header.timeStamp, header.type, header.length);
    pending.append(static_cast<const char*>(data), length);
    if (timeStamp - lastSyncStamp >= kSyncPeriodMs) return sync();
    if (pending.size() >= kPendingLimit) {
        const bool written = writeAll(pending);
        pending.clear();
        return written;
    }
    return true;
}

bool LogFileWriter::writeAll(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    fileSize += bytes.size();
    return true;
}

bool LogFileWriter::sync() {
    if (fd < 0) return false;
    lastSyncStamp = index.getRecordCount() ? index.getLastTimeStamp() : 0;
    const bool written = writeAll(pending);
    pending.clear();
    return written && ::fdatasync(fd) == 0;
}

bool LogFileWriter::syncIfDue(uint32_t now) {
    if (fd < 0 || pending.empty() || now - lastSyncStamp < kSyncPeriodMs) return true;
    return sync();
}

bool LogFileWriter::close() {
    if (fd < 0) return false;
    logMessage("Writing Logfile index...");
    const uint32_t indexOffset = uint32_t(fileSize + pending.size());
    pending += index.toBytes();
    bool ok = sync();
    const uint32_t offsetField = indexOffset;
    ok = ok && ::pwrite(fd, &offsetField, 4, logfile::kIndexOffsetPosition) == 4 && ::fdatasync(fd) == 0;
    ::close(fd);
    fd = -1;
    if (ok) logMessage("Complete");
    return ok;
}
