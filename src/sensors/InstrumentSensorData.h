#pragma once
#include <cmath>
#include <cstdint>

#include "sensors/RecordSample.h"

// True and magnetic heading in degrees; NaN means "not available".
class ExtendedHeading_Data : public FixedRecordSample<ExtendedHeading_Data, 12> {
public:
    float trueHeading = NAN;
    float magneticHeading = NAN;
    uint32_t timeStamp = 0;

    ExtendedHeading_Data() = default;
    ExtendedHeading_Data(float trueDeg, float magneticDeg, uint32_t time)
        : trueHeading(trueDeg), magneticHeading(magneticDeg), timeStamp(time) {}

    bool isTrueHeadingAvailable() const { return !std::isnan(trueHeading); }
    bool isMagneticHeadingAvailable() const { return !std::isnan(magneticHeading); }

    Type getType() const override { return EXTENDED_HEADING; }
    void print() const override;

    template <class Visitor>
    void fields(Visitor& v) { v(trueHeading, magneticHeading, timeStamp); }
};

class AngleOfAttack_Data : public FixedRecordSample<AngleOfAttack_Data, 13> {
public:
    // PARTS: the angle is a fraction of maxAngle.
    enum Unit : uint8_t { DEGREES = 0, PARTS = 1 };

    float angle = 0.0f;
    float maxAngle = 1.0f;
    Unit unit = PARTS;
    uint32_t timeStamp = 0;

    AngleOfAttack_Data() = default;
    AngleOfAttack_Data(float angleValue, float maxAngleValue, Unit angleUnit, uint32_t time)
        : angle(angleValue), maxAngle(maxAngleValue), unit(angleUnit), timeStamp(time) {}

    Type getType() const override { return ANGLE_OF_ATTACK; }
    void print() const override;

    template <class Visitor>
    void fields(Visitor& v) { v(angle, maxAngle, timeStamp, unit); }
};

// The two modulation amplitudes of an ILS receiver, for the localizer (16)
// or the glideslope (17). The choice is made at construction and is not part
// of the record.
class LocGs_Data : public FixedRecordSample<LocGs_Data, 8> {
public:
    float amplitude90Hz = 0.0f;
    float amplitude150Hz = 0.0f;

    explicit LocGs_Data(bool localizer = true) : type(localizer ? LOCALIZER : GLIDESLOPE) {}

    bool isLocalizer() const { return type == LOCALIZER; }
    Type getType() const override { return type; }
    void print() const override;

    template <class Visitor>
    void fields(Visitor& v) { v(amplitude90Hz, amplitude150Hz); }

private:
    Type type;
};
