// Speed of NMEA parsing and of one idle sensor-manager frame.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "sensors/NMEA_Parser.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"
#include "sensors/SensorSampleTable.h"

namespace {

// The NMEA sentences of the real captures, repeated to about 1 MB.
std::string nmeaText() {
    std::string sentences;
    for (const char* name : {"garmin48.log", "bu353-glonass.log", "beidou-gb.log"}) {
        std::ifstream in(std::string(CIRRONA_SOURCE_DIR) + "/tests/sensors/core/data/nmea/" + name);
        std::string line;
        while (std::getline(in, line))
            if (!line.empty() && line[0] == '$') sentences += line + "\r\n";
    }
    std::string text;
    while (!sentences.empty() && text.size() < (1u << 20)) text += sentences;
    return text;
}

void BM_NMEAParse(benchmark::State& state) {
    const std::string text = nmeaText();
    NMEA_Parser parser(NMEA_Parser::NMEA_ANY, 0);
    parser.setClock([] { return 0.0; });
    for (auto _ : state) benchmark::DoNotOptimize(parser.feed(text.data(), text.size()));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_NMEAParse)->Unit(benchmark::kMillisecond);

class IdleSensor : public ISensor {
public:
    explicit IdleSensor(SensorManager& manager) : samples(manager, {ISensorData::POSITION, ISensorData::ALTITUDE}) {}
    std::string getName() override { return "idle"; }
    bool Update() override { return false; }
    uint32_t lastTimeUpdated(ISensorData::Type) override { return 0; }
    ISensorData* getData(ISensorData::Type type) override { return samples.get(type); }
    bool isDataTypeSupported(ISensorData::Type type) override { return samples.supports(type); }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return samples.getTypes(); }
    WarningLevel getWarning(ISensorData::Type) override { return GOOD; }

private:
    SensorSampleTable samples;
};

class IdleFactory : public NoSetupGUISensorFactory {
public:
    explicit IdleFactory(SensorManager* m) : manager(m) {}
    ISensor* Create() override { return new IdleSensor(*manager); }
    std::string getName() override { return "Idle"; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override {
        return {ISensorData::POSITION, ISensorData::ALTITUDE};
    }
    SensorManager* manager;
};

class IdleForwarder : public ISensorForwarder {
public:
    void forward(ISensor*) override {}
    void setForwardPeriod(int) override {}
    std::string getName() override { return "idle"; }
    void setPause(bool) override {}
};

class IdleForwarderFactory : public ISensorForwarderFactory {
public:
    void setup() override {}
    bool loadSetupFromIni(IniFile*, const std::string&) override { return true; }
    void saveSetupToIni(IniFile*, const std::string&) override {}
    ISensorForwarder* Create() override { return new IdleForwarder(); }
    std::string getName() override { return "Idle"; }
};

// Ten idle sensors, two forwarders, a known position (so the magnetic
// variation check runs every frame); the clock stands still, so the
// once-per-second battery read happens only in the first frame.
void BM_SensorManagerUpdate(benchmark::State& state) {
    SensorManager manager;
    registerSensorDataFactories(manager);
    manager.addSensorFactory(new IdleFactory(&manager));
    manager.addSensorForwarderFactory(new IdleForwarderFactory());
    manager.setClock([] { return 5.0; });
    manager.setMagneticModel([](const ChartPosition&, double, double& d) {
        d = 1.0;
        return true;
    });
    std::string text = "SensorCount = 11\nForwarderCount = 2\nD4 = 1\nD5 = 1\n[F0]\nForwarderFactory = 0\n"
                       "[F1]\nForwarderFactory = 0\n";
    for (int i = 1; i <= 10; ++i) text += "[S" + std::to_string(i) + "]\nFactoryIndex = 0\n";
    IniFile ini;
    ini.setFromString(text);
    manager.loadSensorSettingsFromIni(&ini, false);
    manager.Update();
    for (auto _ : state) manager.Update();
}
BENCHMARK(BM_SensorManagerUpdate);

}  // namespace
