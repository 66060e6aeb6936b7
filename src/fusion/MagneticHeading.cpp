#include "fusion/MagneticHeading.h"

#include <cmath>
#include <utility>

#include "base/Units.h"

namespace {
// Each direction must have been seen from attitudes this different (the
// smallest pivot of the normal equations, per unit weight) before the fit is
// believed.
constexpr double kMinPivot = 0.05;
constexpr double kSolvePeriod = 1.0;

bool solve6(double a[6][6], double b[6], double x[6], double minPivot) {
    for (int c = 0; c < 6; ++c) {
        int p = c;
        for (int r = c + 1; r < 6; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[p][c])) p = r;
        if (std::fabs(a[p][c]) < minPivot) return false;
        std::swap(a[p], a[c]);
        std::swap(b[p], b[c]);
        for (int r = c + 1; r < 6; ++r) {
            const double f = a[r][c] / a[c][c];
            for (int k = c; k < 6; ++k) a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    for (int r = 5; r >= 0; --r) {
        double s = b[r];
        for (int k = r + 1; k < 6; ++k) s -= a[r][k] * x[k];
        x[r] = s / a[r][r];
    }
    return true;
}

double horizontalAngle(const Vector3d& v) { return std::atan2(v.x, v.z); }
}  // namespace

void MagneticHeading::add(const Vector3d& mag, const Matrix3x3& r, bool trusted, double dt) {
    if (!trusted || dt <= 0) return;
    // Residual R*m - R*h - B: unknowns (h, B) with rows A = [R, I], y = R*m.
    const double keep = std::exp(-dt / kForgetSeconds);
    const Vector3d y = r * mag;
    double a[3][6];
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) a[i][k] = r.m[i][k], a[i][3 + k] = (i == k) ? 1.0 : 0.0;
    }
    const double yv[3] = {y.x, y.y, y.z};
    for (int j = 0; j < 6; ++j) {
        rhs[j] = rhs[j] * keep;
        for (int i = 0; i < 3; ++i) rhs[j] += a[i][j] * yv[i] * dt;
        for (int k = 0; k < 6; ++k) {
            normal[j][k] *= keep;
            for (int i = 0; i < 3; ++i) normal[j][k] += a[i][j] * a[i][k] * dt;
        }
    }
    weight = weight * keep + dt;
    sinceSolve += dt;
    if (sinceSolve >= kSolvePeriod) solve();
}

void MagneticHeading::solve() {
    sinceSolve = 0;
    double a[6][6], b[6], x[6];
    for (int j = 0; j < 6; ++j) {
        b[j] = rhs[j] / weight;
        for (int k = 0; k < 6; ++k) a[j][k] = normal[j][k] / weight;
    }
    if (!solve6(a, b, x, kMinPivot)) return;
    hardIron = Vector3d(x[0], x[1], x[2]);
    earthField = Vector3d(x[3], x[4], x[5]);
    calibrated = true;
}

bool MagneticHeading::recommend(const Vector3d& mag, const Matrix3x3& attitude, double declination,
                                double& degrees) const {
    const Vector3d fwd = attitude.getForwardVector();
    const double heading = horizontalAngle(fwd);
    const Vector3d seen = attitude * (mag - hardIron);
    if (std::hypot(seen.x, seen.z) < 1e-6) return false;
    // The field should point where the fit (or the model) says it does; the
    // difference is the heading error.
    const double expected = calibrated ? horizontalAngle(earthField) : units::degreesToRadians(declination);
    const double corrected = heading - (horizontalAngle(seen) - expected);
    degrees = std::fmod(units::radiansToDegrees(corrected) + 720.0, 360.0);
    return true;
}
