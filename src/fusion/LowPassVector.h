#pragma once
#include <cmath>

#include "geo/GeoVectors.h"

// First-order low-pass of a vector with time constant `sigma` seconds, for
// irregular sample intervals. The first value is taken as it is.
class LowPassVector {
public:
    explicit LowPassVector(double sigma = 0.33) : sigma(sigma) {}
    void setSigma(double s) { sigma = s; }
    const Vector3d& add(const Vector3d& v, double dt) {
        if (!started || sigma <= 0) {
            value = v;
            started = true;
        } else {
            const double a = 1.0 - std::exp(-std::max(0.0, dt) / sigma);
            value += (v - value) * a;
        }
        return value;
    }
    const Vector3d& get() const { return value; }
    bool hasValue() const { return started; }
    void reset() { started = false; }

private:
    double sigma;
    Vector3d value;
    bool started = false;
};
