#include "chart/elements/StaticData.h"

#include <cmath>

namespace {

constexpr double AREA_LOG_STEP = 0.0434915877998397;  // ln(65536) / 255

uint16_t encodeAltitude(double metres, double steps) {
    if (!(metres >= STATIC_ALTITUDE_MIN_M))  // NaN lands here as well
        return 0;
    if (metres > STATIC_ALTITUDE_MAX_M)
        return static_cast<uint16_t>(steps);
    return static_cast<uint16_t>(std::lround((metres - STATIC_ALTITUDE_MIN_M) / STATIC_ALTITUDE_SPAN_M * steps));
}

double decodeAltitude(unsigned value, double steps) {
    return value / steps * STATIC_ALTITUDE_SPAN_M + STATIC_ALTITUDE_MIN_M;
}

const char* const STATIC_AIRSPACE_CLASSES[STATIC_AIRSPACE_CLASS_COUNT] = {
    "", "AMA", "PROTECT", "FIR", "O", "DO", "OTHER", "UIR", "E", "G", "CTA", "TP", "RAS", "TRA", "TSA"};

}  // namespace

uint16_t encodeStaticAltitude12(double metres) { return encodeAltitude(metres, 4095.0); }
double decodeStaticAltitude12(unsigned value) { return decodeAltitude(value & 0xFFF, 4095.0); }
uint16_t encodeStaticAltitude16(double metres) { return encodeAltitude(metres, 65535.0); }
double decodeStaticAltitude16(unsigned value) { return decodeAltitude(value & 0xFFFF, 65535.0); }

uint8_t ggeAreaToByte(double areaSquareMetres) {
    if (!(areaSquareMetres >= 1e-8))
        return 0;
    const double steps = std::round(std::log(areaSquareMetres / GGE_AREA_UNIT_M2) / AREA_LOG_STEP);
    if (steps <= 0.0)
        return 0;
    if (steps >= 255.0)
        return 255;
    return static_cast<uint8_t>(steps);
}

double ggeByteToArea(uint8_t value) { return std::exp(value * AREA_LOG_STEP) * GGE_AREA_UNIT_M2; }

const char* getStaticAirspaceClassName(int index) {
    if (index < 0 || index >= STATIC_AIRSPACE_CLASS_COUNT)
        return STATIC_AIRSPACE_CLASSES[0];
    return STATIC_AIRSPACE_CLASSES[index];
}

int getStaticAirspaceClassIndex(const std::string& airspaceClass) {
    for (int i = 0; i < STATIC_AIRSPACE_CLASS_COUNT; ++i)
        if (airspaceClass == STATIC_AIRSPACE_CLASSES[i])
            return i;
    return 0;
}

std::string extractRASLocalType(const std::string& text) {
    if (text.size() < 2)
        return std::string();
    const size_t stop = text.size() > 20 ? text.size() - 20 : 0;
    for (size_t i = text.size() - 2;; --i) {
        if (text[i] == ' ')
            return text.substr(i + 1);
        if (i == stop)
            break;
    }
    return std::string();
}

int readStaticAirspaceClass(const char* staticData) {
    const int index = getStaticWord(staticData) >> 12;
    return index == 15 ? 0 : index;
}

double readStaticAirspaceBottom(const char* staticData) { return decodeStaticAltitude12(getStaticWord(staticData)); }

double readStaticObstructionElevation(const char* staticData) {
    return decodeStaticAltitude16(getStaticWord(staticData));
}
