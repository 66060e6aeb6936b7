#include "parsers/NavDatParser.h"

#include "chart/elements/AirportElement.h"
#include "chart/elements/NDBElement.h"
#include "chart/elements/VORElement.h"

#include <map>

namespace {

enum RowCode { NDB_ROW = 2, VOR_ROW = 3, ILS_LOC_ROW = 4, LOC_ROW = 5, DME_PAIRED_ROW = 12, DME_ROW = 13 };

// Nav-data ranges of 130 NM and more belong to the high-altitude service volume.
constexpr long HIGH_ALTITUDE_RANGE_NM = 130;

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Removes the kind word the files append to every name.
std::string stripKind(const std::string& name, std::initializer_list<const char*> kinds) {
    for (const char* kind : kinds) {
        const std::string suffix = std::string(" ") + kind;
        if (endsWith(name, suffix))
            return name.substr(0, name.size() - suffix.size());
    }
    return name;
}

struct NavRecord {
    long code = 0;
    double latitude = 0, longitude = 0;
    long elevation = 0, frequency = 0, range = 0;
    double variationOrBearing = 0;
    // From the 1100 format on, the ident is followed by the airport the
    // navaid serves ("ENRT" for en-route ones) and the ICAO region; the
    // name (or a localizer's airport and runway) moves right accordingly.
    size_t nameIndex = 8;
    size_t airportIndex = 8;  // localizers
    size_t runwayIndex = 9;
};

constexpr long FIRST_REGION_COLUMN_VERSION = 1100;

bool readCommonFields(const LineTokens& tokens, NavRecord& record) {
    return tokens.getInt(0, record.code) && tokens.getDouble(1, record.latitude) &&
           tokens.getDouble(2, record.longitude) && tokens.getInt(3, record.elevation) &&
           tokens.getInt(4, record.frequency) && tokens.getInt(5, record.range) &&
           tokens.getDouble(6, record.variationOrBearing);
}

std::unique_ptr<IChartElement> makeNDB(const NavRecord& record, const LineTokens& tokens) {
    auto ndb = std::make_unique<NDBElement>();
    ndb->position = ChartPosition(record.longitude, record.latitude);
    ndb->frequency = static_cast<int32_t>(record.frequency);
    ndb->ident = toUtf8Text(tokens[7]);
    ndb->name = toUtf8Text(stripKind(tokens.rest(record.nameIndex), {"NDB-DME", "NDB", "LOM", "LMM"}));
    ndb->lowAltUsage = true;
    ndb->highAltUsage = record.range >= HIGH_ALTITUDE_RANGE_NM;
    return ndb;
}

std::unique_ptr<IChartElement> makeVOR(const NavRecord& record, const LineTokens& tokens, uint32_t type) {
    auto vor = std::make_unique<VORElement>();
    vor->position = ChartPosition(record.longitude, record.latitude);
    uint32_t mhz = 0, khz = 0;
    splitFrequency10kHz(record.frequency, mhz, khz);
    vor->frequencyMHz = static_cast<int32_t>(mhz);
    vor->frequencyKHz = static_cast<int32_t>(khz);
    vor->ident = toUtf8Text(tokens[7]);
    vor->name = toUtf8Text(stripKind(tokens.rest(record.nameIndex), {"VORTAC", "VOR-DME", "VOR/DME", "VOR", "TACAN", "DME"}));
    vor->vorType = type;
    if (type == VORElement::VORTAC || type == VORElement::TACAN)
        vor->tacanChannel = tacanChannelForFrequency(record.frequency);
    vor->lowAltUsage = true;
    vor->highAltUsage = record.range >= HIGH_ALTITUDE_RANGE_NM;
    if (type != VORElement::TACAN)
        vor->magneticVariation = static_cast<float>(record.variationOrBearing);
    return vor;
}

uint32_t vorTypeFromName(const std::string& name) {
    if (endsWith(name, "VORTAC"))
        return VORElement::VORTAC;
    if (endsWith(name, "VOR-DME") || endsWith(name, "VOR/DME"))
        return VORElement::VORDME;
    return VORElement::VOR_ONLY;
}

}  // namespace

