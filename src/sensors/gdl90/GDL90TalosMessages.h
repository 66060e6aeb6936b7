#pragma once
#include "sensors/gdl90/GDL90Message.h"

#include <array>

// Talos devices send their sensor channels as little-endian 32-bit floats
// after a common header: k 1 validity (1 = valid), k 2..5 device time stamp
// in milliseconds (little-endian), channels from k 6 on.
class ATalosMessage : public IGDL90Message {
public:
    // How a channel is averaged with its predecessor: angles must be
    // unwrapped first or 359° and 1° would average to 180°.
    enum ChannelKind {
        LINEAR,
        NOT_SMOOTHED,        // counts and other discrete values
        ANGLE_RADIANS,       // result in [-pi, pi]
        ANGLE_DEGREES,       // result in [-180, 180]
        DIRECTION_DEGREES,   // result in [0, 360)
    };
    struct Channel {
        const char* name;
        ChannelKind kind;
    };
    static constexpr int MAX_CHANNELS = 8;
    static constexpr int HEADER_SIZE = 6;

    Type getType() const override { return type; }
    void readFromRaw(const unsigned char* msg) override;
    uint32_t getTimeStampIfAvail() const override { return deviceTimeStamp; }
    bool isTimeStampAvail() const override { return true; }
    bool isValidMsg() const override { return valid; }
    void describe(GDL90FieldList& out) const override;

    // Blends this (newer) message with the previous one of the same type:
    // new = 0.3 * new + 0.7 * old, per channel as its kind demands.
    void smoothWith(const ATalosMessage& older);

    float channel(int index) const { return values[index]; }
    void setChannel(int index, float value) { values[index] = value; }
    int channelCount() const { return count; }

    bool valid = false;
    uint32_t deviceTimeStamp = 0;

protected:
    ATalosMessage(Type type, const Channel* channels, int count);

private:
    Type type;
    const Channel* channels;
    int count;
    std::array<float, MAX_CHANNELS> values{};
};

class TalosPressureMessage : public ATalosMessage {
public:
    TalosPressureMessage();
    float getStaticPressure() const { return channel(0); }     // hPa
    float getDynamicPressure() const { return channel(1); }    // hPa
    float getPressureAltitude() const { return channel(2); }   // metres
    float getIndicatedAirspeed() const { return channel(3); }  // m/s
    float getTrueAirspeed() const { return channel(4); }       // m/s
};

class TalosTemperatureMessage : public ATalosMessage {
public:
    TalosTemperatureMessage();
    float getOutsideTemperature() const { return channel(0); }  // °C
    float getInsideTemperature() const { return channel(1); }   // °C
};

class TalosGPSMessage : public ATalosMessage {
public:
    TalosGPSMessage();
    float getLatitude() const { return channel(0); }     // degrees
    float getLongitude() const { return channel(1); }    // degrees
    float getAltitude() const { return channel(2); }     // metres MSL
    float getGroundSpeed() const { return channel(3); }  // m/s
    float getTrack() const { return channel(4); }        // degrees true
    float getSatellites() const { return channel(5); }
};

class TalosGyroMessage : public ATalosMessage {
public:
    TalosGyroMessage();
    // Rotation rates about the aircraft axes, degrees per second: x to the
    // right wing, y up, z forward.
    float getX() const { return channel(0); }
    float getY() const { return channel(1); }
    float getZ() const { return channel(2); }
};

class TalosAccMessage : public ATalosMessage {
public:
    TalosAccMessage();
    // Specific force in m/s², same axes as the gyro.
    float getX() const { return channel(0); }
    float getY() const { return channel(1); }
    float getZ() const { return channel(2); }
};

class TalosAoAMessage : public ATalosMessage {
public:
    TalosAoAMessage();
    float getAngleOfAttack() const { return channel(0); }     // degrees
    float getAngleOfSideslip() const { return channel(1); }   // degrees
    float getCriticalAngle() const { return channel(2); }     // degrees
};

class TalosAttitudeMessage : public ATalosMessage {
public:
    TalosAttitudeMessage();
    float getRoll() const { return channel(0); }   // radians, right wing down positive
    float getPitch() const { return channel(1); }  // radians, nose up positive
    float getYaw() const { return channel(2); }    // radians
};

class TalosCompassMessage : public ATalosMessage {
public:
    TalosCompassMessage();
    float getMagneticHeading() const { return channel(0); }  // degrees
    float getTrueHeading() const { return channel(1); }      // degrees
};
