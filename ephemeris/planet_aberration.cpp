#include "ephemeris/planet_aberration.h"

#include <cmath>

const PlanetAberration SunAberration = {-993.0, 1, {{17.0, 62830.14, 3.1}}};

const PlanetAberration MercuryAberration = {
    -1261.0,
    3,
    {{1485.0, 198048.273, 2.649}, {305.0, 458927.03, 5.71}, {230.0, 396096.55, 5.3}}};

const PlanetAberration VenusAberration = {
    -1304.0,
    3,
    {{1016.0, 39302.097, 1.423}, {224.0, 78604.19, 2.85}, {98.0, 117906.29, 4.27}}};

const PlanetAberration MarsAberration = {
    -1052.0,
    3,
    {{877.0, 29424.634, 1.834}, {187.0, 58849.27, 3.67}, {84.0, 33405.34, 3.49}}};

const PlanetAberration JupiterAberration = {-527.0,
                                            4,
                                            {{978.0, 57533.849, 1.154},
                                             {89.0, 115067.7, 2.3},
                                             {46.0, 62830.76, 4.64},
                                             {45.0, 52236.94, 0.76}}};

const PlanetAberration SaturnAberration = {-373.0,
                                           4,
                                           {{986.0, 60697.768, 0.88},
                                            {54.0, 62830.76, 3.31},
                                            {52.0, 58564.78, 1.59},
                                            {51.0, 121395.54, 1.76}}};

double aberration_in_longitude(const PlanetAberration& aberration, double t) {
  const double u = t / 100.0;
  double sum = 0.0;
  for (int i = 0; i < aberration.term_count; ++i) {
    const AberrationTerm& term = aberration.terms[i];
    sum = sum + term.amplitude * std::cos(term.frequency * u + term.phase);
  }
  return (aberration.constant + sum) * 1e-7;
}
