#include "base/chart_input.h"

std::string unpadded_name(const ChartInput& input) {
  std::string name = input.name;
  name.erase(name.find_last_not_of(' ') + 1);
  return name;
}

SignedAngle zone_angle(const ChartInput& input) {
  return {input.zone_hours, input.zone_minutes, input.zone_dir == 1};
}

SignedAngle longitude_angle(const ChartInput& input) {
  return {input.lon_degrees, input.lon_minutes, input.lon_dir == 1};
}

SignedAngle latitude_angle(const ChartInput& input) {
  return {input.lat_degrees, input.lat_minutes, input.lat_dir == 1};
}

void set_zone(ChartInput& input, const SignedAngle& zone) {
  input.zone_hours = zone.whole;
  input.zone_minutes = zone.sixtieths;
  input.zone_dir = zone.negative ? 1 : 0;
  input.zone_offset = signed_value(zone);
}

void set_longitude(ChartInput& input, const SignedAngle& longitude) {
  input.lon_degrees = longitude.whole;
  input.lon_minutes = longitude.sixtieths;
  input.lon_dir = longitude.negative ? 1 : 0;
  input.longitude = signed_value(longitude);
}

void set_latitude(ChartInput& input, const SignedAngle& latitude) {
  input.lat_degrees = latitude.whole;
  input.lat_minutes = latitude.sixtieths;
  input.lat_dir = latitude.negative ? 1 : 0;
  input.latitude = signed_value(latitude);
}
