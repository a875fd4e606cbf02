#pragma once

#include <cstdint>

// The order of the ten chart bodies in every ten-slot array.
enum BodyIndex : int {
  ascendant_body = 0,
  sun_body = 1,
  moon_body = 2,
  mars_body = 3,
  mercury_body = 4,
  jupiter_body = 5,
  venus_body = 6,
  saturn_body = 7,
  rahu_body = 8,
  ketu_body = 9,
};

constexpr int body_count = 10;

// The inputs, display option and results of one chart.
struct ChartStateRecord {
  char name[32];
  char date_line[64];
  std::int32_t month;
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
  std::uint8_t lon_dir;      // 1 for East
  std::uint8_t lat_dir;      // 1 for South
  double longitude;          // degrees, West positive
  double latitude;           // degrees, North positive
  std::uint8_t chart_style;  // 0 South Indian, 1 North Indian
  double julian_day;
  std::int32_t positions[body_count];  // sidereal arc-minutes, 0 to 21599
  std::int32_t speeds[body_count];     // arc-seconds per day
};

// The one current chart, zero until the entry fills it.
extern ChartStateRecord ChartState;

extern const char* const SignAbbrev[12];
extern const char* const BodyAbbrev[body_count];
extern const char* const NakshatraNames[27];
extern const char* const MonthAbbrev[12];
