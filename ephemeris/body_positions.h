#pragma once

#include "base/chart_names.h"

// Fill slots 1 to 9 (Sun to Ketu, BodyIndex order) with tropical longitudes
// in degrees for the moment t; slot 0 is left alone.
void tropical_longitudes(double t, double longitudes[body_count]);

// The tropical longitude of one body (Sun to Ketu) at t: the same number
// tropical_longitudes gives in its slot.
double tropical_longitude(int body, double t);

// As tropical_longitudes, plus daily motions in degrees per day from the
// hour before the moment; slot 0 of both arrays is left alone.
void body_positions(double t, double longitudes[body_count],
                    double daily_motions[body_count]);

// The daily motion in degrees of one body (Sun to Ketu) at t, with its
// longitude there: the numbers body_positions gives in its slots.
double body_position(int body, double t, double& daily_motion);
