#pragma once

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

extern const char* const SignAbbrev[12];
extern const char* const BodyAbbrev[body_count];
extern const char* const NakshatraNames[27];
extern const char* const MonthAbbrev[12];
