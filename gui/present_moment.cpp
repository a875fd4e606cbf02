#include "gui/present_moment.h"

#include <cstring>

ChartInput present_moment_input(const std::tm& local) {
  ChartInput input{};
  std::strcpy(input.name, "Prasna");
  // strftime leaves the area undefined when the text does not fit.
  if (std::strftime(input.date_line, 63, "%a %x %H:%M %z", &local) == 0)
    input.date_line[0] = '\0';
  std::strcpy(input.place, "Nowhere");
  input.month = local.tm_mon + 1;
  input.day = local.tm_mday;
  input.year = local.tm_year + 1900;
  input.hour = local.tm_hour;
  input.minute = local.tm_min;
  set_zone(input, clock_zone(local));
  set_longitude(input, {});
  set_latitude(input, {});
  return input;
}

SignedAngle clock_zone(const std::tm& local) {
  // tm_gmtoff counts seconds east of Greenwich.
  return angle_of_minutes(-nearest_whole_minutes(local.tm_gmtoff));
}
