#include "chart/position_derivations.h"

#include <cstdio>

#include "base/chart_names.h"

int sign_of(int p) { return p / 1800; }

int degrees_in_sign(int p) { return (p / 60) % 30; }

int minutes_in_degree(int p) { return p % 60; }

int nakshatra_of(int p) { return p / 800; }

double nakshatra_measure(int p) { return p / 800.0; }

int navamsha_sign_of(int p) { return (p / 200) % 12 + 1; }

bool is_retrograde_marked(int body, bool backward) {
  return body >= moon_body && body <= saturn_body && backward;
}

void format_position(char (&area)[position_text_size], int p) {
  std::snprintf(area, sizeof area, "%2d%s%02d", degrees_in_sign(p),
                SignAbbrev[sign_of(p)], minutes_in_degree(p));
}
