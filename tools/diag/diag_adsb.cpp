// cirrona-diag adsb --iq FILE | --beast HOST:PORT | --avr FILE: decodes Mode S
// as fast as it can and prints one JSON object per accepted message with the
// fields it carried; a summary of messages, repairs and aircraft goes to
// standard error.

#include <cstdio>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "DiagCommand.h"
#include "DiagSupport.h"
#include "base/Time.h"
#include "sdr/FrameSources.h"
#include "sdr/IqFileSource.h"
#include "sdr/ModeSTracker.h"
#include "sdr/RecentAddresses.h"

namespace {
constexpr double kConnectGiveUpSeconds = 5.0;

struct Summary {
    unsigned long messages = 0, repaired = 0, badCrc = 0, unproven = 0;
    std::set<uint32_t> aircraft;
};

void printMessage(const ModesMessage& mm, double t, const TrafficElement& e, bool newFix) {
    std::printf("{\"t\":%.6f,\"hex\":\"%s\",\"icao\":\"%06X\",\"df\":%d", t, modesHex(mm).c_str(), mm.address, mm.df);
    if (mm.altitudeValid) std::printf(",\"alt\":%d", mm.altitudeFeet);
    if (!mm.callsign.empty()) std::printf(",\"callsign\":%s", jsonString(mm.callsign).c_str());
    if (newFix) std::printf(",\"lat\":%.6f,\"lon\":%.6f", e.latitude, e.longitude);
    if (mm.velocityValid) std::printf(",\"gs\":%.1f,\"track\":%.1f", mm.groundSpeedKnots, mm.trackDegrees);
    if (mm.verticalRateValid) std::printf(",\"vr\":%d", mm.verticalRateFpm);
    if (mm.squawkValid) std::printf(",\"squawk\":\"%04u\"", mm.squawk);
    std::printf("}\n");
}

// Frames without a time of their own (AVR without "@") are stamped with the
// time they were read.
int decodeAll(IRawADSBSource& source, const std::function<bool()>& finished) {
    Traffic_Data traffic;
    ModeSTracker tracker(traffic);
    RecentAddresses recent;
    Summary summary;
    const double start = getSecs();
    RawModeSFrame frame;
    while (!finished()) {
        if (!source.nextFrame(frame)) {
            delay(1);
            continue;
        }
        const double t = frame.time > 0 ? frame.time : getSecs() - start;
        const ModesMessage mm = decodeModesMessage(frame.bytes, true, false);
        if (!mm.crcOk) {
            ++summary.badCrc;
            continue;
        }
        if (!recent.vouchFor(mm, t)) {
            ++summary.unproven;
            continue;
        }
        ++summary.messages;
        if (mm.correctedBits) ++summary.repaired;
        summary.aircraft.insert(mm.address);
        const TrafficElement* e = tracker.useModesMessage(mm, t);
        const TrafficAddData* add = tracker.tracking(mm.address);
        printMessage(mm, t, *e, mm.cprValid && add && add->lastFix == t);
    }
    std::fflush(stdout);
    std::fprintf(stderr, "messages %lu, repaired %lu, bad CRC %lu, unproven addresses %lu, aircraft %zu\n",
                 summary.messages, summary.repaired, summary.badCrc, summary.unproven, summary.aircraft.size());
    return 0;
}

int runAdsb(const DiagCommand& self, const std::vector<std::string>& args) {
    if (args.size() != 2) return diagUsageError(self);
    const std::string& kind = args[0];
    const std::string& where = args[1];
    if (kind == "--iq") {
        IqFileSource source(where);
        if (!source.opened()) return diagUsageError(self, "cannot open " + where);
        const int status = decodeAll(source, [&source] { return !source.alive(); });
        const auto& s = source.stats();
        std::fprintf(stderr, "%.1f s of samples, %llu preamble candidates\n", source.secondsRead(),
                     static_cast<unsigned long long>(s.candidates));
        return status;
    }
    if (kind == "--avr") {
        FileFrameSource source(where, std::make_unique<AvrParser>());
        if (!source.opened()) return diagUsageError(self, "cannot open " + where);
        return decodeAll(source, [&source] { return !source.alive(); });
    }
    if (kind == "--beast") {
        const size_t colon = where.rfind(':');
        double port = 0;
        if (colon == std::string::npos || !parseNumber(where.substr(colon + 1), port) || port < 1 || port > 65535)
            return diagUsageError(self, "expected HOST:PORT");
        NetworkFrameSource source(where.substr(0, colon), static_cast<unsigned short>(port),
                                  std::make_unique<BeastParser>());
        const double start = getSecs();
        bool gaveUp = false;
        // Runs until the receiver closes the connection.
        const int status = decodeAll(source, [&] {
            if (source.connectionCount() > 0) return !source.connected();
            gaveUp = getSecs() - start > kConnectGiveUpSeconds;
            return gaveUp;
        });
        if (gaveUp) {
            std::fprintf(stderr, "cannot connect to %s\n", where.c_str());
            return 1;
        }
        return status;
    }
    return diagUsageError(self);
}

DiagCommand makeCommand() {
    return DiagCommand{
        "adsb", "--iq FILE | --beast HOST:PORT | --avr FILE",
        "decodes Mode S from 2 MS/s I/Q samples, a Beast receiver or AVR text; one JSON line per message", nullptr};
}

const DiagRegistration registration([] {
    DiagCommand command = makeCommand();
    command.run = [](const std::vector<std::string>& args) { return runAdsb(makeCommand(), args); };
    return command;
}());
}  // namespace
