#include "sensors/NMEA_Parser.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/Time.h"

namespace {

bool parseDouble(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool parseInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || v > 1000000000L || v < -1000000000L) return false;
    value = int(v);
    return true;
}

bool allDigits(const std::string& text, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

}  // namespace

bool parseNMEATime(const std::string& text, int& hour, int& minute, int& second, int& millisecond) {
    if (text.size() < 6 || !allDigits(text, 0, 6)) return false;
    const int h = (text[0] - '0') * 10 + (text[1] - '0');
    const int m = (text[2] - '0') * 10 + (text[3] - '0');
    const int s = (text[4] - '0') * 10 + (text[5] - '0');
    if (h > 23 || m > 59 || s > 60) return false;  // 60: a leap second
    hour = h, minute = m, second = s;
    millisecond = 0;
    if (text.size() > 7 && text[6] == '.') {
        static const int scale[] = {100, 10, 1};
        for (size_t i = 7; i < text.size() && i < 10; ++i) {
            if (!std::isdigit(static_cast<unsigned char>(text[i]))) break;
            millisecond += (text[i] - '0') * scale[i - 7];
        }
    }
    return true;
}

bool parseNMEACoordinate(const std::string& value, const std::string& hemisphere, double& degrees) {
    double raw = 0.0;
    if (!parseDouble(value, raw) || hemisphere.empty() || raw < 0) return false;
    const double whole = std::floor(raw / 100.0);
    const double minutes = raw - whole * 100.0;
    double result = whole + minutes / 60.0;
    const char h = hemisphere[0];
    const bool latitude = h == 'N' || h == 'S';
    if (!latitude && h != 'E' && h != 'W') return false;
    // Minutes of 60 or more, or a place off the globe, are transmission errors.
    if (minutes >= 60.0 || result > (latitude ? 90.0 : 180.0)) return false;
    degrees = (h == 'S' || h == 'W') ? -result : result;
    return true;
}

int calculateNMEAChecksum(const std::string& sentence) {
    size_t begin = (!sentence.empty() && sentence[0] == '$') ? 1 : 0;
    size_t end = sentence.find('*', begin);
    if (end == std::string::npos) end = sentence.size();
    unsigned char checksum = 0;
    for (size_t i = begin; i < end; ++i) checksum ^= static_cast<unsigned char>(sentence[i]);
    return checksum;
}

std::string appendNMEAChecksum(const std::string& sentence) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", calculateNMEAChecksum(sentence));
    return sentence + "*" + hex;
}

NMEA_Parser::NMEA_Parser(int nmeaVersion, int minimumIntervalMs)
    : version(nmeaVersion), minimumInterval(minimumIntervalMs / 1000.0) {}

void NMEA_Parser::resetSentence() {
    runningChecksum = 0;
    checksumText.clear();
    fields.assign(1, std::string());
    sentenceLength = 0;
}

int NMEA_Parser::feed(const char* data, size_t length) {
    int used = 0;
    for (size_t i = 0; i < length; ++i) used += doStep(data[i]) ? 1 : 0;
    return used;
}

bool NMEA_Parser::doStep(char c) {
    if (c == '$') {
        resetSentence();
        state = 1;
        return false;
    }
    if (state == 0) return false;
    if (c == '\n') {
        const bool used = parse();
        resetSentence();
        state = 2;
        return used;
    }
    if (++sentenceLength > kMaxSentenceLength) {
        resetSentence();
        state = 0;
        return false;
    }
    if (state == 3) {
        checksumText += c;
        return false;
    }
    if (c == '*') {
        state = 3;
        checksumText.clear();
        return false;
    }
    runningChecksum ^= static_cast<unsigned char>(c);
    if (c == ',')
        fields.emplace_back();
    else
        fields.back() += c;
    return false;
}

bool NMEA_Parser::isAddress(const std::string& address, const char* sentence) const {
    if (version == NMEA_ANY) {
        return address.size() >= 3 && address.compare(address.size() - 3, 3, sentence) == 0;
    }
    const char* talker = version == NMEA_GP ? "GP" : "GN";
    return address.size() == 5 && address.compare(0, 2, talker) == 0 && address.compare(2, 3, sentence) == 0;
}

