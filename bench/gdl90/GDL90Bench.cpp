#include "base/Time.h"
#include "net/IPAddress.h"
#include "net/UDPSocket.h"
#include "sensors/gdl90/GDL90Encoder.h"
#include "sensors/gdl90/GDL90Frame.h"
#include "sensors/gdl90/GDL90Messages.h"
#include "sensors/gdl90/GDL90Parser.h"
#include "sensors/gdl90/GDL90Sensor.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

GDL90TrafficReport target(uint32_t address) {
    GDL90TrafficReport r;
    r.address = address;
    r.latitude = 47.0 + address % 100 * 0.001;
    r.longitude = 8.0;
    r.pressureAltitudeFeet = 3000 + address % 7 * 100;
    r.groundSpeedKnots = 110;
    r.track = address % 360;
    r.callSign = "TGT";
    return r;
}

// What a receiver sends in a typical second: heartbeat, ownship, geometric
// altitude, five AHRS updates, twenty traffic targets and one uplink.
std::vector<Bytes> typicalSecond() {
    std::vector<Bytes> messages;
    messages.push_back(encodeHeartbeat(true, 45000, true));
    GDL90TrafficReport own = target(0xABCDEF);
    messages.push_back(encodeTrafficReport(own, true));
    messages.push_back(encodeGeoAltitude(3100, 10));
    for (int i = 0; i < 5; ++i) messages.push_back(encodeForeFlightAHRS(5 + i, 2, 90, true, 100, 105));
    for (uint32_t a = 0; a < 20; ++a) messages.push_back(encodeTrafficReport(target(0x400000 + a * 977), false));
    Bytes uplink = {7, 0, 0, 0};
    for (int i = 0; i < 432; ++i) uplink.push_back(static_cast<unsigned char>(i * 31));
    messages.push_back(uplink);
    return messages;
}

void BM_ParseAndDispatchMixedFrames(benchmark::State& state) {
    Bytes stream;
    while (stream.size() < (1u << 20)) {
        for (const Bytes& m : typicalSecond()) appendGDL90Frame(m.data(), m.size(), stream);
    }
    GDL90Parser parser;
    size_t messages = 0;
    for (auto _ : state) {
        for (unsigned char b : stream) {
            if (parser.parse(b)) {
                std::unique_ptr<IGDL90Message> message = parser.createParsedMessage();
                benchmark::DoNotOptimize(message.get());
                ++messages;
            }
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
    state.counters["messages/s"] = benchmark::Counter(double(messages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ParseAndDispatchMixedFrames)->Unit(benchmark::kMillisecond);

// One Update that drains 100 pending datagrams from a loopback socket and
// derives the samples; the sending is not timed.
void BM_SensorUpdateDrains100Datagrams(benchmark::State& state) {
    SensorManager manager;
    registerSensorKinds(manager);
    IPv4UDPSocket probe;
    probe.bind(0, false);
    GDL90Sensor::Settings settings;
    settings.port = probe.getBoundPort();
    probe.close();
    double now = 1000;
    GDL90Sensor sensor(manager, settings, [&now] { return now; });
    IPv4UDPSocket sender;
    sender.setUDPTarget(IPv4Address("127.0.0.1", static_cast<unsigned short>(settings.port)));

    std::vector<Bytes> datagrams;
    while (datagrams.size() < 100) {
        for (const Bytes& m : typicalSecond()) {
            if (datagrams.size() < 100) datagrams.push_back(makeGDL90Frame(m));
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        for (const Bytes& d : datagrams) sender.send(reinterpret_cast<const char*>(d.data()), unsigned(d.size()));
        now += 0.2;
        state.ResumeTiming();
        benchmark::DoNotOptimize(sensor.Update());
    }
}
BENCHMARK(BM_SensorUpdateDrains100Datagrams)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// The floor under the sensor's figure: only the 100 receive calls and the
// final empty one, on the same kind of socket.
void BM_Loopback100DatagramsReceiveOnly(benchmark::State& state) {
    IPv6UDPSocket receiver;
    receiver.setIPv4ReceptionEnabled(true);
    receiver.bind(0, true);
    IPv4UDPSocket sender;
    sender.setUDPTarget(IPv4Address("127.0.0.1", static_cast<unsigned short>(receiver.getBoundPort())));
    const Bytes frame = makeGDL90Frame(encodeForeFlightAHRS(5, 2, 90, true, 100, 105));
    std::vector<char> buffer(65536);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 100; ++i) sender.send(reinterpret_cast<const char*>(frame.data()), unsigned(frame.size()));
        state.ResumeTiming();
        while (receiver.recv(buffer.data(), unsigned(buffer.size())) > 0) {
        }
    }
}
BENCHMARK(BM_Loopback100DatagramsReceiveOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
