// Recording speed (the forwarder writing sample records, synced once a
// second) and seeking in a two-hour recording through its index.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <random>
#include <string>

#include "sensors/GPS_Data.h"
#include "sensors/MotionSensorData.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"
#include "sensors/recording/LogFileForwarder.h"
#include "sensors/recording/LogFileSensor.h"

namespace {

std::string benchPath(const char* name) { return "/tmp/cirrona_bench_" + std::to_string(getpid()) + name; }

void BM_RecordSamples(benchmark::State& state) {
    const std::string path = benchPath("_record.dat");
    LogFileForwarder forwarder(path);
    Position_Data position(11.5, 47.2, 0);
    Altitude_Data altitude(1200, 0);
    GPS_Data gps;
    int64_t samples = 0;
    for (auto _ : state) {
        position.longitude += 1e-6;
        forwarder.forward(ISensorData::POSITION, &position);
        forwarder.forward(ISensorData::ALTITUDE, &altitude);
        forwarder.forward(ISensorData::GPS, &gps);
        samples += 3;
    }
    state.SetItemsProcessed(samples);
    forwarder.stop();
    unlink(path.c_str());
}
BENCHMARK(BM_RecordSamples);

// Removes the file when the program ends.
struct TemporaryFile {
    std::string path;
    ~TemporaryFile() { unlink(path.c_str()); }
};

// Two hours at 25 updates a second of position, altitude and GPS.
const std::string& twoHourRecording() {
    static const TemporaryFile file{[] {
        const std::string p = benchPath("_twohours.dat");
        uint32_t stamp = 0;
        LogFileForwarder forwarder(p, [&stamp] { return stamp; });
        Position_Data position(11.5, 47.2, 0);
        Altitude_Data altitude(1200, 0);
        GPS_Data gps;
        for (; stamp <= 2 * 3600 * 1000; stamp += 40) {
            position.longitude += 1e-6;
            forwarder.forward(ISensorData::POSITION, &position);
            forwarder.forward(ISensorData::ALTITUDE, &altitude);
            forwarder.forward(ISensorData::GPS, &gps);
        }
        return p;
    }()};
    return file.path;
}

void BM_SeekTwoHourRecording(benchmark::State& state) {
    SensorManager manager;
    registerSensorDataFactories(manager);
    LogFileSensor sensor(manager, {twoHourRecording(), ISensor::GOOD});
    std::mt19937 random(3);
    std::uniform_real_distribution<double> fraction(0, 1);
    for (auto _ : state) sensor.setPlayPosition(fraction(random));
    state.counters["records"] = sensor.getReader().getIndex().getRecordCount();
}
BENCHMARK(BM_SeekTwoHourRecording)->Unit(benchmark::kMillisecond);

}  // namespace
