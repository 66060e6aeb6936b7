// cirrona-diag log: what a flight recording (or an IGC / GPX track) holds, its
// track as GPX or IGC, or its samples sent as forwarding datagrams.
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "DiagCommand.h"
#include "base/StringConversions.h"
#include "base/Time.h"
#include "net/HostAddresses.h"
#include "sensors/SensorDataFactory.h"
#include "sensors/recording/ForwardingRecord.h"
#include "sensors/recording/TrackImport.h"

namespace {

const char* indexStateText(LogFileReader::IndexState state) {
    switch (state) {
    case LogFileReader::STORED:
        return "stored";
    case LogFileReader::REBUILT_AND_STORED:
        return "rebuilt and stored";
    case LogFileReader::REBUILT_IN_MEMORY:
        return "missing (rebuilt in memory)";
    default:
        return "none";
    }
}

void printSummary(LogFileReader& reader) {
    const logfile::Index& index = reader.getIndex();
    std::printf("Version: %u\n", reader.getVersion());
    std::printf("Duration: %.3f s\n", index.getDurationMs() / 1000.0);
    std::printf("Records: %u\n", index.getRecordCount());
    std::printf("Index: %s, %zu entries\n", indexStateText(reader.getIndexState()), index.getEntries().size());
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        if (!index.getTypeCount(t)) continue;
        std::unique_ptr<ISensorDataFactory> factory(createStandardSensorDataFactory(ISensorData::Type(t)));
        std::printf("  %2d %-28s %u\n", t, factory->getName().c_str(), index.getTypeCount(t));
    }
}

// Sends the records as forwarding datagrams, those of one time stamp
// together, paced by the stamps at `speed` times real time.
int forwardRecording(LogFileReader& reader, const std::string& target, double speed) {
    const size_t colon = target.rfind(':');
    const int port = colon == std::string::npos ? 0 : convertStringTo<int>(target.substr(colon + 1));
    if (port <= 0 || port > 65535) {
        std::fprintf(stderr, "log: --forward takes HOST:PORT\n");
        return 2;
    }
    std::unique_ptr<ISocket> socket =
        createSocketForHostName(false, target.substr(0, colon), static_cast<unsigned short>(port), 2000);
    if (!socket) {
        std::fprintf(stderr, "log: cannot resolve %s\n", target.c_str());
        return 1;
    }
    const uint32_t first = reader.getIndex().getFirstTimeStamp();
    const double start = getSecs();
    std::string datagram;
    uint32_t datagramStamp = first;
    unsigned sent = 0;
    auto flush = [&] {
        if (datagram.empty()) return;
        const double due = start + (datagramStamp - first) / 1000.0 / speed;
        const double wait = due - getSecs();
        if (wait > 0) delay(unsigned(std::lround(wait * 1000)));
        socket->send(datagram.data(), unsigned(datagram.size()));
        datagram.clear();
        ++sent;
    };
    LogFileReader::Record record;
    while (reader.readSample(record)) {
        if (record.header.timeStamp != datagramStamp || datagram.size() + record.payload.size() > 60000) flush();
        datagramStamp = record.header.timeStamp;
        forwarding::appendRecord(datagram, record.header.type, 0, uint8_t(datagramStamp / 20), record.payload.data(),
                                 uint32_t(record.payload.size()));
    }
    flush();
    std::printf("Sent %u datagrams to %s\n", sent, target.c_str());
    return 0;
}

int runLog(const DiagCommand& self, const std::vector<std::string>& args) {
    std::string path;
    std::string format;
    std::string target;
    double speed = 1.0;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--gpx" || args[i] == "--igc") {
            format = args[i];
        } else if (args[i] == "--forward" && i + 1 < args.size()) {
            target = args[++i];
        } else if (args[i] == "--speed" && i + 1 < args.size()) {
            speed = convertStringTo<double>(args[++i]);
            if (!(speed > 0)) return diagUsageError(self, "--speed takes a factor above 0");
        } else if (path.empty() && args[i].compare(0, 2, "--") != 0) {
            path = args[i];
        } else {
            return diagUsageError(self, "unknown argument " + args[i]);
        }
    }
    if (path.empty()) return diagUsageError(self, "no file");
    LogFileReader reader;
    // Looking at a recording never changes it, even when its index is missing.
    const bool opened = path.size() > 4 && path.compare(path.size() - 4, 4, logfile::kExtension) == 0
                            ? reader.open(path, false)
                            : openReplaySource(reader, path);
    if (!opened) return 1;
    if (!target.empty()) return forwardRecording(reader, target, speed);
    if (format.empty()) {
        printSummary(reader);
        return 0;
    }
    const std::vector<TrackFix> fixes = trackFromRecording(reader, double(std::time(nullptr)));
    const size_t slash = path.find_last_of('/');
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    std::fputs((format == "--gpx" ? writeGpxTrack(fixes, name) : writeIgcTrack(fixes)).c_str(), stdout);
    return 0;
}

DiagCommand makeCommand() {
    DiagCommand command;
    command.name = "log";
    command.usage = "FILE [--gpx | --igc | --forward HOST:PORT [--speed X]]";
    command.summary =
        "prints a flight recording's (or an IGC / GPX track's) version, duration, records per type and index "
        "state; --gpx / --igc write its track to standard output; --forward sends it as forwarding datagrams";
    return command;
}

const DiagRegistration registration([] {
    DiagCommand command = makeCommand();
    command.run = [](const std::vector<std::string>& args) { return runLog(makeCommand(), args); };
    return command;
}());

}  // namespace
