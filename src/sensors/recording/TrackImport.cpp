#include "sensors/recording/TrackImport.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <ctime>
#include <fstream>
#include <sstream>

#include "base/Logger.h"
#include "base/RecordCodec.h"
#include "base/Units.h"
#include "geo/Geodesy.h"
#include "sensors/GPS_Data.h"
#include "sensors/MotionSensorData.h"
#include "sensors/ScalarSensorData.h"

namespace {

std::string lowerExtension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return "";
    std::string extension = path.substr(dot);
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

void appendRecord(std::string& out, ISensorData& sample, uint32_t stamp) {
    int size = 0;
    const void* bytes = sample.serialize(&size);
    out += recordBytes(stamp, uint32_t(sample.getType()), uint32_t(size));
    out.append(static_cast<const char*>(bytes), size_t(size));
}

void fillGps(GPS_Data& gps, const TrackFix& fix, double altitude, bool hasAltitude) {
    const std::time_t whole = std::time_t(std::floor(fix.utcSeconds));
    std::tm t{};
    gmtime_r(&whole, &t);
    gps.hour = t.tm_hour;
    gps.minute = t.tm_min;
    gps.second = t.tm_sec;
    gps.millisecond = int(std::lround((fix.utcSeconds - double(whole)) * 1000.0));
    gps.day = t.tm_mday;
    gps.month = t.tm_mon + 1;
    gps.year = t.tm_year + 1900;
    gps.latitude = fix.latitude;
    gps.longitude = fix.longitude;
    gps.altitude = altitude;
    gps.fixQuality = 1;
    gps.fixType = hasAltitude ? 3 : 2;
    gps.timeAvail = gps.dateAvail = gps.positionAvail = true;
    gps.altitudeAvail = hasAltitude;
}

}  // namespace

std::string recordingFromTrack(const std::vector<TrackFix>& fixes) {
    std::string out = logfile::headerBytes(0);
    if (fixes.empty()) return out;
    const double start = fixes.front().utcSeconds;
    for (size_t i = 0; i < fixes.size(); ++i) {
        const TrackFix& fix = fixes[i];
        const uint32_t stamp = uint32_t(std::lround((fix.utcSeconds - start) * 1000.0));
        const bool hasAltitude = fix.hasGnssAltitude || fix.hasPressureAltitude;
        const double altitude = fix.hasGnssAltitude ? fix.gnssAltitude : fix.pressureAltitude;
        GPS_Data gps;
        gps.timeStamp = stamp;
        fillGps(gps, fix, altitude, hasAltitude);
        // Speed and track of the leg from the previous fix.
        if (i > 0 && fix.utcSeconds > fixes[i - 1].utcSeconds) {
            const ChartPosition from{fixes[i - 1].longitude, fixes[i - 1].latitude};
            const ChartPosition to{fix.longitude, fix.latitude};
            const double metres = calcDistance2(from, to);
            gps.groundSpeed = metres / (fix.utcSeconds - fixes[i - 1].utcSeconds) / units::kMetresPerSecondPerKnot;
            gps.speedAvail = true;
            if (metres > 0) {
                gps.groundTrack = calcBearing2(from, to);
                gps.groundTrackAvail = true;
            }
        }
        // The position last: a reader of the recording finds the altitude
        // and speed of a fix before its position.
        appendRecord(out, gps, stamp);
        if (hasAltitude) {
            Altitude_Data altitudeSample(altitude, stamp);
            appendRecord(out, altitudeSample, stamp);
        }
        if (gps.speedAvail) {
            GroundSpeed_Data speed(gps.groundSpeed, stamp);
            appendRecord(out, speed, stamp);
        }
        Position_Data position(fix.longitude, fix.latitude, stamp);
        appendRecord(out, position, stamp);
    }
    return out;
}

bool openReplaySource(LogFileReader& reader, const std::string& path) {
    const std::string extension = lowerExtension(path);
    if (extension != ".igc" && extension != ".gpx") return reader.open(path);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        logMessage("Error: Unable to open LogFile: " + path);
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const std::vector<TrackFix> fixes = extension == ".igc" ? parseIgcTrack(text.str()) : parseGpxTrack(text.str());
    if (fixes.empty()) {
        logMessage("Error: No track in " + path);
        return false;
    }
    return reader.openBytes(recordingFromTrack(fixes), path);
}

std::vector<TrackFix> trackFromRecording(LogFileReader& reader, double fallbackStartUtc) {
    std::vector<TrackFix> fixes;
    const bool hasPositions = reader.getIndex().getTypeCount(ISensorData::POSITION) > 0;
    const uint32_t first = reader.getIndex().getFirstTimeStamp();
    double altitude = 0;
    bool hasAltitude = false;
    double utcAtStamp0 = fallbackStartUtc - first / 1000.0;  // UTC of stamp 0
    uint32_t lastFixStamp = 0;
    LogFileReader::Record record;
    reader.rewind();
    while (reader.readSample(record)) {
        const auto type = ISensorData::Type(record.header.type);
        const uint32_t stamp = record.header.timeStamp;
        double latitude = 0;
        double longitude = 0;
        if (type == ISensorData::ALTITUDE) {
            Altitude_Data sample;
            if ((hasAltitude = sample.deserialize(record.payload.data(), int(record.payload.size()))))
                altitude = sample.altitude;
            continue;
        }
        if (type == ISensorData::GPS) {
            GPS_Data gps;
            if (!gps.deserialize(record.payload.data(), int(record.payload.size()))) continue;
            if (gps.timeAvail && gps.dateAvail) {
                std::tm t{};
                t.tm_year = gps.year - 1900;
                t.tm_mon = gps.month - 1;
                t.tm_mday = gps.day;
                t.tm_hour = gps.hour;
                t.tm_min = gps.minute;
                t.tm_sec = gps.second;
                utcAtStamp0 = double(timegm(&t)) + std::max(0, gps.millisecond) / 1000.0 - stamp / 1000.0;
            }
            if (hasPositions || !gps.positionAvail) continue;
            latitude = gps.latitude;
            longitude = gps.longitude;
            if (gps.altitudeAvail) {
                altitude = gps.altitude;
                hasAltitude = true;
            }
        } else if (type == ISensorData::POSITION) {
            Position_Data position;
            if (!position.deserialize(record.payload.data(), int(record.payload.size()))) continue;
            latitude = position.latitude;
            longitude = position.longitude;
        } else {
            continue;
        }
        if (!fixes.empty() && stamp - lastFixStamp < 1000) continue;
        TrackFix fix;
        fix.utcSeconds = utcAtStamp0 + stamp / 1000.0;
        fix.latitude = latitude;
        fix.longitude = longitude;
        fix.gnssAltitude = altitude;
        fix.hasGnssAltitude = hasAltitude;
        fixes.push_back(fix);
        lastFixStamp = stamp;
    }
    reader.rewind();
    return fixes;
}
