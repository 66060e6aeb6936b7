#include "parsers/FixDatParser.h"

#include "chart/elements/WaypointElement.h"

ParsedElements parseFixDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink) {
    ParsedElements elements;
    LineSource source(in, fileName, sink);
    forEachXPlaneRecord(source, [&](const LineTokens& tokens) {
        double latitude = 0, longitude = 0;
        if (tokens.size() != 3 || !tokens.getDouble(0, latitude) || !tokens.getDouble(1, longitude)) {
            source.report("expected 'latitude longitude ident'");
            return;
        }
        if (!isValidPosition(latitude, longitude)) {
            source.report("position out of range");
            return;
        }
        auto waypoint = std::make_unique<WaypointElement>();
        waypoint->position = ChartPosition(longitude, latitude);
        waypoint->ident = toUtf8Text(tokens[2]);
        waypoint->pub = true;
        elements.push_back(std::move(waypoint));
    });
    return elements;
}
