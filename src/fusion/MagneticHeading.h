#pragma once
#include "sensors/Matrix3x3.h"

// Heading from the magnetometer, for the times GNSS cannot give one. The
// magnetometer is not calibrated beforehand: while the GNSS-aided attitude is
// trustworthy, the readings at different attitudes are fitted to
// m = R^T * B + h, which yields the hard-iron offset h and the local field B
// in the earth frame (its horizontal direction already includes the
// declination). Until the attitudes have varied enough (a few turns), the
// raw field with the declination of the magnetic model is the best guess.
class MagneticHeading {
public:
    static constexpr double kForgetSeconds = 600.0;

    // Adds a reading taken at `attitude`; `trusted` when the attitude is GNSS-aided.
    void add(const Vector3d& mag, const Matrix3x3& attitude, bool trusted, double dt);
    // Heading (degrees true) the magnetometer suggests for `attitude`; false
    // without readings.
    bool recommend(const Vector3d& mag, const Matrix3x3& attitude, double declination, double& degrees) const;

    bool isCalibrated() const { return calibrated; }
    const Vector3d& getHardIron() const { return hardIron; }

private:
    void solve();

    double normal[6][6] = {};
    double rhs[6] = {};
    double weight = 0, sinceSolve = 0;
    bool calibrated = false;
    Vector3d hardIron, earthField;
};
