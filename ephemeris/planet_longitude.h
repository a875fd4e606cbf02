#pragma once

#include "ephemeris/planet_aberration.h"
#include "ephemeris/planet_series.h"

// Radians, 0 <= value < two pi; no light-time correction.
double geocentric_longitude(const HeliocentricCoordinates& planet,
                            const HeliocentricCoordinates& earth);

// Apparent longitudes in degrees, true equinox of date. The Earth's
// coordinates and delta_psi (radians) are computed once per moment.
double sun_longitude(double t, const HeliocentricCoordinates& earth, double delta_psi);

// May come out a few hundredths of a degree below 0.
double planet_longitude(double t, const BodySeriesSet& planet_set,
                        const PlanetAberration& planet_aberration,
                        const HeliocentricCoordinates& earth, double delta_psi);
