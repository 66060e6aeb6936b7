#include "sensors/recording/RecordingControl.h"

#include <algorithm>
#include <cctype>

#include "base/FileUtils.h"
#include "base/IniFile.h"
#include "sensors/SensorManager.h"
#include "sensors/recording/LogFileForwarder.h"
#include "sensors/recording/LogFileSensor.h"

const wchar_t* const RecordingControl::kNamePrompt =
    L"Please enter the new logfile name (characters: 0-9,A-Z,a-z,-,_):";
const int RecordingControl::kSpeeds[4] = {1, 2, 4, 8};

namespace {
const size_t kMaxNameLength = 64;
const wchar_t* const kReplayPreset = L"Play Flight Recording";

bool hasExtension(const std::string& name, const char* extension) {
    const size_t n = std::char_traits<char>::length(extension);
    if (name.size() <= n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - n + i])) != extension[i]) return false;
    return true;
}
}  // namespace

RecordingControl::RecordingControl(SensorManager& sensorManager, std::string recordingsFolder)
    : manager(sensorManager), folder(std::move(recordingsFolder)) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
}

bool RecordingControl::isValidRecordingName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_';
    });
}

LogFileForwarder* RecordingControl::activeRecording() const {
    // Reloading the sensor settings deletes every forwarder, ours included.
    for (int i = 0; i < manager.getSensorForwarderCount(); ++i)
        if (manager.getSensorForwarder(i) == recording) return recording;
    return nullptr;
}

bool RecordingControl::isRecording() const { return activeRecording() != nullptr; }

std::string RecordingControl::getRecordingPath() const {
    LogFileForwarder* active = activeRecording();
    return active ? active->getPath() : std::string();
}

bool RecordingControl::startRecording(const std::string& name) {
    if (!isValidRecordingName(name) || isRecording()) return false;
    makePath(folder);
    auto* forwarder = new LogFileForwarder(freshRecordingPath(folder + name));
    if (!forwarder->isRecording()) {
        delete forwarder;
        return false;
    }
    // Not part of the configuration: a recording started by hand ends with
    // the program or the next reload of the sensors.
    manager.addSensorForwarder(-1, forwarder);
    recording = forwarder;
    return true;
}

bool RecordingControl::stopRecording() {
    for (int i = 0; i < manager.getSensorForwarderCount(); ++i) {
        if (manager.getSensorForwarder(i) != recording) continue;
        manager.deleteSensorForwarder(i);
        recording = nullptr;
        return true;
    }
    return false;
}

std::vector<std::string> RecordingControl::listRecordings() const {
    std::vector<std::string> names;
    visitFiles(folder, [&](const std::string& path, bool isDirectory) {
        const std::string name = path.substr(folder.size());
        if (isDirectory || name.find('/') != std::string::npos) return;
        if (hasExtension(name, ".dat") || hasExtension(name, ".igc") || hasExtension(name, ".gpx"))
            names.push_back(name);
    });
    std::sort(names.begin(), names.end());
    return names;
}

bool RecordingControl::play(const std::string& fileName, IniFile& config) {
    for (const ConfigOverrideSection& section : manager.getSensorConfigOverrideSections()) {
        for (IConfigOverride* preset : section.overrides) {
            if (preset->getName() != kReplayPreset) continue;
            if (!preset->OnConfigChosen(&config)) return false;
            config.set("S1", "folder", folder);
            config.set("S1", "fileName", fileName);
            manager.loadSensorSettingsFromIni(&config, false);
            manager.setPlaybackSpeed(manager.getPlaybackSpeed());
            manager.setPlaybackLoop(manager.isPlaybackLoop());
            manager.setPlaybackPaused(manager.isPlaybackPaused());
            return manager.isPlaybackAvailable();
        }
    }
    return false;
}

void RecordingControl::setPaused(bool paused) { manager.setPlaybackPaused(paused); }

bool RecordingControl::setSpeed(int factor) {
    if (std::find(std::begin(kSpeeds), std::end(kSpeeds), factor) == std::end(kSpeeds)) return false;
    manager.setPlaybackSpeed(factor);
    return true;
}

void RecordingControl::setLoop(bool loop) { manager.setPlaybackLoop(loop); }

bool RecordingControl::isPaused() const { return manager.isPlaybackPaused(); }

int RecordingControl::getSpeed() const { return int(manager.getPlaybackSpeed()); }

bool RecordingControl::isLoop() const { return manager.isPlaybackLoop(); }

void RecordingControl::seek(double fraction) { manager.setPlayPosition(fraction); }

double RecordingControl::getPosition() const { return manager.getPlayPosition(); }

uint32_t RecordingControl::getDurationMs() const {
    auto* replay = dynamic_cast<LogFileSensor*>(manager.getPlaybackSensor());
    return replay && replay->isOpen() ? replay->getReader().getIndex().getDurationMs() : 0;
}

std::string RecordingControl::getReplayedFile() const {
    // Asked of the sensor: a replay may come from the configuration loaded at
    // the start, and a reload of other settings ends it without telling us.
    auto* replay = dynamic_cast<LogFileSensor*>(manager.getPlaybackSensor());
    if (!replay || !replay->isOpen()) return std::string();
    const std::string& path = replay->getPath();
    return path.compare(0, folder.size(), folder) == 0 ? path.substr(folder.size()) : path;
}
