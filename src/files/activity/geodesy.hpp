#pragma once

namespace kestrova {

// A position in degrees (north and east positive).
struct GeoPosition {
    double latitude = 0.0;
    double longitude = 0.0;
};

// Whether the position is a real place: finite, latitude within ±90 and longitude within ±180.
bool IsValidPosition(const GeoPosition& position);

// The ground distance in metres between two nearby positions on the WGS-84 ellipsoid: the
// north and east offsets use the ellipsoid's meridian and prime-vertical radii of curvature at
// the middle latitude. For the steps of a track (metres to a few hundred metres) this is within
// millimetres of the exact geodesic, while a sphere (the haversine formula) is off by up to
// 0.5 % depending on latitude and heading: 50 m over 10 km, seconds on a best effort. Heights
// are left out, as watches do.
double GroundDistance(const GeoPosition& a, const GeoPosition& b);

}  // namespace kestrova
