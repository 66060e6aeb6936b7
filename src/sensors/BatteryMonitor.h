#pragma once
#include <string>

// Watches the device's battery through the power-supply class of the
// kernel (<root>/BAT0, BAT1, CMB1, CMB0, each with `capacity` and `status`)
// and decides which messages the pilot should see.
class BatteryMonitor {
public:
    // Charge fraction at or below which the pilot is warned.
    static constexpr double kLowLevel = 0.15;
    // Change of the charge that repeats the low-battery warning.
    static constexpr double kRepeatStep = 0.005;

    explicit BatteryMonitor(std::string root = "/sys/class/power_supply");
    void setRoot(const std::string& directory) { root = directory; }

    // Reads the first device that has a capacity. Returns the message to
    // show now ("\nExternal power lost.\n", "\nLow Battery: 12%\n"), or an
    // empty text.
    std::wstring poll();

    bool isAvailable() const { return available; }
    // Fraction 0..1; -1 while unknown.
    double getLevel() const { return level; }
    bool isDischarging() const { return status == "Discharging"; }
    const std::string& getStatus() const { return status; }

private:
    std::string root;
    bool available = false;
    double level = -1.0;
    std::string status;
    double lastWarnedLevel = -1.0;
};
