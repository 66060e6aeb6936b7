#pragma once
#include <string>

// Which parser a compiler input needs, recognised by its first lines (the
// file names of the nav-data sets vary between distributions). GeoJSON
// (ground geometry) is the one JSON input: its text begins with "{".
enum class NavDataFormat { UNKNOWN, APT_DAT, NAV_DAT, FIX_DAT, AWY_DAT, POI_DAT, OPENAIR, GEOJSON };

// head: the first few kilobytes of the (uncompressed) file.
NavDataFormat detectNavDataFormat(const std::string& head);
const char* getNavDataFormatName(NavDataFormat format);
