#pragma once
#include <string>
#include <vector>

#include "geo/ChartPosition.h"
#include "geo/GeoVectors.h"

// The earth's main magnetic field from a World Magnetic Model coefficient
// table: spherical harmonics to degree 12 with a linear secular variation.

// Field at one place and time. Components in nanotesla, angles in degrees.
struct MagneticFieldElements {
    double north = 0.0;          // X
    double east = 0.0;           // Y
    double down = 0.0;           // Z
    double horizontal = 0.0;     // H
    double total = 0.0;          // F
    double inclination = 0.0;    // dip, positive downwards
    double declination = 0.0;    // magnetic north east of true north is positive
    double gridVariation = 0.0;  // polar navigation: declination relative to grid north beyond 55 degrees
};

class MagneticModel {
public:
    static constexpr int MAX_DEGREE = 12;

    // Reads a table in the public coefficient-file layout: a header line
    // ("%lf%s": epoch and model name, then the release date), one line per
    // coefficient ("%d%d%lf%lf%lf%lf": n, m, g, h, g per year, h per year) and
    // a line starting with "9999" at the end. False when a line does not fit
    // or the table is incomplete; the model is then unusable.
    bool parse(const std::vector<std::string>& lines);

    bool isLoaded() const { return loaded; }
    double getEpoch() const { return epoch; }
    const std::string& getName() const { return name; }
    const std::string& getReleaseDate() const { return releaseDate; }

    // Field at a geodetic position on the WGS-84 ellipsoid, height above the
    // ellipsoid in metres, time as a decimal year.
    MagneticFieldElements evaluate(const ChartPosition& position, double heightAboveEllipsoid,
                                   double decimalYear) const;

private:
    static int index(int n, int m) { return n * (n + 1) / 2 + m; }

    bool loaded = false;
    double epoch = 0.0;
    std::string name;
    std::string releaseDate;
    std::vector<double> g, h, gRate, hRate;  // by index(n, m)
};

// The WMM-2020 table compiled into the program.
const std::vector<std::string>& wmm2020CoefficientLines();

// The calendar year plus the day of the year (from 0) / 365, in UTC.
double decimalYearFromUtc(long long unixSeconds);

// Rotation from the true frame (x east, y up, z north) into the magnetic frame
// at a place: its third row is the field direction, its first row magnetic
// east. The compiled-in model is parsed on the first call, under a
// process-wide lock held for every call, and the decimal year is taken from
// the clock then. modelOk (optional) reports whether the model could be read;
// if not, the identity is returned and the caller keeps its old variation.
GeoMatrix3 createMagTransform(const ChartPosition& position, double heightAboveEllipsoid, bool* modelOk = nullptr);
// The same at a given decimal year, for reproducible results.
GeoMatrix3 createMagTransform(const ChartPosition& position, double heightAboveEllipsoid, double decimalYear,
                              bool* modelOk = nullptr);
// The rotation built from a field.
GeoMatrix3 magTransformFromField(const MagneticFieldElements& field);
// Declination in radians (east positive: true = magnetic + declination) from a magnetic transform.
double calcMagneticVariation(const GeoMatrix3& magTransform);
