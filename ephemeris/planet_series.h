#pragma once

#include <cstdint>

// One periodic term of a VSOP87D series, scaled to whole units so the tables
// stay exact: amplitude 1e-8 radian (L, B) or 1e-8 au (R), phase 1e-8 radian,
// frequency 0.001 radian per Julian millennium.
struct SeriesTerm {
  std::int32_t amplitude;
  std::int32_t phase;
  std::int32_t frequency;
};

// A run of consecutive terms; rows may be null (the table then adds nothing).
struct SeriesTable {
  const SeriesTerm* rows;
  std::int32_t count;
};

constexpr int series_table_count = 9;

// Tables in the order L0, L1, L2, B0, B1, B2, R0, R1, R2. One constant is
// consumed per present table, in the same order.
struct BodySeriesSet {
  SeriesTable tables[series_table_count];
  double constants[series_table_count];
};

// Heliocentric ecliptic coordinates of date: radians, radians, au.
struct HeliocentricCoordinates {
  double l;
  double b;
  double r;
};

// Sum of count terms at tau (Julian millennia from J2000.0).
double cosine_series_sum(const SeriesTerm* table, std::int32_t count, double tau);

// L is not reduced into a turn.
HeliocentricCoordinates heliocentric_coordinates(double t, const BodySeriesSet& set);
