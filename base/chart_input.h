#pragma once

#include <cstdint>
#include <string>

#include "base/signed_angle.h"

// The inputs of one chart as the chart file's line holds them: a name, a
// civil date and local time, a zone, and a place with its coordinates.
// Whoever writes the parts also writes the values derived from them
// (zone_offset, longitude, latitude through set_zone and its kin, and
// date_line).
struct ChartInput {
  char name[32];
  char date_line[64];  // the header's second line
  std::int32_t month;  // 1 to 12
  std::int32_t day;
  std::int32_t year;
  std::int32_t hour;
  std::int32_t minute;
  std::int32_t zone_hours;
  std::int32_t zone_minutes;
  std::uint8_t zone_dir;  // 1 for "-": east of Greenwich
  double zone_offset;     // hours added to local time to give Universal Time
  char place[32];
  std::int32_t lon_degrees;
  std::int32_t lon_minutes;
  std::int32_t lat_degrees;
  std::int32_t lat_minutes;
  std::uint8_t lon_dir;  // 1 for East
  std::uint8_t lat_dir;  // 1 for South
  double longitude;      // degrees, West positive
  double latitude;       // degrees, North positive
};

// The chart's name without the blanks that pad it to the chart file's columns.
std::string unpadded_name(const ChartInput& input);

SignedAngle zone_angle(const ChartInput& input);
SignedAngle longitude_angle(const ChartInput& input);
SignedAngle latitude_angle(const ChartInput& input);

// Each sets the parts, the side flag and the signed value.
void set_zone(ChartInput& input, const SignedAngle& zone);
void set_longitude(ChartInput& input, const SignedAngle& longitude);
void set_latitude(ChartInput& input, const SignedAngle& latitude);
