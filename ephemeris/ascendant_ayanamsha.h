#pragma once

// Tropical ascendant in degrees; longitude West positive, latitude North positive.
double ascendant(double t, double ut_hours, double longitude, double latitude);

// Degrees, negative: added to a tropical longitude it gives the sidereal one.
double ayanamsha(double t);
