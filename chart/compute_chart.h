#pragma once

// Fills julian_day, positions and speeds of ChartState from its date, time,
// zone and coordinates.
void compute_chart();

// Sidereal arc-minutes, 0 to 21599, from a tropical longitude and the
// (negative) ayanamsha in degrees. A negative sum is truncated toward zero
// before the turn is added, so it rounds up to the next whole arc-minute.
int sidereal_minutes(double tropical_degrees, double ayanamsha_degrees);

// Whole arc-seconds per day, truncated toward zero: a tiny backward motion
// gives 0 and so no retrograde mark.
int motion_arc_seconds(double degrees_per_day);
