#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The decoded fields of one message, named and flagged valid or not, in a
// neutral form that diagnostics print (text line, JSON) without knowing the
// message classes.
struct GDL90Field {
    enum Kind { NUMBER, INTEGER, BOOLEAN, TEXT };
    std::string name;
    Kind kind = NUMBER;
    double number = 0;
    long long integer = 0;
    std::string text;
    bool valid = true;
};

class GDL90FieldList {
public:
    void number(const char* name, double value, bool valid = true);
    void integer(const char* name, long long value, bool valid = true);
    void flag(const char* name, bool value);
    void text(const char* name, const std::string& value, bool valid = true);
    const std::vector<GDL90Field>& fields() const { return list; }

private:
    std::vector<GDL90Field> list;
};

// One decoded GDL90 message (standard or vendor extension).
class IGDL90Message {
public:
    enum Type {
        HEARTBEAT = 0,
        UPLINK = 1,
        OWNSHIP = 2,
        OWNSHIP_GEO_ALT = 3,
        TRAFFIC = 4,
        FFAHRS = 5,
        FFID = 6,
        STRATUX_HEARTBEAT = 7,
        STRATUX_AHRS = 8,
        UAT_UPLINK = 9,
        TALOS_PRESSURE = 10,
        TALOS_TEMPERATURE = 11,
        TALOS_GPS = 12,
        TALOS_GYRO = 13,
        TALOS_ACC = 14,
        TALOS_AOA = 15,
        TALOS_ATTITUDE = 16,
        TALOS_COMPASS = 17,
        LEVIL_AOA = 18,
        LEVIL_GPS_STATUS = 19,
        UNKNOWN = 20,
        TYPE_COUNT = 21
    };

    virtual ~IGDL90Message() = default;
    virtual Type getType() const = 0;
    // `msg` points at the message-ID byte; the caller guarantees that the
    // whole layout of the message type is readable there.
    virtual void readFromRaw(const unsigned char* msg) = 0;
    virtual uint32_t getTimeStampIfAvail() const { return 0; }
    virtual bool isTimeStampAvail() const { return false; }
    virtual bool isValidMsg() const { return true; }
    // One line on standard output: type name and every field.
    virtual void print() const;

    // Every decoded field with its validity, in layout order.
    virtual void describe(GDL90FieldList& out) const = 0;

    static const char* type2Name(Type type);
};

// How long (seconds) a stored message of each type stays fresh enough to be
// used; indexed by IGDL90Message::Type. Unknown messages are never stored (0).
extern const double gdl90PacketTimeout[IGDL90Message::TYPE_COUNT];

// Field readers; GDL90 is big-endian unless a field says otherwise.
inline unsigned gdl90Be16(const unsigned char* p) { return (unsigned(p[0]) << 8) | p[1]; }
inline int gdl90SignedBe16(const unsigned char* p) { return static_cast<int16_t>(gdl90Be16(p)); }
inline unsigned gdl90Le16(const unsigned char* p) { return unsigned(p[0]) | (unsigned(p[1]) << 8); }
inline unsigned gdl90Be24(const unsigned char* p) {
    return (unsigned(p[0]) << 16) | (unsigned(p[1]) << 8) | p[2];
}
inline unsigned gdl90Le24(const unsigned char* p) {
    return unsigned(p[0]) | (unsigned(p[1]) << 8) | (unsigned(p[2]) << 16);
}
inline int gdl90SignedBe24(const unsigned char* p) {
    const int value = static_cast<int>(gdl90Be24(p));
    return (value & 0x800000) ? value - 0x1000000 : value;
}
inline uint32_t gdl90Be32(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
inline uint32_t gdl90Le32(const unsigned char* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
