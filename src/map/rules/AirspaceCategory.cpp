#include "map/rules/AirspaceCategory.h"

#include <algorithm>
#include <cctype>

namespace {

struct ClassWord {
    const char* word;
    AirspaceCategory category;
};

// Class texts, upper case, as the chart sources use them.
const ClassWord kClassWords[] = {
    {"A", AirspaceCategory::CLASS_A},          {"B", AirspaceCategory::CLASS_B},
    {"C", AirspaceCategory::CLASS_C},          {"D", AirspaceCategory::CLASS_D},
    {"E", AirspaceCategory::CLASS_E},          {"F", AirspaceCategory::CLASS_F},
    {"G", AirspaceCategory::CLASS_G},          {"CTR", AirspaceCategory::CONTROL_ZONE},
    {"ATZ", AirspaceCategory::CONTROL_ZONE},   {"MATZ", AirspaceCategory::CONTROL_ZONE},
    {"TMA", AirspaceCategory::TERMINAL},       {"CTA", AirspaceCategory::TERMINAL},
    {"R", AirspaceCategory::RESTRICTED},       {"RESTRICTED", AirspaceCategory::RESTRICTED},
    {"TRA", AirspaceCategory::RESTRICTED},     {"TSA", AirspaceCategory::RESTRICTED},
    {"Q", AirspaceCategory::DANGER},           {"DANGER", AirspaceCategory::DANGER},
    {"P", AirspaceCategory::PROHIBITED},       {"PROHIBITED", AirspaceCategory::PROHIBITED},
    {"TMZ", AirspaceCategory::MANDATORY},      {"RMZ", AirspaceCategory::MANDATORY},
    {"TP", AirspaceCategory::TRAFFIC_PATTERN}, {"W", AirspaceCategory::GLIDING},
    {"GP", AirspaceCategory::GLIDING},         {"GSEC", AirspaceCategory::GLIDING},
    {"FIR", AirspaceCategory::BOUNDARY},       {"UIR", AirspaceCategory::BOUNDARY}};

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

}  // namespace

AirspaceCategory classifyAirspace(const std::string& airspaceClass) {
    const std::string word = upper(airspaceClass);
    for (const ClassWord& entry : kClassWords)
        if (word == entry.word) return entry.category;
    return AirspaceCategory::OTHER;
}
