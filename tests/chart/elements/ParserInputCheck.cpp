#include "ParserInputCheck.h"

#include "ElementRecordCheck.h"
#include "parsers/AptDatParser.h"
#include "parsers/AwyDatParser.h"
#include "parsers/FixDatParser.h"
#include "parsers/NavDataFormat.h"
#include "parsers/NavDatParser.h"
#include "parsers/OpenAirParser.h"
#include "parsers/PoiDatParser.h"

#include <sstream>

std::string checkParserInput(const uint8_t* data, size_t size) {
    if (size == 0) return std::string();
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::istringstream in(text);
    const ParseErrorSink sink = [](const ParseError&) {};
    ParsedElements elements;
    std::vector<LocalizerApproach> localizers;
    switch (data[0] % 7) {
    case 0: elements = parseAptDat(in, "apt.dat", sink); break;
    case 1:
        elements = parseNavDat(in, "nav.dat", sink, &localizers);
        attachLocalizers(elements, localizers, "nav.dat", sink);
        break;
    case 2: elements = parseFixDat(in, "fix.dat", sink); break;
    case 3: {
        ParsedElements airways = parseAwyDat(in, "awy.dat", sink);
        std::istringstream again(text);
        elements = parseFixDat(again, "fix.dat", sink);
        markAirwayUsage(elements, airways);
        break;
    }
    case 4: elements = parsePoiDat(in, "poi.dat", sink); break;
    case 5: elements = parseOpenAir(in, "openair.txt", sink); break;
    default: detectNavDataFormat(text); break;
    }
    for (const auto& element : elements) {
        std::ostringstream out;
        element->write(out);
        const std::string record = out.str();
        const std::string problem =
            checkElementRecord(reinterpret_cast<const uint8_t*>(record.data()), record.size());
        if (!problem.empty()) return problem;
    }
    return std::string();
}
