#include "base/signed_angle.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

double signed_value(const SignedAngle& angle) {
  const double value = angle.whole + angle.sixtieths / 60.0;
  return angle.negative ? -value : value;
}

long signed_minutes(const SignedAngle& angle) {
  const long minutes = angle.whole * 60L + angle.sixtieths;
  return angle.negative ? -minutes : minutes;
}

SignedAngle angle_of_minutes(long minutes) {
  const long size = std::labs(minutes);
  return {static_cast<std::int32_t>(size / 60), static_cast<std::int32_t>(size % 60),
          minutes < 0};
}

long nearest_whole_minutes(long seconds) {
  return std::lround(static_cast<double>(seconds) / 60);
}

SignedAngle nearest_minute_angle(double value) {
  const long minutes = std::lround(std::fabs(value) * 60.0);
  return angle_of_minutes(value < 0 ? -minutes : minutes);
}

namespace {
// The whole part in width digits, the side's letter and two digits of
// sixtieths.
std::string angle_text(const SignedAngle& angle, int width, char positive_side,
                       char negative_side) {
  char text[48];
  std::snprintf(text, sizeof text, "%0*d%c%02d", width, angle.whole,
                angle.negative ? negative_side : positive_side, angle.sixtieths);
  return text;
}
}  // namespace

std::string longitude_text(const SignedAngle& longitude) {
  return angle_text(longitude, 3, 'W', 'E');
}

std::string latitude_text(const SignedAngle& latitude) {
  return angle_text(latitude, 2, 'N', 'S');
}