bool NMEA_Parser::parse() {
    const bool checksumCorrect = std::strtol(checksumText.c_str(), nullptr, 16) == runningChecksum;
    if (additionalParser) {
        const bool result = additionalParser->parse(fields, checksumCorrect);
        if (!checksumCorrect) return result;
    }
    if (!checksumCorrect || fields.empty()) return false;

    const double now = clock ? clock() : getSecs();
    const bool intervalElapsed = now - lastUpdate >= minimumInterval;
    const std::string& address = fields[0];
    if (isAddress(address, "GGA")) return parseGGA(intervalElapsed, now);
    if (isAddress(address, "GSA")) return parseGSA();
    if (isAddress(address, "RMC")) return parseRMC(intervalElapsed);
    return false;
}

bool NMEA_Parser::parseGGA(bool intervalElapsed, double now) {
    if (fields.size() < 15) return false;
    int quality = 0;
    parseInt(fields[6], quality);
    if (quality <= 0 && !intervalElapsed) return false;

    if (parseNMEATime(fields[1], gps.hour, gps.minute, gps.second, gps.millisecond)) gps.timeAvail = true;
    gps.fixQuality = quality;
    double latitude, longitude;
    if (quality != 0 && parseNMEACoordinate(fields[2], fields[3], latitude) &&
        parseNMEACoordinate(fields[4], fields[5], longitude)) {
        gps.latitude = latitude;
        gps.longitude = longitude;
        gps.positionAvail = true;
    }
    parseDouble(fields[8], gps.hdop);
    if (fields[9].empty()) {
        gps.altitudeAvail = false;
    } else if (fields[10] == "M" && quality != 0 && parseDouble(fields[9], gps.altitude)) {
        gps.altitudeAvail = gps.altitude != 0.0;
    }
    gps.timeStamp = getMilliSecs();
    lastUpdate = now;
    return true;
}

bool NMEA_Parser::parseGSA() {
    if (fields.size() < 18) return false;
    int fixType = 1;
    if (parseInt(fields[2], fixType)) gps.fixType = fixType;
    if (gps.fixType > 2) gps.altitudeAvail = true;
    int satellites = 0;
    for (size_t i = 3; i <= 14; ++i) {
        int prn;
        if (parseInt(fields[i], prn)) ++satellites;
    }
    gps.satellites = satellites;
    double pdop, hdop, vdop;
    if (parseDouble(fields[15], pdop) && parseDouble(fields[16], hdop) && parseDouble(fields[17], vdop)) {
        gps.pdop = pdop, gps.hdop = hdop, gps.vdop = vdop;
        gps.dilutionOfPrecisionAvail = true;
    } else {
        gps.dilutionOfPrecisionAvail = false;
    }
    gps.timeStamp = getMilliSecs();
    return true;
}

bool NMEA_Parser::parseRMC(bool intervalElapsed) {
    const size_t n = fields.size();
    if (!(n == 12 || n == 13 || (n == 14 && version >= NMEA_GN_4_1))) return false;
    const bool valid = fields[2] == "A";
    if (!valid && !intervalElapsed) return false;

    gps.status = valid ? 1 : 0;
    if (parseNMEATime(fields[1], gps.hour, gps.minute, gps.second, gps.millisecond)) gps.timeAvail = true;
    double latitude, longitude;
    if (valid && parseNMEACoordinate(fields[3], fields[4], latitude) &&
        parseNMEACoordinate(fields[5], fields[6], longitude)) {
        gps.latitude = latitude;
        gps.longitude = longitude;
        gps.positionAvail = true;
    }
    if (valid && parseDouble(fields[7], gps.groundSpeed)) gps.speedAvail = true;
    if (valid && parseDouble(fields[8], gps.groundTrack)) gps.groundTrackAvail = true;
    const std::string& date = fields[9];
    if (date.size() > 5 && allDigits(date, 0, 6)) {
        const int day = (date[0] - '0') * 10 + (date[1] - '0');
        const int month = (date[2] - '0') * 10 + (date[3] - '0');
        const int yy = (date[4] - '0') * 10 + (date[5] - '0');
        if (day >= 1 && day <= 31 && month >= 1 && month <= 12) {
            gps.day = day, gps.month = month;
            gps.year = yy < 80 ? 2000 + yy : 1900 + yy;
            gps.dateAvail = true;
        }
    }
    gps.magneticVariationAvail = false;
    gps.timeStamp = getMilliSecs();
    return true;
}
