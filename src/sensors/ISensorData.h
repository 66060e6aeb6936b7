#pragma once

// One typed sample of sensor data. Sensors own one sample per type they
// supply and overwrite it in place; consumers read it during the same frame.
// Every sample turns itself into a packed little-endian byte record and back:
// that record is what recordings, forwarding and the fusion service carry.
class ISensorData {
public:
    // The value is also the index sensors use in their per-type tables and
    // the number persisted in configuration files and recordings: fixed.
    enum Type : int {
        GPS = 0,
        ATTITUDE = 1,
        HEADING = 2,
        ACCELERATION = 3,
        POSITION = 4,
        ALTITUDE = 5,
        GROUNDSPEED = 6,
        VERTICALSPEED = 7,
        TURNRATE = 8,
        AIRSPEED = 9,
        INSIDE_PRESSURE = 10,
        OUTSIDE_PRESSURE = 11,
        INSIDE_TEMPERATURE = 12,
        OUTSIDE_TEMPERATURE = 13,
        RAW = 14,
        TRAFFIC = 15,
        LOCALIZER = 16,
        GLIDESLOPE = 17,
        UAT_UPLINK = 18,
        ANGLE_OF_ATTACK = 19,
        EXTENDED_HEADING = 20,
        ENGINE_DATA = 21,
        WIDEBAND_DATA = 22,
        TYPE_COUNT = 23
    };

    virtual Type getType() const = 0;

    // Writes the record into a buffer owned by the sample, stores its length
    // in *size and returns the buffer. Valid until the next serialize call on
    // this object or its destruction.
    virtual void* serialize(int* size) = 0;

    // Overwrites the fields from a record. Returns false when the record was
    // too short or malformed; what such a record leaves behind is stated by
    // each sample type.
    virtual bool deserialize(const void* data, int size) = 0;

    // One-line dump to standard output, for diagnostics.
    virtual void print() const = 0;

    virtual ~ISensorData() = default;
};
