#include "fusion/sources/IioImu.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {
const char* const kPrefixes[] = {"in_accel", "in_anglvel", "in_magn"};
const char kAxes[] = {'x', 'y', 'z'};
constexpr double kMicroteslaPerGauss = 100.0;

bool readNumber(const std::string& path, double& value) {
    std::ifstream in(path);
    std::string text;
    if (!(in >> text)) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end != text.c_str();
}

// The per-axis file when there is one, else the one the type shares.
double readParameter(const std::string& dir, const std::string& prefix, char axis, const char* what, double fallback) {
    double v = fallback;
    if (readNumber(dir + prefix + "_" + axis + "_" + what, v)) return v;
    if (readNumber(dir + prefix + "_" + what, v)) return v;
    return fallback;
}
}  // namespace

IioImu::IioImu(std::string rootPath) : root(std::move(rootPath)) {
    if (!root.empty() && root.back() != '/') root += '/';
}

bool IioImu::open() {
    DIR* dir = opendir(root.c_str());
    if (!dir) return false;
    std::vector<std::string> devices;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.rfind("iio:device", 0) == 0) devices.push_back(root + name + "/");
    }
    closedir(dir);
    bool any = false;
    for (const std::string& device : devices) {
        for (int k = 0; k < 3; ++k) {
            double probe = 0;
            const std::string first = device + kPrefixes[k] + "_x_raw";
            if (has(Kind(k))) continue;
            if (!readNumber(first, probe)) {
                denied[k] = denied[k] || access(first.c_str(), F_OK) == 0;
                continue;
            }
            Channel& c = channels[k];
            c.directory = device;
            for (int a = 0; a < 3; ++a) {
                c.scale[a] = readParameter(device, kPrefixes[k], kAxes[a], "scale", 1.0);
                c.offset[a] = readParameter(device, kPrefixes[k], kAxes[a], "offset", 0.0);
            }
            any = true;
        }
    }
    return any;
}

bool IioImu::read(Kind kind, Vector3d& out) const {
    const Channel& c = channels[kind];
    if (c.directory.empty()) return false;
    double v[3];
    for (int a = 0; a < 3; ++a) {
        double raw = 0;
        if (!readNumber(c.directory + kPrefixes[kind] + "_" + kAxes[a] + "_raw", raw)) return false;
        v[a] = (raw + c.offset[a]) * c.scale[a];
    }
    // Screen facing the pilot: the device's z points backwards. The device
    // frame is right-handed and ours (x right, y up, z forward) is not, so
    // the mirror that maps vectors also turns the sense of rotations.
    const Vector3d mirrored(v[0], v[1], -v[2]);
    out = kind == ANGLVEL ? -mirrored : kind == MAGN ? mirrored * kMicroteslaPerGauss : mirrored;
    return true;
}
