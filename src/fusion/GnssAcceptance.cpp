#include "fusion/GnssAcceptance.h"

GnssAcceptance::GnssAcceptance(std::function<void(const std::string&)> printer, uint32_t reliableTimeout)
    : print(std::move(printer)), reliableTimeoutMs(reliableTimeout), lastUsableTime(0) {}

void GnssAcceptance::sourceChanged() { print("Change of gps source"); }

GnssAcceptance::Verdict GnssAcceptance::judge(const GPS_Data& gps, double now, uint32_t sinceLast) {
    // The first record starts the clock, so a receiver that is good from the
    // start is not held back by its own first gap.
    if (!started) lastUsableTime = now, started = true;
    const bool lowSpeed = gps.speedAvail ? gps.groundSpeed < kLowSpeedKnots : true;
    const bool hintLate = now - lastUsableTime > kHintTimeout;
    const bool gapLate = sinceLast > kHintTimeout * 1000;
    const bool badPdop = gps.pdop >= 5;
    const bool unreliableGap = sinceLast > reliableTimeoutMs;
    const bool noFix = gps.fixQuality == 0;
    const bool fewSatellites = gps.satellites < 4;
    const bool noStatus = gps.status == 0;
    const bool noTrack = !gps.groundTrackAvail && !lowSpeed;
    const bool quality =
        !badPdop && !noFix && !fewSatellites && !noStatus && gps.altitudeAvail && gps.positionAvail && !noTrack;
    // Usable as a record: the timing rule waits for the next one.
    if (quality && !unreliableGap) lastUsableTime = now;
    if (!hintLate && !gapLate && !unreliableGap && quality) return ACCEPTED;
    const double speed = gps.speedAvail ? gps.groundSpeed : 0.0;
    if (!fewSatellites && speed <= kLowSpeedKnots) {
        lastUsableTime = now;
        return STANDING_STILL;
    }
    auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
    print("Warning: Bad gps / Low pose accuracy.");
    print("iterationTime-lastGPSNotUnacceptedTime>GPS_HINT_TIMEOUT: " + flag(hintLate));
    print("timeSinceLastGPS>GPS_HINT_TIMEOUT*1000: " + flag(gapLate));
    print("gpsData.PDOP>=5: " + flag(badPdop));
    print("timeSinceLastGPS>reliableGPSTimeOut: " + flag(unreliableGap));
    print("gpsData.quality==0: " + flag(noFix));
    print("gpsData.satamount<4: " + flag(fewSatellites));
    print("gpsData.pvtstatus==0: " + flag(noStatus));
    print("!gpsData.altavail: " + flag(!gps.altitudeAvail));
    print("!gpsData.posavail: " + flag(!gps.positionAvail));
    print("!gpsData.trackavail && !lowSpeed: " + flag(noTrack));
    return REJECTED;
}
