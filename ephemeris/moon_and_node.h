#pragma once

// Geocentric longitude of the Moon in degrees, 0 <= value < 360, mean
// equinox of date (no nutation).
double moon_longitude(double t);

// Longitude of the true ascending node in degrees, 0 <= value < 360; the
// descending node is fmod(node + 180.0, 360.0).
double lunar_node(double t);
