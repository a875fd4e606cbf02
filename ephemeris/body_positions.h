#pragma once

#include "app/chart_names.h"

// Fill slots 1 to 9 (Sun to Ketu, BodyIndex order) with tropical longitudes
// in degrees for the moment t; slot 0 is left alone.
void tropical_longitudes(double t, double longitudes[body_count]);

// As tropical_longitudes, plus daily motions in degrees per day from the
// hour before the moment; slot 0 of both arrays is left alone.
void body_positions(double t, double longitudes[body_count],
                    double daily_motions[body_count]);
