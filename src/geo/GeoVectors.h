#pragma once
#include <cmath>

// Small value types for the geodesy code. The chart library must not depend on
// the 3D engine, so these mirror the engine's vector layout (x, y, z) and a
// conversion to the engine's types is a plain field-by-field copy.

template <typename T>
struct GeoVector2 {
    T x = 0;
    T y = 0;

    GeoVector2() = default;
    GeoVector2(T xValue, T yValue) : x(xValue), y(yValue) {}

    GeoVector2 operator+(const GeoVector2& o) const { return {x + o.x, y + o.y}; }
    GeoVector2 operator-(const GeoVector2& o) const { return {x - o.x, y - o.y}; }
    GeoVector2 operator*(T s) const { return {x * s, y * s}; }
    bool operator==(const GeoVector2& o) const { return x == o.x && y == o.y; }
    bool operator!=(const GeoVector2& o) const { return !(*this == o); }

    T dot(const GeoVector2& o) const { return x * o.x + y * o.y; }
    // The z component of the 3D cross product: twice the signed area of the
    // triangle (0, this, o), positive when o lies counter-clockwise.
    T cross(const GeoVector2& o) const { return x * o.y - y * o.x; }
    T getLength() const { return std::sqrt(x * x + y * y); }
};

template <typename T>
struct GeoVector3 {
    T x = 0;
    T y = 0;
    T z = 0;

    GeoVector3() = default;
    GeoVector3(T xValue, T yValue, T zValue) : x(xValue), y(yValue), z(zValue) {}

    GeoVector3 operator+(const GeoVector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    GeoVector3 operator-(const GeoVector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    GeoVector3 operator-() const { return {-x, -y, -z}; }
    GeoVector3 operator*(T s) const { return {x * s, y * s, z * s}; }
    GeoVector3 operator/(T s) const { return {x / s, y / s, z / s}; }
    GeoVector3& operator+=(const GeoVector3& o) { x += o.x; y += o.y; z += o.z; return *this; }
    GeoVector3& operator-=(const GeoVector3& o) { x -= o.x; y -= o.y; z -= o.z; return *this; }
    bool operator==(const GeoVector3& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const GeoVector3& o) const { return !(*this == o); }

    T dotProduct(const GeoVector3& o) const { return x * o.x + y * o.y + z * o.z; }
    GeoVector3 crossProduct(const GeoVector3& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    T getLengthSQ() const { return x * x + y * y + z * z; }
    T getLength() const { return std::sqrt(getLengthSQ()); }

    // Scales to length 1; a zero vector stays zero (degenerate input is
    // settled, never reported).
    GeoVector3& normalize() {
        T lengthSq = getLengthSQ();
        if (lengthSq == 0) return *this;
        T inverse = T(1) / std::sqrt(lengthSq);
        x *= inverse;
        y *= inverse;
        z *= inverse;
        return *this;
    }
    GeoVector3 normalized() const {
        GeoVector3 copy(*this);
        return copy.normalize();
    }
};

using Vector2f = GeoVector2<float>;
using Vector2d = GeoVector2<double>;
using Vector3f = GeoVector3<float>;
using Vector3d = GeoVector3<double>;

// A 3x3 matrix of doubles stored row-major, as the rest of the program keeps
// its rotations. Used here for the magnetic transform.
struct GeoMatrix3 {
    double m[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};

    double& operator()(int row, int column) { return m[row * 3 + column]; }
    double operator()(int row, int column) const { return m[row * 3 + column]; }
    Vector3d getRow(int row) const { return {m[row * 3], m[row * 3 + 1], m[row * 3 + 2]}; }
    void setRow(int row, const Vector3d& v) {
        m[row * 3] = v.x;
        m[row * 3 + 1] = v.y;
        m[row * 3 + 2] = v.z;
    }
    Vector3d operator*(const Vector3d& v) const {
        return {getRow(0).dotProduct(v), getRow(1).dotProduct(v), getRow(2).dotProduct(v)};
    }
};