std::string tacanChannelForFrequency(long frequency10kHz) {
    // Channels 17-59 pair with 108.00-112.25 MHz, 70-126 with 112.30-117.95;
    // X channels sit on the tenths, Y channels 50 kHz above.
    const long base = frequency10kHz < 11230 ? 10800 : 11230;
    const long first = frequency10kHz < 11230 ? 17 : 70;
    if (frequency10kHz < 10800 || frequency10kHz > 11795)
        return std::string();
    const long channel = (frequency10kHz - base) / 10 + first;
    return std::to_string(channel) + ((frequency10kHz % 10) >= 5 ? "Y" : "X");
}

ParsedElements parseNavDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink,
                           std::vector<LocalizerApproach>* localizers) {
    ParsedElements elements;
    LineSource source(in, fileName, sink);
    forEachXPlaneRow(source, [&](long code, const LineTokens& tokens) {
        // Glide slopes (6), marker beacons (7-9) and the newer approach and
        // threshold rows (14-16) are no chart elements; some of them even
        // come without a frequency.
        if (code != NDB_ROW && code != VOR_ROW && code != ILS_LOC_ROW && code != LOC_ROW && code != DME_PAIRED_ROW &&
            code != DME_ROW) {
            if (code < 6 || code > 16)
                source.report("unknown row code " + std::to_string(code));
            return;
        }
        NavRecord record;
        if (source.getFormatVersion() >= FIRST_REGION_COLUMN_VERSION) {
            record.nameIndex = 10;
            record.runwayIndex = 10;
        }
        if (tokens.size() < record.nameIndex + 1 || !readCommonFields(tokens, record)) {
            source.report(record.nameIndex == 8
                              ? "expected 'code lat lon elevation frequency range variation ident name'"
                              : "expected 'code lat lon elevation frequency range variation ident airport region "
                                "name'");
            return;
        }
        if (!isValidPosition(record.latitude, record.longitude)) {
            source.report("position out of range");
            return;
        }
        const std::string name = tokens.rest(record.nameIndex);
        switch (record.code) {
        case NDB_ROW:
            elements.push_back(makeNDB(record, tokens));
            break;
        case VOR_ROW:
            elements.push_back(makeVOR(record, tokens, vorTypeFromName(name)));
            break;
        case DME_PAIRED_ROW:
        case DME_ROW:
            // DMEs of VOR-DMEs and VORTACs are part of their VOR record.
            if (endsWith(name, " TACAN") && !endsWith(name, "VORTAC DME"))
                elements.push_back(makeVOR(record, tokens, VORElement::TACAN));
            break;
        case ILS_LOC_ROW:
        case LOC_ROW:
            if (localizers) {
                if (tokens.size() < record.runwayIndex + 2) {
                    source.report("localizer without airport and runway");
                    break;
                }
                LocalizerApproach approach;
                approach.airportIdent = tokens[record.airportIndex];
                approach.runwayEnd = tokens[record.runwayIndex];
                const std::string kind = tokens.rest(record.runwayIndex + 1);
                approach.name = kind.compare(0, 3, "ILS") == 0 ? "ILS" : kind;
                splitFrequency10kHz(record.frequency, approach.frequencyMHz, approach.frequencyKHz);
                approach.line = source.lineNumber();
                localizers->push_back(approach);
            }
            break;
        }
    });
    return elements;
}

void attachLocalizers(ParsedElements& airports, const std::vector<LocalizerApproach>& localizers,
                      const std::string& fileName, const ParseErrorSink& sink) {
    std::map<std::string, AirportElement*> byIdent;
    for (auto& element : airports)
        if (element->getType() == IChartElement::AIRPORT) {
            auto* airport = static_cast<AirportElement*>(element.get());
            byIdent.emplace(airport->ident, airport);
        }
    for (const LocalizerApproach& localizer : localizers) {
        auto found = byIdent.find(localizer.airportIdent);
        bool attached = false;
        if (found != byIdent.end()) {
            for (Runway& runway : found->second->runways) {
                for (int end = 0; end < 2 && !attached; ++end) {
                    if (runway.endName[end] == localizer.runwayEnd) {
                        runway.approaches[end].push_back(
                            {localizer.name, localizer.frequencyMHz, localizer.frequencyKHz});
                        attached = true;
                    }
                }
            }
        }
        if (!attached && sink)
            sink(ParseError{fileName, localizer.line,
                            "no runway " + localizer.runwayEnd + " at airport " + localizer.airportIdent});
    }
}
