#include "sensors/recording/LogFileSensor.h"

#include <cmath>
#include <set>

#include "base/Time.h"
#include "sensors/ISensorManagerUI.h"
#include "sensors/SensorManager.h"
#include "sensors/recording/TrackImport.h"

namespace {
// A recording is replayed by one sensor at a time: two would fight over the
// playback controls and show the pilot two flights at once.
std::set<std::string>& recordingsInUse() {
    static std::set<std::string> paths;
    return paths;
}
}  // namespace

std::vector<ISensorData::Type> LogFileSensor::supportedTypes() {
    std::vector<ISensorData::Type> types;
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) types.push_back(ISensorData::Type(t));
    return types;
}

LogFileSensor::LogFileSensor(SensorManager& sensorManager, const Settings& sensorSettings,
                             std::function<uint32_t()> clockMs)
    : manager(sensorManager),
      settings(sensorSettings),
      clock(clockMs ? std::move(clockMs) : std::function<uint32_t()>(getMilliSecs)),
      samples(sensorManager, supportedTypes()) {
    if (!recordingsInUse().insert(settings.path).second) {
        manager.showMessage(this, L"A logfile is in use.", ISensorManagerUI::WARNING, 10000);
        return;
    }
    claimedPath = settings.path;
    if (!openReplaySource(reader, settings.path))
        manager.showMessage(this, L"Unable to open the recording.", ISensorManagerUI::WARNING, 10000);
}

LogFileSensor::~LogFileSensor() {
    if (!claimedPath.empty()) recordingsInUse().erase(claimedPath);
    manager.removeMessage(this);
}

std::string LogFileSensor::getName() {
    const size_t slash = settings.path.find_last_of('/');
    return "LogFile (" + settings.path.substr(slash == std::string::npos ? 0 : slash + 1) + ")";
}

uint32_t LogFileSensor::lastTimeUpdated(ISensorData::Type type) {
    return type >= 0 && type < ISensorData::TYPE_COUNT ? updates[type] : 0;
}

ISensor::WarningLevel LogFileSensor::getWarning(ISensorData::Type) { return reader.isOpen() ? settings.level : WRONG; }

std::wstring LogFileSensor::getSensorDetails() {
    const std::string name = getName();
    std::wstring text(name.begin(), name.end());
    if (!reader.isOpen()) return text + L"\nNot replaying.";
    const double seconds = reader.getIndex().getDurationMs() / 1000.0;
    return text + L"\nDuration: " + std::to_wstring(int(std::lround(seconds))) + L" s\nPosition: " +
           std::to_wstring(int(std::lround(getPlayPosition() * 100))) + L"%";
}

bool LogFileSensor::Update() {
    const uint32_t now = clock();
    if (!clockStarted) {
        lastClock = now;
        clockStarted = true;
    }
    const uint32_t elapsed = TimeDiff(now, lastClock);
    lastClock = now;
    if (!reader.isOpen() || paused || finished) return false;
    playTimeMs += elapsed * speed;
    return replayDue();
}

bool LogFileSensor::replayDue() {
    bool changed = false;
    bool rewound = false;
    for (;;) {
        if (!havePending) havePending = reader.readSample(pending);
        if (!havePending) {
            // One turn per update at most, so an empty recording cannot spin.
            if (!loop || rewound || reader.getIndex().getRecordCount() == 0) {
                finished = !loop;
                return changed;
            }
            reader.rewind();
            playTimeMs = 0;
            rewound = true;
            continue;
        }
        if (double(pending.header.timeStamp - firstStamp()) > playTimeMs) return changed;
        changed |= apply(pending);
        havePending = false;
    }
}

bool LogFileSensor::apply(const LogFileReader::Record& record) {
    const auto type = ISensorData::Type(record.header.type);
    ISensorData* sample = samples.get(type);
    if (!sample || !sample->deserialize(record.payload.data(), int(record.payload.size()))) return false;
    ++updates[type];
    return true;
}

void LogFileSensor::setPlayPosition(double fraction) {
    if (!reader.isOpen()) return;
    if (!(fraction >= 0)) fraction = 0;
    if (fraction > 1) fraction = 1;
    const uint32_t target = firstStamp() + uint32_t(std::floor(fraction * reader.getIndex().getDurationMs()));
    reader.seekNear(target);
    havePending = false;
    finished = false;
    // The samples take the values they had at the target: the records from
    // the index entry up to it are replayed at once.
    while ((havePending = reader.readSample(pending)) && pending.header.timeStamp <= target) apply(pending);
    playTimeMs = target - firstStamp();
}

double LogFileSensor::getPlayPosition() {
    const uint32_t duration = reader.isOpen() ? reader.getIndex().getDurationMs() : 0;
    if (duration == 0) return finished ? 1.0 : 0.0;
    return std::min(1.0, playTimeMs / duration);
}

const char* const LogFileSensorFactory::NAME = "LogFile";
const char* const LogFileSensorFactory::SETTINGS_DESCRIPTOR =
    "fileName,Choose LogFile: ,,STRING;folder,Folder: ,,STRING;"
    "level,Warning level indication: ,WRONG\\;MAYBE_WRONG\\;GOOD,ONE_OF;";

LogFileSensorFactory::LogFileSensorFactory(SensorManager* manager)
    : ASettingsSensorFactory(manager, SETTINGS_DESCRIPTOR) {}

LogFileSensor::Settings LogFileSensorFactory::getSensorSettings() const {
    LogFileSensor::Settings s;
    std::string folder = getString("folder");
    if (!folder.empty() && folder.back() != '/') folder += '/';
    s.path = folder + getString("fileName");
    const std::string& level = getString("level");
    s.level = level == "GOOD" ? ISensor::GOOD : level == "MAYBE_WRONG" ? ISensor::MAYBE_WRONG : ISensor::WRONG;
    return s;
}

ISensor* LogFileSensorFactory::Create() { return new LogFileSensor(*manager, getSensorSettings(), clock); }
