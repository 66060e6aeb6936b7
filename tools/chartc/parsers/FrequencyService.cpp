#include "parsers/FrequencyService.h"

#include "parsers/ParseSupport.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// The service words seen in the open data (upper case), tower words first.
const char* const TOWER_WORDS[] = {"TWR", "TOWER"};
const char* const OTHER_SERVICE_WORDS[] = {
    "ATIS", "AWOS", "ASOS", "UNICOM", "UNIC", "CTAF", "MULTICOM", "MULT", "DEL", "CLNC", "CLD", "CLEARANCE", "GND",
    "GROUND", "APP", "APPROACH", "DEP", "DEPARTURE", "ARR", "RADAR", "TRML", "TERMINAL", "CNTR", "CENTRE", "CENTER",
    "CTR", "FSS", "AFIS", "INFO", "INFORMATION", "RDO", "RADIO", "MF", "A/G", "TEST", "GCA", "CON", "TCA", "WX",
    "AFRU", "VOLMET", "PAR"};

bool isOneOf(const std::string& word, const char* const* words, size_t count) {
    return std::any_of(words, words + count, [&](const char* w) { return word == w; });
}

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// The text without frequencies some rows repeat after the name ("TWR 126.3").
std::string withoutTrailingNumbers(const std::string& text) {
    std::string rest = text;
    for (;;) {
        const size_t end = rest.find_last_not_of(' ');
        if (end == std::string::npos)
            return std::string();
        rest.resize(end + 1);
        const size_t start = rest.find_last_of(' ');
        const std::string last = start == std::string::npos ? rest : rest.substr(start + 1);
        double number = 0;
        if (!parseDouble(last, number))
            return rest;
        rest.resize(start == std::string::npos ? 0 : start);
    }
}

}  // namespace

FrequencyService classifyFrequencyService(const std::string& rowService, const std::string& text) {
    FrequencyService service;
    service.label = withoutTrailingNumbers(text);
    if (service.label.empty())
        service.label = rowService;
    bool namesTower = false, namesOther = false;
    std::string word;
    const std::string upper = upperCase(service.label) + " ";
    for (size_t i = 0; i < upper.size(); ++i) {
        const char c = upper[i];
        // "A/G" is one word; elsewhere "/" and "-" join services ("APP/DEP").
        const bool joinsAirGround = c == '/' && word == "A" && i + 1 < upper.size() && upper[i + 1] == 'G';
        if (c != ' ' && c != '-' && c != '(' && c != ')' && (c != '/' || joinsAirGround)) {
            word.push_back(c);
            continue;
        }
        namesTower = namesTower || isOneOf(word, TOWER_WORDS, std::size(TOWER_WORDS));
        namesOther = namesOther || isOneOf(word, OTHER_SERVICE_WORDS, std::size(OTHER_SERVICE_WORDS));
        word.clear();
    }
    service.tower = namesTower || (!namesOther && rowService == "TWR");
    return service;
}
