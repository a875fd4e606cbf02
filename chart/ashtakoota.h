#pragma once

#include "chart/chart.h"

// Ashtakoota, the North Indian matching of a boy's chart with a girl's by
// eight rules on their Moons, 36 points in all. Several tables give half
// points, so points are counted in halves and stay exact.

constexpr int koota_count = 8;
constexpr int ashtakoota_maximum = 36;  // whole points

struct KootaPoints {
  const char* name;  // as printed: "Varna", ..., "Graha Maitri", ...
  int half_points;
  int maximum;  // whole points
};

// The kootas in their order: Varna, Vashya, Tara, Yoni, Graha Maitri, Gana,
// Bhakoot and Nadi, worth 1 to 8 points.
struct AshtakootaMatch {
  KootaPoints kootas[koota_count];
  int total_half_points;  // of ashtakoota_maximum whole points
};

// The match of two Moons in sidereal arc-minutes (0 to 21599), the boy's
// first: Varna, Vashya and Gana count differently the other way round.
AshtakootaMatch ashtakoota_of_moons(int boy_moon, int girl_moon);

// The match of the boy's chart with the girl's, from their Moons.
AshtakootaMatch ashtakoota_match(const Chart& boy, const Chart& girl);
