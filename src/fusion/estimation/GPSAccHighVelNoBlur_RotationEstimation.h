#pragma once
#include "fusion/estimation/IRotationEstimation.h"

// Orientation from two pictures of the same "up" and "forward": in the body
// the accelerometer's up (the low-passed specific force) and the forward
// direction perpendicular to it without a lateral component; on the earth
// gravity plus the acceleration the GNSS velocity shows, and the ground track
// perpendicular to that. Assumes the nose points along the track (no wind, no
// slip) and that the body reading and the GNSS average describe the same
// moment, so it is reliable in steady flight at speed and lags in transitions;
// standing still it knows nothing about the heading but the track.
class GPSAccHighVelNoBlur_RotationEstimation : public IRotationEstimation {
public:
    Vector3d getAxisReliability() override;
    void setAverageAcc_abs(const Vector3d* acc, double window, double time) override;
    void setBluredAcc_rel(const Vector3d* acc, double time) override;
    void setAverageGroundtrack(const double* degrees, double window, double time) override;
    void setGPSFilterResult(GPS_Filter::FilterResult result) override { filterResult = result; }
    bool calculateRotationMatrix(Matrix3x3& out) override;
    bool usableForGyroCalibration() override { return true; }

private:
    Vector3d bodyAcc{0, -9.81, 0};
    double bodyAccLength = 9.81;
    bool bodyAccValid = true;
    Vector3d earthAcc{0, 9.81, 0};
    double track = 0.0;
    GPS_Filter::FilterResult filterResult = GPS_Filter::NO_NEW_DATA;
    bool lastUsable = false;
};
