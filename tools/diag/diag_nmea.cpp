// cirrona-diag nmea: decodes NMEA 0183 from standard input.
#include <cstdio>
#include <string>

#include "DiagCommand.h"
#include "base/StringConversions.h"
#include "sensors/NMEA_Parser.h"

namespace {

std::string gpsToJson(const GPS_Data& gps) {
    std::string json = "{";
    bool first = true;
    auto add = [&](const char* key, const std::string& value) {
        if (!first) json += ",";
        first = false;
        json += "\"";
        json += key;
        json += "\":" + value;
    };
    char text[64];
    auto number = [&](double v, const char* format) {
        std::snprintf(text, sizeof text, format, v);
        return std::string(text);
    };
    if (gps.timeAvail) {
        std::snprintf(text, sizeof text, "\"%02d:%02d:%02d.%03d\"", gps.hour, gps.minute, gps.second,
                      gps.millisecond);
        add("time", text);
    }
    if (gps.dateAvail) {
        std::snprintf(text, sizeof text, "\"%04d-%02d-%02d\"", gps.year, gps.month, gps.day);
        add("date", text);
    }
    if (gps.positionAvail) {
        add("lat", number(gps.latitude, "%.9f"));
        add("lon", number(gps.longitude, "%.9f"));
    }
    add("fixQuality", std::to_string(gps.fixQuality));
    add("fixType", std::to_string(gps.fixType));
    if (gps.satellites >= 0) add("satellites", std::to_string(gps.satellites));
    if (gps.altitudeAvail) add("altitude", number(gps.altitude, "%.3f"));
    if (gps.dilutionOfPrecisionAvail) {
        add("pdop", number(gps.pdop, "%.2f"));
        add("hdop", number(gps.hdop, "%.2f"));
        add("vdop", number(gps.vdop, "%.2f"));
    } else if (gps.hdop >= 0) {
        add("hdop", number(gps.hdop, "%.2f"));
    }
    add("status", std::to_string(gps.status));
    if (gps.speedAvail) add("speed", number(gps.groundSpeed, "%.4f"));
    if (gps.groundTrackAvail) add("track", number(gps.groundTrack, "%.4f"));
    if (gps.magneticVariationAvail) add("magvar", number(gps.magneticVariation, "%.2f"));
    return json + "}";
}

bool readNumber(const std::vector<std::string>& args, size_t& i, int& value) {
    if (i + 1 >= args.size()) return false;
    const std::string& text = args[++i];
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = convertStringTo<int>(text);
    return true;
}

int runNmea(const DiagCommand& self, const std::vector<std::string>& args) {
    int version = NMEA_Parser::NMEA_ANY;
    int intervalMs = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--version") {
            if (!readNumber(args, i, version) || version > NMEA_Parser::NMEA_ANY)
                return diagUsageError(self, "--version takes 0, 1, 2 or 3");
        } else if (args[i] == "--interval-ms") {
            if (!readNumber(args, i, intervalMs)) return diagUsageError(self, "--interval-ms takes milliseconds");
        } else {
            return diagUsageError(self, "unknown argument " + args[i]);
        }
    }
    NMEA_Parser parser(version, intervalMs);
    char buffer[65536];
    size_t length;
    while ((length = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        for (size_t i = 0; i < length; ++i)
            if (parser.doStep(buffer[i])) std::printf("%s\n", gpsToJson(parser.getGPSData()).c_str());
    }
    return 0;
}

DiagCommand makeCommand() {
    DiagCommand command;
    command.name = "nmea";
    command.usage = "[--version N] [--interval-ms N]";
    command.summary =
        "reads NMEA 0183 from standard input and prints one JSON object per accepted update with every available "
        "GPS field (version 0 GP, 1/2 GN, 3 any talker; default 3)";
    return command;
}

const DiagRegistration registration([] {
    DiagCommand command = makeCommand();
    command.run = [](const std::vector<std::string>& args) { return runNmea(makeCommand(), args); };
    return command;
}());

}  // namespace
