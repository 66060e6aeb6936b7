#pragma once
#include "sensors/ASettingsSensorFactory.h"
#include "sensors/gdl90/GDL90Messages.h"
#include "sensors/gdl90/GDL90Parser.h"
#include "sensors/gdl90/GDL90Smoother.h"
#include "sensors/ISensor.h"
#include "sensors/SensorSampleTable.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class ICommunicationEndpoint;
class IPv6TCPSocket;
class IPv4UDPSocket;
class SensorManager;

// A GDL90 device (ADS-B receiver, AHRS unit) on UDP or a serial line. Every
// Update drains the endpoints, keeps the newest message of each type and
// derives the samples from the messages that are still fresh.
class GDL90Sensor : public ASensorWithAutopilot {
public:
    enum Source { UDP = 0, SERIAL = 1 };
    enum Flavor { Generic = 0, Talos = 1, Levil = 2, PilotAware = 3, uAvionix = 4 };

    struct Settings {
        int port = 4000;
        Flavor flavor = Generic;
        bool useSerial = false;
        std::string deviceNode = "/dev/ttyUSB0";
        int baudRate = 230400;
    };

    static constexpr double CONNECTION_TIMEOUT = 2.0;  // seconds without a byte
    static constexpr double TRAFFIC_TIMEOUT = 20.0;    // seconds a target stays unheard
    static const char* const FLAVOR_NAMES[5];
    // Unknown text means Generic.
    static Flavor flavorFromName(const std::string& name);

    // `clock` gives seconds of the monotonic clock (getSecs by default); tests
    // pass their own to step through time-outs without waiting.
    GDL90Sensor(SensorManager& manager, const Settings& settings, std::function<double()> clock = nullptr);
    ~GDL90Sensor() override;

    std::string getName() override;
    bool Update() override;
    // 1 when the type got a new value in the last Update, else 0.
    uint32_t lastTimeUpdated(ISensorData::Type type) override;
    ISensorData* getData(ISensorData::Type type) override { return samples.get(type); }
    bool isDataTypeSupported(ISensorData::Type type) override { return samples.supports(type); }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return samples.getTypes(); }
    WarningLevel getWarning(ISensorData::Type type) override;
    std::wstring getSensorDetails() override;
    std::wstring getCalibLabelOverride() override;

    // Takes one decoded message received at `now` (seconds).
    void processReceivedGDL90Message(std::unique_ptr<IGDL90Message> message, double now);
    // Derives every sample except traffic and uplink from the fresh messages.
    void updateDataExceptTrafficAndUAT(double now);

    bool isConnected() const { return connected; }
    // Number of endpoints that were opened successfully.
    int getEndpointCount() const;
    // The stored message of a type, null when none arrived yet.
    const IGDL90Message* getStoredMessage(IGDL90Message::Type type) const;
    // Offsets added to the attitude, degrees (from the calibration, kept in
    // the sensor's section as rollOffset and pitchOffset).
    void setCalibration(double rollOffsetDegrees, double pitchOffsetDegrees);
    double getRollOffset() const { return rollOffset; }
    double getPitchOffset() const { return pitchOffset; }
    // Roll and pitch of the last derived attitude, degrees, offsets applied;
    // false while no fresh attitude source is heard.
    bool getAttitudeDegrees(double& roll, double& pitch) const;
    const Settings& getSettings() const { return settings; }

    // The types this sensor can supply.
    static std::vector<ISensorData::Type> supportedTypes();

protected:
    bool sendToAutopilot(const std::string& sentence) override;

private:
    struct Endpoint {
        std::unique_ptr<ICommunicationEndpoint> link;
        GDL90Parser parser;
    };
    struct StoredMessage {
        std::unique_ptr<IGDL90Message> message;
        double receivedAt = 0;
    };
    struct HeadingCandidates;

    void openEndpoints();
    bool drainEndpoint(Endpoint& endpoint, double now);
    void acceptTalosConnection();
    void updateConnectionState(bool received, double now);
    void expireTraffic(double now);
    void processTraffic(const TrafficGDL90Message& traffic, double now);
    void storeMessage(std::unique_ptr<IGDL90Message> message, double now);

    // Helpers of updateDataExceptTrafficAndUAT, one per group of samples.
    const IGDL90Message* fresh(IGDL90Message::Type type, double now) const;
    void deriveAttitudeAndHeading(double now, uint32_t stamp);
    void collectHeadingCandidates(double now, HeadingCandidates& candidates) const;
    void deriveAcceleration(double now, uint32_t stamp);
    void derivePositionAndGPS(double now, uint32_t stamp);
    void deriveAirData(double now, uint32_t stamp);
    void deriveTurnRateAndAngleOfAttack(double now, uint32_t stamp);
    void markUpdated(ISensorData::Type type);
    void updateWarnings();

    SensorManager& manager;
    Settings settings;
    std::function<double()> clock;
    Source source = UDP;

    std::vector<std::unique_ptr<Endpoint>> endpoints;
    std::unique_ptr<IPv6TCPSocket> talosListener;
    IPv4UDPSocket* levilSender = nullptr;  // owned by `endpoints`
    std::vector<char> receiveBuffer;

    StoredMessage stored[IGDL90Message::TYPE_COUNT];
    SensorSampleTable samples;
    bool updated[ISensorData::TYPE_COUNT] = {};
    WarningLevel warnings[ISensorData::TYPE_COUNT];

    bool connected = false;
    double lastByteTime = -1e300;
    std::map<unsigned, double> trafficLastHeard;

    double rollOffset = 0;
    double pitchOffset = 0;
    double lastRoll = 0;
    double lastPitch = 0;
    bool haveLastAttitude = false;
    double lastHeading = 0;

    GDL90Smoother accelerationX{GDL90Smoother::FAST};
    GDL90Smoother accelerationY{GDL90Smoother::FAST};
    GDL90Smoother accelerationZ{GDL90Smoother::FAST};
    GDL90Smoother turnRate{GDL90Smoother::FAST};
    GDL90Smoother verticalSpeed{GDL90Smoother::SLOW};
    // The Talos pressure message the last vertical speed was derived from.
    double lastPressureAltitude = 0;
    uint32_t lastPressureTimeStamp = 0;
    bool havePressureAltitude = false;
};

// "GDL90 compatible device": reads port, flavor, useSerial, deviceNode and
// baudRate from the sensor's section, and the calibration offsets
// rollOffset and pitchOffset (degrees, 0 when missing).
class GDL90SensorFactory : public ASettingsSensorFactory {
public:
    static const char* const NAME;
    static const char* const SETTINGS_DESCRIPTOR;

    explicit GDL90SensorFactory(SensorManager* manager);

    ISensor* Create() override;
    std::string getName() override { return NAME; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return GDL90Sensor::supportedTypes(); }

    // The settings last loaded, converted.
    GDL90Sensor::Settings getSensorSettings() const;
    // The clock handed to the sensors made from now on; getSecs when unset.
    void setClock(std::function<double()> seconds) { clock = std::move(seconds); }

private:
    std::function<double()> clock;
};
