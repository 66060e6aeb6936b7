#include "sensors/recording/LogFileForwarder.h"

#include "base/FileUtils.h"
#include "base/IniFile.h"
#include "base/Time.h"

LogFileForwarder::LogFileForwarder(const std::string& filePath, std::function<uint32_t()> clockMs)
    : path(filePath), clock(clockMs ? std::move(clockMs) : std::function<uint32_t()>(getMilliSecs)) {
    writer.open(path);
}

LogFileForwarder::~LogFileForwarder() { stop(); }

bool LogFileForwarder::stop() { return writer.isOpen() && writer.close(); }

void LogFileForwarder::forward(ISensor* sensor) {
    const uint32_t now = clock();
    // Records written just before the sensors fell silent still reach the disk.
    writer.syncIfDue(now);
    if (!writer.isOpen() || !schedule.isDue(sensor, now)) return;
    for (ISensorData::Type type : sensor->getSupportedDataTypes())
        if (ISensorData* sample = sensor->getData(type)) forward(type, sample);
}

void LogFileForwarder::forward(ISensorData::Type type, ISensorData* sample) {
    int size = 0;
    const void* bytes = sample->serialize(&size);
    writer.append(clock(), type, bytes, uint32_t(size));
}

bool LogFileForwarderFactory::loadSetupFromIni(IniFile* ini, const std::string& section) {
    folder = ini->get(section, "folder", "");
    fileName = ini->get(section, "fileName", "");
    return !fileName.empty();
}

void LogFileForwarderFactory::saveSetupToIni(IniFile* ini, const std::string& section) {
    ini->set(section, "folder", folder);
    ini->set(section, "fileName", fileName);
}

void LogFileForwarderFactory::setFile(const std::string& fileFolder, const std::string& name) {
    folder = fileFolder;
    fileName = name;
}

std::string LogFileForwarderFactory::getPath() const {
    if (folder.empty() || folder.back() == '/') return folder + fileName;
    return folder + "/" + fileName;
}

// A configuration that keeps a recording forwarder makes a new file at every
// start; the flights recorded before are never overwritten.
std::string freshRecordingPath(const std::string& path) {
    const bool hasExtension = path.size() > 4 && path.compare(path.size() - 4, 4, logfile::kExtension) == 0;
    const std::string stem = hasExtension ? path.substr(0, path.size() - 4) : path;
    std::string candidate = stem + logfile::kExtension;
    for (int n = 2; fileExists(candidate); ++n) candidate = stem + "-" + std::to_string(n) + logfile::kExtension;
    return candidate;
}

ISensorForwarder* LogFileForwarderFactory::Create() {
    if (fileName.empty()) return nullptr;
    // The folder chosen at the set-up may not exist yet (or any more).
    if (!folder.empty()) makePath(folder);
    return new LogFileForwarder(freshRecordingPath(getPath()));
}
