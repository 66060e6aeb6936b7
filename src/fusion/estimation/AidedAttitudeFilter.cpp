#include "fusion/estimation/AidedAttitudeFilter.h"

#include <algorithm>
#include <cmath>

#include "base/Units.h"
#include "fusion/estimation/RotationMath.h"

namespace {
constexpr double kMaxBias = 0.05;  // rad/s; beyond this a gyro is broken, not biased
const Vector3d kUp{0, 1, 0};

Vector3d clampLength(const Vector3d& v, double limit) {
    const double length = v.getLength();
    return length > limit ? v * (limit / length) : v;
}
}  // namespace

void AidedAttitudeFilter::initialize(const Vector3d& f, double headingDegrees) {
    // Body up is where the specific force points; the level nose goes on the heading.
    Matrix3x3 start;
    if (!rotation::alignUpAndTrack(f, kUp, headingDegrees, start))
        start = rotation::fromEulerDegrees(0, 0, headingDegrees);
    attitude = rotation::orthonormalized(start);
    history.clear();
    initialized = true;
}

void AidedAttitudeFilter::reset() {
    initialized = false;
    attitude = Matrix3x3();
    bias = Vector3d();
    history.clear();
}

void AidedAttitudeFilter::propagate(const Matrix3x3& delta, double t0, double t1) {
    if (!initialized) return;
    const double dt = std::max(0.0, t1 - t0);
    attitude = attitude * delta * rotation::fromAxisAngle(bias * -dt);
    attitude = rotation::orthonormalized(attitude);
}

void AidedAttitudeFilter::addSpecificForce(const Vector3d& f, double time) {
    if (initialized) history.add(attitude * f, time);
}

void AidedAttitudeFilter::applyEarthCorrection(const Vector3d& error, double fraction, double biasWeight) {
    attitude = rotation::orthonormalized(rotation::fromAxisAngle(error * std::clamp(fraction, 0.0, 1.0)) * attitude);
    const Vector3d bodyError = attitude.getTranspose() * error;
    bias = clampLength(bias - bodyError * biasWeight, kMaxBias);
}

bool AidedAttitudeFilter::correctWithGnssAcceleration(const Vector3d& earthF, double window, double time,
                                                      double weight) {
    Vector3d measured;
    if (!initialized || !history.mean(window, time, measured) || measured.getLength() < 1.0) return false;
    const Vector3d error = rotation::alignmentAxisAngle(measured, earthF);
    lastTiltInnovation = units::radiansToDegrees(error.getLength());
    const double kp = weight * window / gains.tiltTimeConstant;
    const double ki = weight * window / (gains.biasTimeConstant * gains.biasTimeConstant);
    applyEarthCorrection(error, kp, ki);
    return true;
}

void AidedAttitudeFilter::correctHeadingWithVelocity(const Vector3d& v, double dt, double weight) {
    if (!initialized || weight <= 0) return;
    // Turning about the vertical by d moves the wing axis r to r + d (up x r);
    // choose d so that the velocity has no component along the wings.
    const Vector3d right = attitude.getColumn(0);
    const double along = right.dotProduct(v);
    const double across = kUp.crossProduct(right).dotProduct(v);
    const double d = std::atan2(along, -across);
    const Vector3d error = kUp * d;
    const double kp = weight * dt / gains.headingTimeConstant;
    const double ki = weight * dt / (gains.biasTimeConstant * gains.biasTimeConstant);
    applyEarthCorrection(error, kp, ki);
}

void AidedAttitudeFilter::correctTiltWithCentripetal(const Vector3d& f, const Vector3d& rate, double speed, double dt) {
    if (!initialized) return;
    // In a steady turn the body sees f = R^T g + w x v with v along the nose.
    const Vector3d centripetal = rate.crossProduct(Vector3d(0, 0, speed));
    const Vector3d upSeen = attitude * (f - centripetal);
    if (upSeen.getLength() < 1.0) return;
    const Vector3d error = rotation::alignmentAxisAngle(upSeen, kUp);
    applyEarthCorrection(error, dt / gains.fallbackTiltTimeConstant, 0.0);
}

void AidedAttitudeFilter::correctHeadingTowards(double headingDegrees, double dt) {
    if (!initialized) return;
    const Vector3d fwd = attitude.getForwardVector();
    const double current = std::atan2(fwd.x, fwd.z);
    const double d = std::remainder(units::degreesToRadians(headingDegrees) - current, 2 * units::kPi);
    applyEarthCorrection(kUp * d, dt / gains.recommendationTimeConstant, 0.0);
}
