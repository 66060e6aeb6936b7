#include "sensors/BatteryMonitor.h"

#include <cmath>
#include <fstream>

#include "base/StringConversions.h"

namespace {
bool readFirstLine(const std::string& path, std::string& line) {
    std::ifstream in(path);
    if (!in || !std::getline(in, line)) return false;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return true;
}
}  // namespace

BatteryMonitor::BatteryMonitor(std::string rootDirectory) : root(std::move(rootDirectory)) {}

std::wstring BatteryMonitor::poll() {
    static const char* const devices[] = {"BAT0", "BAT1", "CMB1", "CMB0"};
    std::string capacityText, newStatus;
    bool found = false;
    for (const char* device : devices) {
        const std::string dir = root + "/" + device + "/";
        if (readFirstLine(dir + "capacity", capacityText)) {
            readFirstLine(dir + "status", newStatus);
            found = true;
            break;
        }
    }
    available = found;
    if (!found) return L"";

    const std::string oldStatus = status;
    status = newStatus;
    level = convertStringTo<double>(capacityText) / 100.0;

    if (status == "Discharging" && oldStatus != "Discharging" && !oldStatus.empty())
        return L"\nExternal power lost.\n";
    if (level <= kLowLevel && (lastWarnedLevel < 0 || std::fabs(level - lastWarnedLevel) > kRepeatStep)) {
        lastWarnedLevel = level;
        return L"\nLow Battery: " + std::to_wstring(std::lround(level * 100.0)) + L"%\n";
    }
    return L"";
}
