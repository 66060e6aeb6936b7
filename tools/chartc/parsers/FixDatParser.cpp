#include "parsers/FixDatParser.h"

#include "chart/elements/WaypointElement.h"

ParsedElements parseFixDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink) {
    ParsedElements elements;
    LineSource source(in, fileName, sink);
    forEachXPlaneRecord(source, [&](const LineTokens& tokens) {
        double latitude = 0, longitude = 0;
        // 1100 and later: "latitude longitude ident airport region type",
        // and from 1200 a name that may hold blanks.
        const bool regional = source.getFormatVersion() >= 1100;
        if ((regional ? tokens.size() < 5 : tokens.size() != 3) || !tokens.getDouble(0, latitude) ||
            !tokens.getDouble(1, longitude)) {
            source.report(regional ? "expected 'latitude longitude ident airport region [type [name]]'"
                                   : "expected 'latitude longitude ident'");
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
