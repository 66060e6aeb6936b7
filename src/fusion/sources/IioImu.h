#pragma once
#include <string>
#include <vector>

#include "geo/GeoVectors.h"

// The device's own accelerometer, gyroscope and magnetometer through the
// kernel's industrial-I/O interface: each device is a directory below the
// root (normally /sys/bus/iio/devices) with one file per channel reading
// (in_accel_x_raw ...) and the scale and offset that turn the raw count into
// a value: (raw + offset) * scale, per axis or shared by the channel type.
// Values come in the kernel's units (m/s^2, rad/s, gauss) and device axes
// (x right, y up along the screen, z out of the screen); read() returns
// them in aircraft axes for a screen facing the pilot, the field in
// microtesla.
class IioImu {
public:
    enum Kind { ACCEL = 0, ANGLVEL = 1, MAGN = 2 };

    explicit IioImu(std::string root = "/sys/bus/iio/devices");

    // Scans the root for devices with the three channel types; true when any was found.
    bool open();
    bool has(Kind kind) const { return !channels[kind].directory.empty(); }
    // The kind is there but the system does not let this program read it.
    bool isDenied(Kind kind) const { return !has(kind) && denied[kind]; }
    // Reads the current values of one kind; false when it is missing or unreadable.
    bool read(Kind kind, Vector3d& out) const;

private:
    struct Channel {
        std::string directory;  // with trailing slash
        double scale[3] = {1, 1, 1};
        double offset[3] = {0, 0, 0};
    };

    std::string root;
    Channel channels[3];
    bool denied[3] = {false, false, false};
};
