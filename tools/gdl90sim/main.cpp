// gdl90sim: a GDL90 transmitter for a simulated flight. It is the demo's
// data source, the peer of integration tests and a way for pilots to check
// that their display accepts GDL90 from the network.

#include "SimOptions.h"
#include "SimulatedFlight.h"

#include "base/Time.h"
#include "base/Units.h"
#include "net/HostAddresses.h"
#include "sensors/gdl90/GDL90Encoder.h"
#include "sensors/gdl90/GDL90Frame.h"

#include <cmath>
#include <csignal>
#include <ctime>
#include <iostream>

namespace {
volatile std::sig_atomic_t stopRequested = 0;
void onSignal(int) { stopRequested = 1; }

// Seconds since UTC midnight for the heartbeat time stamp.
uint32_t secondsSinceMidnightUTC() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return uint32_t(utc.tm_hour * 3600 + utc.tm_min * 60 + utc.tm_sec);
}

class Transmitter {
public:
    Transmitter(ISocket& socket, bool verbose) : socket(socket), verbose(verbose) {}

    // One message per datagram, as most receivers send them.
    void send(const std::vector<unsigned char>& message) {
        const std::vector<unsigned char> frame = makeGDL90Frame(message);
        if (!socket.send(reinterpret_cast<const char*>(frame.data()), unsigned(frame.size()))) ++failures;
        ++sent;
        if (verbose) std::cout << "sent message " << int(message[0]) << " (" << frame.size() << " bytes)\n";
    }
    unsigned long sent = 0;
    unsigned long failures = 0;

private:
    ISocket& socket;
    bool verbose;
};

GDL90TrafficReport reportOfOwnship(const OwnshipState& own, const SimOptions& options) {
    GDL90TrafficReport r;
    r.address = options.ownshipAddress;
    r.latitude = own.position.latitude;
    r.longitude = own.position.longitude;
    r.pressureAltitudeFeet = own.altitudeFeet;
    r.trackType = 1;
    r.track = own.trackDegrees;
    r.groundSpeedKnots = own.speedKnots;
    r.verticalVelocityFpm = own.climbFeetPerMinute;
    r.callSign = options.callSign;
    return r;
}

GDL90TrafficReport reportOfTarget(const TrafficState& t) {
    GDL90TrafficReport r;
    r.address = t.address;
    r.positionValid = t.hasPosition;
    r.latitude = t.position.latitude;
    r.longitude = t.position.longitude;
    r.pressureAltitudeFeet = t.altitudeFeet;
    r.trackType = 1;
    r.track = t.trackDegrees;
    r.groundSpeedKnots = t.speedKnots;
    r.verticalVelocityFpm = t.climbFeetPerMinute;
    r.callSign = t.callSign;
    return r;
}

void sendSecond(Transmitter& tx, const SimulatedFlight& flight, const SimOptions& options) {
    tx.send(encodeHeartbeat(true, secondsSinceMidnightUTC(), true));
    tx.send(encodeTrafficReport(reportOfOwnship(flight.ownship(), options), true));
    tx.send(encodeGeoAltitude(flight.ownship().altitudeFeet + options.geoidOffsetFeet, 10));
    for (const TrafficState& t : flight.traffic()) tx.send(encodeTrafficReport(reportOfTarget(t), false));
}

void sendAttitude(Transmitter& tx, const SimulatedFlight& flight) {
    const OwnshipState& own = flight.ownship();
    tx.send(encodeForeFlightAHRS(own.rollDegrees, own.pitchDegrees, own.trackDegrees, true, own.speedKnots,
                                 own.speedKnots));
    // Stratux's own report as well, as a Stratux sends it: it carries the
    // yaw rate for the turn coordinator and the load factor.
    StratuxAHRSReport r;
    r.rollDegrees = own.rollDegrees, r.pitchDegrees = own.pitchDegrees, r.headingDegrees = own.trackDegrees;
    r.slipSkidDegrees = 0, r.yawRateDegreesPerSecond = own.turnRateDegreesPerSecond;
    r.loadFactor = 1.0 / std::cos(units::degreesToRadians(own.rollDegrees));
    r.indicatedAirspeedKnots = own.speedKnots, r.pressureAltitudeFeet = own.altitudeFeet;
    r.verticalSpeedFeetPerMinute = own.climbFeetPerMinute;
    tx.send(encodeStratuxAHRS(r));
}
}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string problem;
    if (!parseSimOptions(argc, argv, options, problem)) {
        std::cerr << "gdl90sim: " << problem << "\n\n";
        printSimUsage(std::cerr);
        return 2;
    }
    if (options.help) {
        printSimUsage(std::cout);
        return 0;
    }
    std::unique_ptr<ISocket> socket = createSocketForHostName(false, options.host, options.port, 0);
    if (!socket) {
        std::cerr << "gdl90sim: cannot resolve " << options.host << "\n";
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    SimulatedFlight flight(options.plan);
    Transmitter tx(*socket, options.verbose);
    std::cout << "gdl90sim: sending to " << options.host << ":" << options.port << std::endl;
    tx.send(encodeForeFlightId(options.ownshipAddress, "gdl90sim", "Cirrona GDL90 sim", 1));

    const double start = getSecs();
    const double attitudePeriod = 1.0 / options.attitudeRate;
    double lastStep = start;
    double nextSecond = start;
    double nextAttitude = start;
    while (!stopRequested) {
        const double now = getSecs();
        if (options.durationSeconds > 0 && now - start >= options.durationSeconds) break;
        flight.advance(now - lastStep);
        lastStep = now;
        if (now >= nextSecond) {
            sendSecond(tx, flight, options);
            nextSecond += 1.0;
        }
        if (options.attitudeRate > 0 && now >= nextAttitude) {
            sendAttitude(tx, flight);
            nextAttitude += attitudePeriod;
        }
        delay(10);
    }
    std::cout << "gdl90sim: " << tx.sent << " messages sent";
    if (tx.failures) std::cout << ", " << tx.failures << " failed";
    std::cout << std::endl;
    return tx.failures && tx.failures == tx.sent ? 1 : 0;
}
