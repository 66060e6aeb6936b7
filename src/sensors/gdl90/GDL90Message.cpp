#include "sensors/gdl90/GDL90Message.h"

#include <iostream>

const double gdl90PacketTimeout[IGDL90Message::TYPE_COUNT] = {
    2.0,   // HEARTBEAT
    20,    // UPLINK
    3.25,  // OWNSHIP
    3.25,  // OWNSHIP_GEO_ALT
    20,    // TRAFFIC
    1.0,   // FFAHRS
    20,    // FFID
    2.0,   // STRATUX_HEARTBEAT
    1.0,   // STRATUX_AHRS
    20,    // UAT_UPLINK
    3.0,   // TALOS_PRESSURE
    3.0,   // TALOS_TEMPERATURE
    3.5,   // TALOS_GPS
    3.0,   // TALOS_GYRO
    3.0,   // TALOS_ACC
    3.0,   // TALOS_AOA
    3.0,   // TALOS_ATTITUDE
    3.0,   // TALOS_COMPASS
    3.0,   // LEVIL_AOA
    3.5,   // LEVIL_GPS_STATUS
    0,     // UNKNOWN
};

const char* IGDL90Message::type2Name(Type type) {
    static const char* const names[TYPE_COUNT] = {
        "HEARTBEAT",      "UPLINK",          "OWNSHIP",          "OWNSHIP_GEO_ALT",   "TRAFFIC",
        "FFAHRS",         "FFID",            "STRATUX_HEARTBEAT", "STRATUX_AHRS",     "UAT_UPLINK",
        "TALOS_PRESSURE", "TALOS_TEMPERATURE", "TALOS_GPS",       "TALOS_GYRO",        "TALOS_ACC",
        "TALOS_AOA",      "TALOS_ATTITUDE",  "TALOS_COMPASS",    "LEVIL_AOA",         "LEVIL_GPS_STATUS",
        "UNKNOWN"};
    if (type < 0 || type >= TYPE_COUNT) return "UNKNOWN";
    return names[type];
}

void IGDL90Message::print() const {
    GDL90FieldList fields;
    describe(fields);
    std::cout << type2Name(getType());
    for (const GDL90Field& f : fields.fields()) {
        std::cout << " " << f.name << "=";
        switch (f.kind) {
        case GDL90Field::NUMBER: std::cout << f.number; break;
        case GDL90Field::INTEGER: std::cout << f.integer; break;
        case GDL90Field::BOOLEAN: std::cout << (f.integer ? "true" : "false"); break;
        case GDL90Field::TEXT: std::cout << '"' << f.text << '"'; break;
        }
        if (!f.valid) std::cout << "(invalid)";
    }
    std::cout << std::endl;
}

void GDL90FieldList::number(const char* name, double value, bool valid) {
    GDL90Field f;
    f.name = name;
    f.kind = GDL90Field::NUMBER;
    f.number = value;
    f.valid = valid;
    list.push_back(std::move(f));
}

void GDL90FieldList::integer(const char* name, long long value, bool valid) {
    GDL90Field f;
    f.name = name;
    f.kind = GDL90Field::INTEGER;
    f.integer = value;
    f.valid = valid;
    list.push_back(std::move(f));
}

void GDL90FieldList::flag(const char* name, bool value) {
    GDL90Field f;
    f.name = name;
    f.kind = GDL90Field::BOOLEAN;
    f.integer = value ? 1 : 0;
    list.push_back(std::move(f));
}

void GDL90FieldList::text(const char* name, const std::string& value, bool valid) {
    GDL90Field f;
    f.name = name;
    f.kind = GDL90Field::TEXT;
    f.text = value;
    f.valid = valid;
    list.push_back(std::move(f));
}
