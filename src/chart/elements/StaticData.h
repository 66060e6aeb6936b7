#pragma once
#include <cstdint>
#include <string>

// The 3-byte summary of an element that the area tree keeps per leaf, so
// that the map and the searches can reject elements without loading them.
// Byte 0 holds the type code in bits 0-5; bytes 1 and 2 depend on the kind.

constexpr double STATIC_ALTITUDE_MIN_M = -500.0;
constexpr double STATIC_ALTITUDE_MAX_M = 9000.0;
constexpr double STATIC_ALTITUDE_SPAN_M = 9500.0;

// Altitudes in metres squeezed into 12 or 16 bits over -500 ... 9000 m.
uint16_t encodeStaticAltitude12(double metres);
double decodeStaticAltitude12(unsigned value);
uint16_t encodeStaticAltitude16(double metres);
double decodeStaticAltitude16(unsigned value);

// Ground-geometry areas (m²) on a logarithmic byte scale with the step
// ln(65536)/255, starting at 15258 m².
constexpr double GGE_AREA_UNIT_M2 = 15258.0;
uint8_t ggeAreaToByte(double areaSquareMetres);
double ggeByteToArea(uint8_t value);

// The airspace classes that have a place in the static data; index 0 stands
// for every class not in the table.
constexpr int STATIC_AIRSPACE_CLASS_COUNT = 15;
const char* getStaticAirspaceClassName(int index);
int getStaticAirspaceClassIndex(const std::string& airspaceClass);

// The word after the last blank among the last 20 characters of a class or
// name text; empty when there is no blank there.
std::string extractRASLocalType(const std::string& text);

// Readers for the summary bytes.
inline int getStaticType(const char* staticData) { return static_cast<uint8_t>(staticData[0]) & 0x3F; }
inline uint16_t getStaticWord(const char* staticData) {
    return static_cast<uint16_t>(static_cast<uint8_t>(staticData[1]) | (static_cast<uint8_t>(staticData[2]) << 8));
}
inline void setStaticWord(char* staticData, uint16_t word) {
    staticData[1] = static_cast<char>(word & 0xFF);
    staticData[2] = static_cast<char>(word >> 8);
}
// The airspace class index kept in the top 4 bits of bytes 1-2.
int readStaticAirspaceClass(const char* staticData);
// The airspace bottom in metres from the low 12 bits of bytes 1-2.
double readStaticAirspaceBottom(const char* staticData);
// The obstruction top elevation in metres from bytes 1-2.
double readStaticObstructionElevation(const char* staticData);
