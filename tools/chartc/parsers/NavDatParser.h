#pragma once
#include "parsers/ParseSupport.h"

// An ILS localizer (or LOC, LDA, SDF) from nav.dat, to be attached to its
// airport's runway end as an approach.
struct LocalizerApproach {
    std::string airportIdent;
    std::string runwayEnd;
    std::string name;  // "ILS", "LOC", "LDA", "SDF" ...
    uint32_t frequencyMHz = 0;
    uint32_t frequencyKHz = 0;
    unsigned line = 0;  // where it came from, for messages
};

// nav.dat (810 format, and 1100-1200 with their airport and region
// columns after the ident): NDBs (row code 2), VORs, VOR-DMEs and VORTACs (3),
// TACANs (DME rows 12/13 named "TACAN"). Localizers (4, 5) go to localizers
// when it is given; glide slopes, markers and plain DMEs are not chart
// elements and are skipped.
ParsedElements parseNavDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink,
                           std::vector<LocalizerApproach>* localizers = nullptr);

// Adds each localizer as an approach to the runway end of its airport;
// localizers whose airport or runway is unknown are reported to sink.
void attachLocalizers(ParsedElements& airports, const std::vector<LocalizerApproach>& localizers,
                      const std::string& fileName, const ParseErrorSink& sink);

// The TACAN channel ("85X") paired with a VHF frequency in 10 kHz units.
std::string tacanChannelForFrequency(long frequency10kHz);
