#pragma once

// A point on the earth: degrees, east and north positive. Longitudes are not
// kept normalised; whoever compares two of them normalises first.
struct ChartPosition {
    double longitude = 0.0;
    double latitude = 0.0;

    ChartPosition() = default;
    ChartPosition(double longitudeDeg, double latitudeDeg) : longitude(longitudeDeg), latitude(latitudeDeg) {}
};
