#include "ephemeris/planet_series.h"

#include <cmath>

double cosine_series_sum(const SeriesTerm* table, std::int32_t count, double tau) {
  // Scaling and arguments first, the cosines after: the same operations in the
  // same order, but the integer work no longer waits between calls.
  constexpr std::int32_t block = 64;
  double amplitudes[block];
  double arguments[block];
  double s = 0.0;
  for (std::int32_t start = 0; start < count; start += block) {
    const std::int32_t n = count - start < block ? count - start : block;
    const SeriesTerm* rows = table + start;
    for (std::int32_t i = 0; i < n; ++i) {
      amplitudes[i] = rows[i].amplitude * 1e-8;
      arguments[i] = (rows[i].frequency * 0.001) * tau + rows[i].phase * 1e-8;
    }
    for (std::int32_t i = 0; i < n; ++i) {
      s = amplitudes[i] * std::cos(arguments[i]) + s;
    }
  }
  return s;
}

namespace {
// One coordinate's series in powers of tau; next_constant counts the
// constants of the tables present so far.
double coordinate_sum(double tau, const BodySeriesSet& set, int coordinate,
                      int& next_constant) {
  double sum = 0.0;
  double p = 1.0;
  for (int k = 0; k < 3; ++k) {
    if (k != 0) p = p * tau;
    const SeriesTable& table = set.tables[coordinate * 3 + k];
    double term = 0.0;
    if (table.rows != nullptr) {
      term = (cosine_series_sum(table.rows, table.count, tau) +
              set.constants[next_constant]) *
             p;
      ++next_constant;
    }
    sum = sum + term;
  }
  return sum;
}
}  // namespace

HeliocentricCoordinates heliocentric_coordinates(double t, const BodySeriesSet& set) {
  const double tau = t / 10.0;
  int next_constant = 0;
  // A braced list is evaluated in order: L, B and R take their constants in turn.
  return {coordinate_sum(tau, set, 0, next_constant),
          coordinate_sum(tau, set, 1, next_constant),
          coordinate_sum(tau, set, 2, next_constant)};
}
