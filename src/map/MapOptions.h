#pragma once
#include <string>

class IniFile;

// The map panel's own keys in its section of the configuration.
struct MapOptions {
    bool drawNose = true;
    double noseLength = 10.0;  // in the pilot's distance unit
    bool chartElements = true;
    bool descriptions = true;
    double textSize = 1.0;
    // Traffic this far above or below (ft) and beyond is not shown; 0 shows all.
    int trafficFilterAlt = 0;

    void read(const IniFile& ini, const std::string& section);
    void write(IniFile& ini, const std::string& section) const;
};
