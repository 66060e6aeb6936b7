#include "app/config/StandardConfig.h"

#include "app/config/StandardLayout.h"
#include "base/Version.h"
#include "base/IniFile.h"
#include "base/StringConversions.h"

namespace {

// Global settings. Values are stored escaped as the file format requires
// ("Heebo Medium" is written "Heebo\ Medium"). The key spellings are part of
// the format that existing installations carry, "trafficWarningAlitude" and
// "Celcius" included.
const char kGlobalSettings[] = R"INI(ALTITUDE = ft
D0 = 0
D1 = 0
D10 = 0
D11 = 0
D12 = 0
D13 = 0
D14 = 0
D15 = 0
D16 = 0
D17 = 0
D18 = 0
D19 = 0
D2 = 0
D20 = 0
D21 = 0
D22 = 0
D3 = 0
D4 = 0
D5 = 0
D6 = 0
D7 = 0
D8 = 0
D9 = 0
DISTANCE = NM
ForwarderCount = 0
PRESSURE = Hg
PanelCount = 311
SPEED = knots
SensorCount = 1
TEMPERATURE = Celcius
VERTICAL_SPEED = ft/min
blacklist = AMA,\ PROTECT,\ FIR,\ O,\ DO,\ OTHER,\ UIR,\ E,\ CTA,\ AOR,\ AOR-S,\ MVA,\ MVA-S,\ MRVA,\ ZONE
deriveVerticalSpeedFromPressure = 1
drawFPS = 0
enableTrafficWarnings = 1
font = Heebo\ Medium
fontOffset = 0
inputColor.A = 255
inputColor.B = 200
inputColor.G = 200
inputColor.R = 200
major = 3
messagesDisabled = 0
minor = 3
optimized = 
orientation = landscape
preLandingReminder = 
screenMode = Auto
showPopups = 0
skinMode = Modern\ Dark
terrainDetailLevel = HIGH
trackMode = True\ North
trafficWarningAlitude = 10000
units = ft|nm|knots
useColoredButtons = 0

)INI";

}  // namespace

const std::string& getStandardConfigText() {
    // The global settings, then the panel sections (see StandardLayout).
    static const std::string text = [] {
        IniFile ini;
        ini.setFromString(kGlobalSettings);
        addStandardPanelLayout(ini);
        return ini.toString();
    }();
    return text;
}

bool writeStandardConfigFile(const std::string& appHome, unsigned major, unsigned minor) {
    IniFile ini;
    ini.setFromString(getStandardConfigText());
    ini.set("", "major", convertToString(major));
    ini.set("", "minor", convertToString(minor));
    return ini.save(appHome + "data/config.ini");
}

bool writeStandardConfigFile(const std::string& appHome) {
    return writeStandardConfigFile(appHome, kCirronaVersionMajor, kCirronaVersionMinor);
}
