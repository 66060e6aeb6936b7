#include "fusion/estimation/DeltaRotationParticleEstimation.h"

namespace {
// Tilt time constants of the particles, seconds; the heading and bias gains
// scale with them.
const double kTiltTimeConstants[] = {1.5, 3.0, 6.0, 12.0};
}  // namespace

DeltaRotationParticleEstimation::DeltaRotationParticleEstimation() {
    for (double tc : kTiltTimeConstants) {
        AidedAttitudeFilter::Gains g;
        g.headingTimeConstant = g.headingTimeConstant * tc / g.tiltTimeConstant;
        g.biasTimeConstant = g.biasTimeConstant * tc / g.tiltTimeConstant;
        g.tiltTimeConstant = tc;
        particles.push_back(std::make_unique<DeltaRotationEstimation>(g));
    }
    chosen = 1;
}

Vector3d DeltaRotationParticleEstimation::getAxisReliability() { return particles[chosen]->getAxisReliability(); }

void DeltaRotationParticleEstimation::calculateMultiPassConstants() {
    for (auto& p : particles) p->resetInnovationScore();
}

void DeltaRotationParticleEstimation::setWarningLevels(ISensor::WarningLevel* levels, ISensor::WarningLevel level) {
    particles[chosen]->setWarningLevels(levels, level);
}

bool DeltaRotationParticleEstimation::usableForGyroCalibration() {
    return particles[chosen]->usableForGyroCalibration();
}

bool DeltaRotationParticleEstimation::calculateRotationMatrix(Matrix3x3& out) {
    bool any = false;
    Matrix3x3 results[std::size(kTiltTimeConstants)];
    bool usable[std::size(kTiltTimeConstants)] = {};
    for (size_t i = 0; i < particles.size(); ++i) {
        feed(*particles[i]);
        usable[i] = particles[i]->calculateRotationMatrix(results[i]);
        any = any || usable[i];
    }
    if (!any) return false;
    for (size_t i = 0; i < particles.size(); ++i)
        if (usable[i] &&
            (!usable[chosen] || particles[i]->getInnovationScore() < particles[chosen]->getInnovationScore() * 0.8))
            chosen = int(i);
    out = results[chosen];
    return true;
}
