#include "parsers/PoiDatParser.h"

#include "chart/elements/POIElement.h"

namespace {

int poiTypeForId(long id) {
    switch (id) {
    case 10: return POIElement::COUNTRY;
    case 12: return POIElement::CITY;
    case 13: return POIElement::TOWN;
    case 14: return POIElement::VILLAGE;
    default: return -1;
    }
}

}  // namespace

ParsedElements parsePoiDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink) {
    ParsedElements elements;
    LineSource source(in, fileName, sink);
    std::string line;
    while (source.next(line)) {
        const LineTokens tokens(line);
        if (tokens.size() == 0 || tokens[0][0] == '#')
            continue;
        long id = 0;
        double latitude = 0, longitude = 0;
        if (tokens.size() < 4 || !tokens.getInt(0, id) || !tokens.getDouble(1, latitude) ||
            !tokens.getDouble(2, longitude)) {
            source.report("expected 'ID latitude longitude name'");
            continue;
        }
        const int type = poiTypeForId(id);
        if (type < 0) {
            source.report("unknown place ID " + std::to_string(id));
            continue;
        }
        if (!isValidPosition(latitude, longitude)) {
            source.report("position out of range");
            continue;
        }
        auto poi = std::make_unique<POIElement>();
        poi->poiType = static_cast<uint8_t>(type);
        poi->position = ChartPosition(longitude, latitude);
        poi->name = toUtf8Text(tokens.rest(3));
        elements.push_back(std::move(poi));
    }
    return elements;
}
