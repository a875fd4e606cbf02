#include "display/body_label.h"

#include <cstdio>

#include "app/chart_state.h"
#include "chart/position_derivations.h"

void format_body_label(char (&area)[body_label_size], int body) {
  int degrees = degrees_in_sign(ChartState.positions[body]);
  if (is_retrograde_marked(body))
    std::snprintf(area, sizeof area, "%sR %d", BodyAbbrev[body], degrees);
  else
    std::snprintf(area, sizeof area, "%s %d", BodyAbbrev[body], degrees);
}

void format_body_name(char (&area)[body_label_size], int body) {
  if (is_retrograde_marked(body))
    std::snprintf(area, sizeof area, "%sR", BodyAbbrev[body]);
  else
    std::snprintf(area, sizeof area, "%s", BodyAbbrev[body]);
}

void format_navamsha_item(char (&area)[body_label_size], int body) {
  std::snprintf(area, sizeof area, "%s:%d ", BodyAbbrev[body],
                navamsha_sign_of(ChartState.positions[body]));
}
