#pragma once
#include <functional>
#include <string>
#include <vector>

#include "sensors/GPS_Data.h"

// Sees every complete sentence before the GNSS parser does, for callers
// that read more than GGA/GSA/RMC from the same stream (e.g. an autopilot
// link or a device's own sentences).
class IAdditionalParser {
public:
    virtual ~IAdditionalParser() = default;
    // `fields` starts with the address (e.g. "PGRMZ"). The result is what the
    // NMEA parser reports for a sentence whose checksum did not match.
    virtual bool parse(const std::vector<std::string>& fields, bool checksumCorrect) = 0;
};

// Turns an NMEA 0183 byte stream, fed one character at a time, into a
// GPS_Data record. It never touches a device itself.
class NMEA_Parser {
public:
    // Which talkers are accepted: 0 "GP" only; 1 and 2 "GN" only (2 also
    // takes RMC with 14 fields, NMEA 4.1); 3 any talker.
    enum NMEA_VERSION { NMEA_GP = 0, NMEA_GN = 1, NMEA_GN_4_1 = 2, NMEA_ANY = 3 };

    // Sentences longer than this cannot be NMEA; the parser drops them and
    // waits for the next "$" (keeps memory bounded on binary input).
    static constexpr size_t kMaxSentenceLength = 1024;

    explicit NMEA_Parser(int version = NMEA_GP, int minimumIntervalMs = 0);

    // Feeds one character. True when it completed a sentence that was used.
    bool doStep(char c);
    // Feeds a buffer; returns how many sentences were used.
    int feed(const char* data, size_t length);

    const GPS_Data& getGPSData() const { return gps; }
    GPS_Data& getGPSData() { return gps; }
    void setAdditionalParser(IAdditionalParser* parser) { additionalParser = parser; }
    // The clock of the interval rule, seconds; getSecs by default.
    void setClock(std::function<double()> seconds) { clock = std::move(seconds); }
    int getVersion() const { return version; }

private:
    bool parse();
    bool isAddress(const std::string& address, const char* sentence) const;
    bool parseGGA(bool intervalElapsed, double now);
    bool parseGSA();
    bool parseRMC(bool intervalElapsed);
    void resetSentence();

    int version;
    double minimumInterval;
    int state = 0;
    unsigned char runningChecksum = 0;
    std::string checksumText;
    std::vector<std::string> fields;
    size_t sentenceLength = 0;
    double lastUpdate = -1e300;
    GPS_Data gps;
    IAdditionalParser* additionalParser = nullptr;
    std::function<double()> clock;
};

// XOR of the characters of a sentence, without a leading "$" and without
// the "*" (and anything after it).
int calculateNMEAChecksum(const std::string& sentence);

// The sentence with "*" and its two-digit hexadecimal checksum appended.
std::string appendNMEAChecksum(const std::string& sentence);

// Field helpers, exposed for the tests and for other NMEA readers.
// hhmmss[.f...] -> hour, minute, second, millisecond; false when malformed
// or out of range (the outputs are then unchanged).
bool parseNMEATime(const std::string& text, int& hour, int& minute, int& second, int& millisecond);
// ddmm.mmmm / dddmm.mmmm with the hemisphere letter -> signed degrees; false
// for malformed text, minutes of 60 or more and places off the globe.
bool parseNMEACoordinate(const std::string& value, const std::string& hemisphere, double& degrees);
