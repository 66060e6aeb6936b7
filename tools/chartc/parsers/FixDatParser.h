#pragma once
#include "parsers/ParseSupport.h"

// fix.dat (600 format): one fix per line, "latitude longitude ident".
ParsedElements parseFixDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink);
