#pragma once

#include <ctime>

#include "base/chart_input.h"
#include "base/signed_angle.h"

// The inputs of the chart of a local clock reading: "Prasna" at "Nowhere",
// longitude and latitude 0, the clock's date and time in the zone the clock
// kept then (its tm_gmtoff), so that the chart is of that moment.
ChartInput present_moment_input(const std::tm& local);

// The zone the clock kept at a reading (its tm_gmtoff), to the whole minute,
// the chart's way round: "-" ahead of Universal Time.
SignedAngle clock_zone(const std::tm& local);
