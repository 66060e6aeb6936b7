#include "sensors/gdl90/GDL90TalosMessages.h"

#include "base/Units.h"

#include <cmath>
#include <cstring>

namespace {
float readLittleEndianFloat(const unsigned char* p) {
    const uint32_t bits = gdl90Le32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Brings `angle` into [low, low + period).
double wrapInto(double angle, double low, double period) {
    double wrapped = std::fmod(angle - low, period);
    if (wrapped < 0) wrapped += period;
    return wrapped + low;
}

double blend(double newer, double older) { return 0.3 * newer + 0.7 * older; }

// Blends two angles of the given period after moving the older one to within
// half a period of the newer one.
double blendAngle(double newer, double older, double period) {
    const double half = period / 2;
    const double unwrappedOlder = newer + wrapInto(older - newer, -half, period);
    return blend(newer, unwrappedOlder);
}

const ATalosMessage::Channel PRESSURE_CHANNELS[] = {
    {"staticPressure", ATalosMessage::LINEAR},    {"dynamicPressure", ATalosMessage::LINEAR},
    {"pressureAltitude", ATalosMessage::LINEAR},  {"indicatedAirspeed", ATalosMessage::LINEAR},
    {"trueAirspeed", ATalosMessage::LINEAR}};
const ATalosMessage::Channel TEMPERATURE_CHANNELS[] = {{"outsideTemperature", ATalosMessage::LINEAR},
                                                       {"insideTemperature", ATalosMessage::LINEAR}};
const ATalosMessage::Channel GPS_CHANNELS[] = {
    {"latitude", ATalosMessage::LINEAR},    {"longitude", ATalosMessage::LINEAR},
    {"altitude", ATalosMessage::LINEAR},    {"groundSpeed", ATalosMessage::LINEAR},
    {"track", ATalosMessage::DIRECTION_DEGREES}, {"satellites", ATalosMessage::NOT_SMOOTHED}};
const ATalosMessage::Channel GYRO_CHANNELS[] = {
    {"x", ATalosMessage::LINEAR}, {"y", ATalosMessage::LINEAR}, {"z", ATalosMessage::LINEAR}};
const ATalosMessage::Channel AOA_CHANNELS[] = {{"angleOfAttack", ATalosMessage::ANGLE_DEGREES},
                                               {"angleOfSideslip", ATalosMessage::ANGLE_DEGREES},
                                               {"criticalAngle", ATalosMessage::ANGLE_DEGREES}};
const ATalosMessage::Channel ATTITUDE_CHANNELS[] = {{"roll", ATalosMessage::ANGLE_RADIANS},
                                                    {"pitch", ATalosMessage::ANGLE_RADIANS},
                                                    {"yaw", ATalosMessage::ANGLE_RADIANS}};
const ATalosMessage::Channel COMPASS_CHANNELS[] = {{"magneticHeading", ATalosMessage::DIRECTION_DEGREES},
                                                   {"trueHeading", ATalosMessage::DIRECTION_DEGREES}};

template <size_t N>
int countOf(const ATalosMessage::Channel (&)[N]) {
    static_assert(N <= ATalosMessage::MAX_CHANNELS, "too many Talos channels");
    return static_cast<int>(N);
}
}  // namespace

ATalosMessage::ATalosMessage(Type type, const Channel* channels, int count)
    : type(type), channels(channels), count(count) {}

void ATalosMessage::readFromRaw(const unsigned char* msg) {
    valid = msg[1] == 1;
    deviceTimeStamp = gdl90Le32(msg + 2);
    for (int i = 0; i < count; ++i) values[i] = readLittleEndianFloat(msg + HEADER_SIZE + 4 * i);
}

void ATalosMessage::describe(GDL90FieldList& out) const {
    out.flag("valid", valid);
    out.integer("deviceTimeStamp", deviceTimeStamp);
    for (int i = 0; i < count; ++i) out.number(channels[i].name, values[i], valid && std::isfinite(values[i]));
}

void ATalosMessage::smoothWith(const ATalosMessage& older) {
    if (older.type != type) return;
    for (int i = 0; i < count; ++i) {
        const double newer = values[i];
        const double old = older.values[i];
        double result = newer;
        switch (channels[i].kind) {
        case LINEAR: result = blend(newer, old); break;
        case NOT_SMOOTHED: break;
        case ANGLE_RADIANS:
            result = wrapInto(blendAngle(newer, old, 2 * units::kPi), -units::kPi, 2 * units::kPi);
            break;
        case ANGLE_DEGREES: result = wrapInto(blendAngle(newer, old, 360.0), -180.0, 360.0); break;
        case DIRECTION_DEGREES: result = wrapInto(blendAngle(newer, old, 360.0), 0.0, 360.0); break;
        }
        values[i] = static_cast<float>(result);
    }
}

TalosPressureMessage::TalosPressureMessage()
    : ATalosMessage(TALOS_PRESSURE, PRESSURE_CHANNELS, countOf(PRESSURE_CHANNELS)) {}
TalosTemperatureMessage::TalosTemperatureMessage()
    : ATalosMessage(TALOS_TEMPERATURE, TEMPERATURE_CHANNELS, countOf(TEMPERATURE_CHANNELS)) {}
TalosGPSMessage::TalosGPSMessage() : ATalosMessage(TALOS_GPS, GPS_CHANNELS, countOf(GPS_CHANNELS)) {}
TalosGyroMessage::TalosGyroMessage() : ATalosMessage(TALOS_GYRO, GYRO_CHANNELS, countOf(GYRO_CHANNELS)) {}
TalosAccMessage::TalosAccMessage() : ATalosMessage(TALOS_ACC, GYRO_CHANNELS, countOf(GYRO_CHANNELS)) {}
TalosAoAMessage::TalosAoAMessage() : ATalosMessage(TALOS_AOA, AOA_CHANNELS, countOf(AOA_CHANNELS)) {}
TalosAttitudeMessage::TalosAttitudeMessage()
    : ATalosMessage(TALOS_ATTITUDE, ATTITUDE_CHANNELS, countOf(ATTITUDE_CHANNELS)) {}
TalosCompassMessage::TalosCompassMessage()
    : ATalosMessage(TALOS_COMPASS, COMPASS_CHANNELS, countOf(COMPASS_CHANNELS)) {}
