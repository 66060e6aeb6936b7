#pragma once
#include <string>
#include <vector>

#include "base/IniFile.h"

// The moving map's own settings, as its panel section holds them. Every
// setting is listed once, in forEachSetting: the key, the label the option
// page shows and the member holding the value; the member's initial value
// is the default.
struct MapSettings {
    // The raster background under the chart, in the order of its choices.
    enum BackgroundMap { NO_BACKGROUND = 0, VFR_BACKGROUND, LOW_IFR_BACKGROUND, HIGH_IFR_BACKGROUND, AUTO_BACKGROUND };

    BackgroundMap backgroundMap = NO_BACKGROUND;
    bool drawNose = true;
    int noseLength = 10;  // the pilot's distance units
    bool terrainEnable = true;
    bool lowObstacles = false;
    bool privateAirports = false;
    bool heliports = false;
    bool succeedingProcedures = true;
    bool lowIFR = true;
    bool highIFR = false;
    bool airspaces = true;
    bool marks = false;
    bool chartElements = true;
    bool descriptions = true;
    int airspacesBelow = 9999;  // ft
    bool closed = false;
    bool glider = false;
    bool irrelevant = false;
    bool airways = false;
    bool taxiways = true;
    bool highways = true;
    bool railways = true;
    bool water = true;
    bool coastlines = false;
    bool countryborders = true;
    bool pois = true;
    bool cities = true;
    bool peaks = true;
    int trafficFilterAlt = 0;  // ft, 0 shows all traffic
    double textSize = 1.0;     // 1 is 100 %

    // Keys the section lacks, and values that do not read, keep their defaults.
    static MapSettings fromIni(const IniSection& section);
    // Writes every setting under its key.
    void writeToIni(IniSection& section) const;

    template <class Settings, class Visitor>
    static void forEachSetting(Settings& s, Visitor&& v);
};

// One line of the map's option page.
struct MapSettingEntry {
    enum Type { BOOLEAN, INT, DOUBLE, ONE_OF };
    std::string key;
    std::string label;
    std::string defaultValue;  // as written to the section
    Type type = BOOLEAN;
    std::vector<std::string> choices;  // ONE_OF only, in the order of their numbers
};

// Every setting in the order the option page lists them.
const std::vector<MapSettingEntry>& getMapSettingEntries();
// The same as a settings-editor line ("key,label,default,TYPE;" per entry,
// the choices of ONE_OF in place of the default, separated by "\;").
std::string getMapSettingsDescriptor();

template <class Settings, class Visitor>
void MapSettings::forEachSetting(Settings& s, Visitor&& v) {
    v("bgType", "Background Map: ", s.backgroundMap);
    v("drawNose", "Draw distance indicating nose", s.drawNose);
    v("noseLength", "Nose length: ", s.noseLength);
    v("terrainEnable", "Terrain & Obstacles", s.terrainEnable);
    v("lowObstacles", "Low Obstacles", s.lowObstacles);
    v("privateAirports", "Private Airports", s.privateAirports);
    v("heliports", "Heliports", s.heliports);
    v("succeedingProcedures", "Succeeding Procedures", s.succeedingProcedures);
    v("lowIFR", "Low IFR Fixes/Airways", s.lowIFR);
    v("highIFR", "High IFR Fixes/Airways", s.highIFR);
    v("airspaces", "Airspaces", s.airspaces);
    v("marks", "Marks (Flags)", s.marks);
    v("chartElements", "Chart Elements", s.chartElements);
    v("descriptions", "Descriptions", s.descriptions);
    v("airspacesBelow", "Render only airspaces below [ft]: ", s.airspacesBelow);
    v("closed", "Render closed airports", s.closed);
    v("glider", "Render UL/Gliderports", s.glider);
    v("irrelevant", "Render irrelevant (blacklisted) airspaces", s.irrelevant);
    v("airways", "Render Airways", s.airways);
    v("taxiways", "Render Taxiways etc", s.taxiways);
    v("highways", "Render Highways", s.highways);
    v("railways", "Render Railways", s.railways);
    v("water", "Render Water", s.water);
    v("coastlines", "Render Coastlines", s.coastlines);
    v("countryborders", "Render Country Borders", s.countryborders);
    v("pois", "Render Points of Interest", s.pois);
    v("cities", "Render Cities/Villages/...", s.cities);
    v("peaks", "Render Peaks", s.peaks);
    v("trafficFilterAlt", "Max. traffic altitude diff. [ft]:", s.trafficFilterAlt);
    v("textSize", "Text Size 1=100%: ", s.textSize);
}
