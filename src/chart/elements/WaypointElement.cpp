#include "chart/elements/WaypointElement.h"

#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"

bool WaypointElement::equals(const IChartElement* other) const {
    if (!other || other->getType() != WAYPOINT)
        return false;
    return equalsAirwayPoint(static_cast<const WaypointElement*>(other));
}

void WaypointElement::merge(const IChartElement* other) {
    if (!equals(other))
        return;
    const auto* o = static_cast<const WaypointElement*>(other);
    mergeUsage(o);
    pub = pub || o->pub;
    rp = rp || o->rp;
    if (remarks.empty())
        remarks = o->remarks;
}

void WaypointElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    readPositionFromIni(s);
    ident = getFromIniSection(s, "Ident", ident);
    remarks = getFromIniSection(s, "Rem", remarks);
    readUsageFromIni(s);
    pub = getFromIniSection(s, "pub", pub);
    rp = getFromIniSection(s, "rp", rp);
}

void WaypointElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "WAYPOINT";
    writePositionToIni(s);
    s["Ident"] = ident;
    s["Rem"] = remarks;
    writeUsageToIni(s);
    setToIniSection(s, "pub", pub);
    setToIniSection(s, "rp", rp);
    storeElementIniSection(ini, s);
}

void WaypointElement::setDefaults() {
    position = ChartPosition();
    ident = "WPT";
    remarks.clear();
    highAltUsage = lowAltUsage = usedByAirways = rp = false;
    pub = true;
}

std::wstring WaypointElement::createDescriptionString() const { return L"Waypoint " + widen(ident); }

std::wstring WaypointElement::getIndicatedLabel(bool, const units::UnitConverter*) const { return widen(ident); }

std::wstring WaypointElement::createAML(const units::UnitConverter*, const std::string& style) const {
    std::wstring usage;
    if (highAltUsage)
        usage += L"high altitude ";
    if (lowAltUsage)
        usage += L"low altitude ";
    if (usedByAirways)
        usage += L"airways";
    return AmlPage(style, widen(ident))
        .row(L"Kind", rp ? L"Reporting point" : L"Waypoint")
        .optionalRow(L"Usage", usage)
        .optionalRow(L"Remarks", widen(remarks))
        .str();
}

void WaypointElement::writeStaticData(char* staticData) const {
    staticData[0] = WAYPOINT;
    staticData[1] = static_cast<char>(getUsageBits() | (pub ? 8 : 0) | (rp ? 16 : 0));
    staticData[2] = 0;
}

std::vector<std::string> WaypointElement::getInsertionNames() const { return makeInsertionNames({ident}); }
