#pragma once

#include <cstdint>
#include <string>

// A quantity written as whole units, sixtieths and a side: the degrees and
// arc-minutes of a longitude or latitude, or the hours and minutes of a
// zone. The negative side is the chart's: east for a longitude (West is
// positive), south for a latitude, and ahead of Universal Time for a zone
// (written "-", since the zone is added to local time to give UT). The
// parts are kept as written, so a hand-edited line's 75 minutes stay 75.
struct SignedAngle {
  std::int32_t whole = 0;
  std::int32_t sixtieths = 0;
  bool negative = false;
};

// whole + sixtieths / 60, negated on the negative side: the chart's degrees
// or hours, always formed in this order.
double signed_value(const SignedAngle& angle);

// Whole sixtieths, signed.
long signed_minutes(const SignedAngle& angle);

// The angle of whole sixtieths; zero is on the positive side.
SignedAngle angle_of_minutes(long minutes);

// Seconds of time (or arc) to the nearest whole minute, half a minute away
// from zero on either side.
long nearest_whole_minutes(long seconds);

// Signed degrees (or hours) to the nearest whole sixtieth, half away from
// zero; zero is on the positive side.
SignedAngle nearest_minute_angle(double value);

// "077E13" and "28N38", as the printer's --lon and --lat take them.
std::string longitude_text(const SignedAngle& longitude);
std::string latitude_text(const SignedAngle& latitude);
