#include "ephemeris/moon_and_node.h"

#include <cmath>
#include <cstdlib>

#include "base/units.h"
#include "ephemeris/lunar_tables.h"
#include "ephemeris/time_and_calendar.h"

MoonArguments moon_arguments(double t) {
  const double t2 = t * t;
  const double t3 = t * t2;
  return {t * 481267.8813424 + 218.31665436 - t2 * 0.0013268 + t3 * 1.856e-6,
          t * 445267.11151675 + 297.8502042 - t2 * 0.00163 + t3 * 1.832e-6,
          t * 35999.05029094 + 357.52910918 - t2 * 0.0001536 + t3 * 4.1e-8,
          t * 477198.86763133 + 134.96341138 + t2 * 0.008997 + t3 * 1.4348e-5,
          t * 483202.0175273 + 93.2720993 - t2 * 0.0034029 - t3 * 2.84e-7};
}

double moon_term_argument(const MoonArguments& a, const MoonTerm& row) {
  return a.d * row.d + a.m * row.m + a.m_prime * row.m_prime + a.f * row.f;
}

double node_term_argument(int i, double t) {
  const NodeTerm& row = NodeTerms[i];
  return row.phase * 1e-4 + NodeRates[i] * t + row.t2 * 1e-7 * t * t +
         row.t3 * 1e-9 * t * t * t + row.t4 * 1e-11 * t * t * t * t;
}

// The Moon's longitude from the main terms of ELP-2000/82 in the arrangement
// of J. Meeus, Astronomical Algorithms (2nd ed., 1998), ch. 47: the
// fundamental arguments (eq. 47.1 to 47.5), the sixty terms of table 47.A
// weighted by the eccentricity factor E (eq. 47.6), and the additive terms
// A1 to A3.
double moon_longitude(double t) {
  const double t2 = t * t;
  const MoonArguments fundamental = moon_arguments(t);
  const double mean_longitude = fundamental.mean_longitude;
  const double f = fundamental.f;
  const double e = (1 - t * 0.002516) - t2 * 7.4e-6;

  // Arguments and coefficients first, the sines after, as in the planetary
  // series; each term is still coefficient times sine, summed in table order.
  double arguments[moon_term_count];
  double coefficients[moon_term_count];
  for (int i = 0; i < moon_term_count; ++i) {
    const MoonTerm& row = MoonTerms[i];
    arguments[i] = moon_term_argument(fundamental, row) * degrees_to_radians;
    const double a = row.amplitude * 1e-8;
    // Terms in the Sun's anomaly shrink with the Earth's eccentricity.
    const int k = std::abs(static_cast<int>(row.m));
    if (k == 0) {
      coefficients[i] = a;
    } else if (k == 2) {
      coefficients[i] = a * e * e;
    } else {
      coefficients[i] = a * e;
    }
  }
  double sum = 0.0;
  for (int i = 0; i < moon_term_count; ++i) {
    sum = sum + coefficients[i] * std::sin(arguments[i]);
  }

  const double a1 = t * 131.849 + 119.75;
  const double a2 = t * 479264.29 + 53.09;
  sum = sum + 0.003958 * std::sin(a1 * degrees_to_radians) +
        0.001926 * std::sin((mean_longitude - f) * degrees_to_radians) +
        0.000318 * std::sin(a2 * degrees_to_radians);

  return wrap_degrees(mean_longitude + sum);
}

// The true ascending node: the mean node of Meeus (1998, eq. 47.7) and its
// periodic terms, the five largest those of Meeus' true node (ch. 47), the
// smaller ones of the same form with their arguments' T² to T⁴ parts.
double lunar_node(double t) {
  const double omega = 125.0446 - t * 1934.13618 + t * t * 0.0020762 +
                       t * t * t * 2.139e-6 - t * t * t * t * 1.65e-8;

  double arguments[node_term_count];
  double amplitudes[node_term_count];
  for (int i = 0; i < node_term_count; ++i) {
    arguments[i] = node_term_argument(i, t) * degrees_to_radians;
    amplitudes[i] = NodeTerms[i].amplitude * 1e-4;
  }
  double s = 0.0;
  for (int i = 0; i < node_term_count; ++i) {
    s = s + std::sin(arguments[i]) * amplitudes[i];
  }

  // Units of 1e-5 radian until converted.
  double p = 25.9 * std::sin((125.0 - t * 1934.1) * degrees_to_radians) -
             4.3 * std::sin((220.2 - t * 1935.5) * degrees_to_radians) +
             0.38 * std::sin((t * 35999.1 + 357.5) * degrees_to_radians) * t;
  p = p * radians_to_degrees * 1e-5;

  return wrap_degrees((s + p) + omega);
}
