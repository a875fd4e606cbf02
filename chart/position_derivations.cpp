#include "chart/position_derivations.h"

#include <cstdio>

#include "base/chart_names.h"
#include "base/units.h"

int sign_of(int p) { return p / arc_minutes_per_sign; }

int degrees_in_sign(int p) { return (p / arc_minutes_per_degree) % degrees_per_sign; }

int minutes_in_degree(int p) { return p % arc_minutes_per_degree; }

int nakshatra_of(int p) { return p / arc_minutes_per_nakshatra; }

double nakshatra_measure(int p) {
  return p / static_cast<double>(arc_minutes_per_nakshatra);
}

int navamsha_sign_of(int p) {
  return (p / arc_minutes_per_navamsha) % signs_per_circle + 1;
}

bool is_retrograde_marked(int body, bool backward) {
  return body >= moon_body && body <= saturn_body && backward;
}

void format_position(char (&area)[position_text_size], int p) {
  std::snprintf(area, sizeof area, "%2d%s%02d", degrees_in_sign(p),
                SignAbbrev[sign_of(p)], minutes_in_degree(p));
}
