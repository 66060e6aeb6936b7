#include "fusion/InstallationCalibration.h"

#include "base/IniFile.h"
#include "base/StringConversions.h"
#include "fusion/estimation/RotationMath.h"

namespace {
void read(const IniFile& ini, const char* key, double& value) {
    if (ini.isAvailable("", key)) value = convertStringTo<double>(ini.get("", key));
}
}  // namespace

Matrix3x3 InstallationCalibration::sensorToAircraft() const { return rotation::fromEulerDegrees(roll, pitch, 0); }

bool InstallationCalibration::load(const std::string& path) {
    IniFile ini;
    if (!ini.readFile(path)) return false;
    read(ini, "GyroBias.X", gyroBias.x);
    read(ini, "GyroBias.Y", gyroBias.y);
    read(ini, "GyroBias.Z", gyroBias.z);
    read(ini, "AccLenBias", accLenBias);
    read(ini, "Roll", roll);
    read(ini, "Pitch", pitch);
    return true;
}

bool InstallationCalibration::save(const std::string& path) const {
    IniFile ini;
    auto set = [&](const char* key, double value) { ini.set("", key, std::to_string(value)); };
    set("GyroBias.X", gyroBias.x);
    set("GyroBias.Y", gyroBias.y);
    set("GyroBias.Z", gyroBias.z);
    set("AccLenBias", accLenBias);
    set("Roll", roll);
    set("Pitch", pitch);
    return ini.save(path);
}
