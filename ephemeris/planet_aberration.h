#pragma once

// One cosine term of an aberration correction, units of 1e-7 radian; the
// argument is frequency * U + phase with U = T / 100.
struct AberrationTerm {
  double amplitude;
  double frequency;
  double phase;
};

// A constant and up to four terms, all in 1e-7 radian.
struct PlanetAberration {
  double constant;
  int term_count;
  AberrationTerm terms[4];
};

extern const PlanetAberration SunAberration;
extern const PlanetAberration MercuryAberration;
extern const PlanetAberration VenusAberration;
extern const PlanetAberration MarsAberration;
extern const PlanetAberration JupiterAberration;
extern const PlanetAberration SaturnAberration;

// The correction in radians at T.
double aberration_in_longitude(const PlanetAberration& aberration, double t);
