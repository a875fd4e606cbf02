#include "display/navamsha_list.h"

#include <cstdio>

#include "app/chart_state.h"
#include "chart/position_derivations.h"

void draw_navamsha_list(ChartCanvas& canvas, int x, int y) {
  canvas.draw_text("Navamsha Signs:", x, y + 12);
  for (int body = 0; body < body_count; ++body) {
    char item[8];
    std::snprintf(item, sizeof item, "%s:%d ", BodyAbbrev[body],
                  navamsha_sign_of(ChartState.positions[body]));
    canvas.draw_text(item, x + 36 * body, y + 24);
  }
}
