#include "chart/elements/AirportElement.h"

#include "chart/elements/ChartElementDuplicates.h"
#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"

#include <algorithm>
#include <cstring>

namespace {

bool isNameSeparator(char c) {
    return c == '\t' || c == ' ' || (c != 0 && std::strchr("#&'()*+,-./:;<=>[\\]_{|}~", c) != nullptr);
}

void appendUnique(std::vector<std::string>& names, const std::string& name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

}  // namespace

std::vector<std::string> AirportElement::recalculateInsertionNames() const {
    std::vector<std::string> names;
    appendUnique(names, ident);
    appendUnique(names, name);
    size_t wordStart = 0;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || isNameSeparator(name[i])) {
            if (i - wordStart > 1)
                appendUnique(names, name.substr(wordStart, i - wordStart));
            wordStart = i + 1;
        }
    }
    return names;
}

bool AirportElement::equals(const IChartElement* other) const {
    if (!other || other->getType() != AIRPORT)
        return false;
    const auto* o = static_cast<const AirportElement*>(other);
    return o->ident == ident && areDuplicatePositions(position, o->position);
}

void AirportElement::merge(const IChartElement* other) {
    if (!equals(other))
        return;
    const auto* o = static_cast<const AirportElement*>(other);
    if (runways.empty())
        runways = o->runways;
    for (const AirportFrequency& frequency : o->frequencies) {
        const bool known = std::any_of(frequencies.begin(), frequencies.end(),
                                       [&](const AirportFrequency& f) { return f.service == frequency.service; });
        if (!known)
            frequencies.push_back(frequency);
    }
    if (name.empty())
        name = o->name;
    if (fuel.empty())
        fuel = o->fuel;
    if (remarks.empty())
        remarks = o->remarks;
    towered = towered || o->towered;
}

void AirportElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    readPositionFromIni(s);
    remarks = getFromIniSection(s, "Rem", remarks);
    const int runwayCount = std::max(0, iniGetInt(s, "RunCnt", static_cast<int>(runways.size())));
    runways.resize(runwayCount);
    for (int i = 0; i < runwayCount; ++i)
        runways[i].setFromIni(s, "Run[" + std::to_string(i) + "].");
    elevation = iniGetInt(s, "Ele", elevation);
    ident = getFromIniSection(s, "Ident", ident);
    name = getFromIniSection(s, "Name", name);
    fuel = getFromIniSection(s, "Fuel", fuel);
    const int frequencyCount = std::max(0, iniGetInt(s, "FreqCnt", static_cast<int>(frequencies.size())));
    frequencies.resize(frequencyCount);
    for (int i = 0; i < frequencyCount; ++i) {
        const std::string key = "Freq[" + std::to_string(i) + "]";
        frequencies[i].service = getFromIniSection(s, key + ".Name", frequencies[i].service);
        const int valueCount = std::max(0, iniGetInt(s, key + ".Count", 0));
        frequencies[i].values.resize(valueCount);
        for (int j = 0; j < valueCount; ++j) {
            const std::string index = "[" + std::to_string(j) + "]";
            frequencies[i].values[j].first = static_cast<uint32_t>(iniGetInt(s, key + ".MHZ" + index, 0));
            frequencies[i].values[j].second = static_cast<uint32_t>(iniGetInt(s, key + ".KHZ" + index, 0));
        }
    }
    closed = getFromIniSection(s, "Clsd", closed);
    heliport = getFromIniSection(s, "Heli", heliport);
    privateUse = getFromIniSection(s, "Prv", privateUse);
    glider = getFromIniSection(s, "Gldr", glider);
    towered = getFromIniSection(s, "Towered", towered);
    military = getFromIniSection(s, "Military", military);
    trafficPatternAltitude = iniGetInt(s, "TPAlt", trafficPatternAltitude);
    accuracy = static_cast<uint8_t>(iniGetInt(s, "Accuracy", accuracy));
}

void AirportElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "AIRPORT";
    writePositionToIni(s);
    s["Rem"] = remarks;
    iniSetInt(s, "RunCnt", static_cast<long long>(runways.size()));
    for (size_t i = 0; i < runways.size(); ++i)
        runways[i].writeToIni(s, "Run[" + std::to_string(i) + "].");
    iniSetInt(s, "Ele", elevation);
    s["Ident"] = ident;
    s["Name"] = name;
    s["Fuel"] = fuel;
    iniSetInt(s, "FreqCnt", static_cast<long long>(frequencies.size()));
    for (size_t i = 0; i < frequencies.size(); ++i) {
        const std::string key = "Freq[" + std::to_string(i) + "]";
        s[key + ".Name"] = frequencies[i].service;
        iniSetInt(s, key + ".Count", static_cast<long long>(frequencies[i].values.size()));
        for (size_t j = 0; j < frequencies[i].values.size(); ++j) {
            const std::string index = "[" + std::to_string(j) + "]";
            iniSetInt(s, key + ".MHZ" + index, frequencies[i].values[j].first);
            iniSetInt(s, key + ".KHZ" + index, frequencies[i].values[j].second);
        }
    }
    setToIniSection(s, "Clsd", closed);
    setToIniSection(s, "Heli", heliport);
    setToIniSection(s, "Prv", privateUse);
    setToIniSection(s, "Gldr", glider);
    setToIniSection(s, "Towered", towered);
    setToIniSection(s, "Military", military);
    iniSetInt(s, "TPAlt", trafficPatternAltitude);
    iniSetInt(s, "Accuracy", accuracy);
    storeElementIniSection(ini, s);
}

void AirportElement::setDefaults() {
    position = ChartPosition();
    remarks.clear();
    runways.clear();
    elevation = 0;
    ident.clear();
    name.clear();
    fuel.clear();
    frequencies.clear();
    closed = heliport = privateUse = glider = towered = military = false;
    trafficPatternAltitude = 1000;
    accuracy = UNKNOWN_ACCURACY;
}

void AirportElement::addFrequency(const std::string& service, uint32_t megahertz, uint32_t kilohertz) {
    for (AirportFrequency& frequency : frequencies) {
        if (frequency.service == service) {
            frequency.values.emplace_back(megahertz, kilohertz);
            return;
        }
    }
    frequencies.push_back({service, {{megahertz, kilohertz}}});
}

void AirportElement::checkRunways() {
    for (Runway& runway : runways)
        runway.checkPlausibility();
}

std::wstring AirportElement::createDescriptionString() const {
    return widen(ident) + (name.empty() ? L"" : L" " + widen(name));
}

std::wstring AirportElement::getIndicatedLabel(bool full, const units::UnitConverter*) const {
    if (!full)
        return widen(ident);
    return widen(ident) + L" " + widen(name);
}

std::vector<std::wstring> AirportElement::getComFrequencies() const {
    std::vector<std::wstring> result;
    for (const AirportFrequency& frequency : frequencies)
        for (const auto& value : frequency.values)
            result.push_back(widen(frequency.service) + L" " + formatFrequency(value.first, value.second));
    return result;
}

std::vector<std::wstring> AirportElement::getNavFrequencies() const {
    std::vector<std::wstring> result;
    for (const Runway& runway : runways)
        for (int end = 0; end < 2; ++end)
            for (const Approach& approach : runway.approaches[end])
                result.push_back(widen(approach.name) + L" " + widen(runway.endName[end]) + L" " +
                                 formatFrequency(approach.frequencyMHz, approach.frequencyKHz));
    return result;
}

std::wstring AirportElement::createAML(const units::UnitConverter* converter, const std::string& style) const {
    AmlPage page(style, createDescriptionString());
    page.row(L"Elevation", formatFeet(elevation, converter));
    if (closed)
        page.row(L"Status", L"closed");
    for (const Runway& runway : runways) {
        std::wstring text = formatFeetNumber(runway.length, converter) + L" x " +
                            formatFeet(runway.width, converter) + L", " + widen(Runway::getSurfaceName(runway.surface));
        if (runway.inaccurate)
            text += L" (position data inaccurate)";
        page.row(L"Runway " + widen(runway.endName[0]) + L"/" + widen(runway.endName[1]), text);
    }
    for (const std::wstring& frequency : getComFrequencies())
        page.row(L"Frequency", frequency);
    for (const std::wstring& frequency : getNavFrequencies())
        page.row(L"Approach", frequency);
    page.optionalRow(L"Fuel", widen(fuel));
    page.optionalRow(L"Remarks", widen(remarks));
    return page.str();
}

void AirportElement::writeStaticData(char* staticData) const {
    staticData[0] = AIRPORT;
    staticData[1] = static_cast<char>((closed ? 1 : 0) | (heliport ? 2 : 0) | (privateUse ? 4 : 0) | (glider ? 8 : 0) |
                                      (towered ? 16 : 0) | (military ? 32 : 0) | (runways.empty() ? 64 : 0));
    staticData[2] = 0;
}
