#include "drawing/body_label.h"

#include <cstdio>

#include "chart/position_derivations.h"

void format_body_label(char (&area)[body_label_size], const Chart& chart, int body) {
  int degrees = degrees_in_sign(chart.positions[body]);
  if (chart.bodies[body].retrograde)
    std::snprintf(area, sizeof area, "%sR %d", BodyAbbrev[body], degrees);
  else
    std::snprintf(area, sizeof area, "%s %d", BodyAbbrev[body], degrees);
}

void format_body_name(char (&area)[body_label_size], const Chart& chart, int body) {
  if (chart.bodies[body].retrograde)
    std::snprintf(area, sizeof area, "%sR", BodyAbbrev[body]);
  else
    std::snprintf(area, sizeof area, "%s", BodyAbbrev[body]);
}

void format_navamsha_item(char (&area)[body_label_size], const Chart& chart, int body) {
  std::snprintf(area, sizeof area, "%s:%d ", BodyAbbrev[body],
                chart.bodies[body].navamsha);
}
