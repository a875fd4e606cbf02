#pragma once

#include "ephemeris/lunar_tables.h"

// The Moon's fundamental arguments at t in degrees, unreduced: its mean
// longitude, the mean elongation, the Sun's and the Moon's mean anomalies,
// and the argument of latitude.
struct MoonArguments {
  double mean_longitude;
  double d;
  double m;
  double m_prime;
  double f;
};
MoonArguments moon_arguments(double t);

// The argument in degrees of one row of the lunar series.
double moon_term_argument(const MoonArguments& a, const MoonTerm& row);

// The argument in degrees of row i of the node series at t.
double node_term_argument(int i, double t);

// Geocentric longitude of the Moon in degrees, 0 <= value < 360, mean
// equinox of date (no nutation).
double moon_longitude(double t);

// Longitude of the true ascending node in degrees, 0 <= value < 360; the
// descending node is fmod(node + 180.0, 360.0).
double lunar_node(double t);
