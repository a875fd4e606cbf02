#include "display/header_block.h"

#include <cstdio>

#include "app/chart_state.h"

bool format_place_line(char (&line)[place_line_size]) {
  // snprintf cuts a line built from out-of-range values at the area's end.
  int length = std::snprintf(
      line, sizeof line, "%s %3d%c%02d %2d%c%02d", ChartState.place,
      ChartState.lon_degrees, ChartState.lon_dir ? 'E' : 'W', ChartState.lon_minutes,
      ChartState.lat_degrees, ChartState.lat_dir ? 'S' : 'N', ChartState.lat_minutes);
  return length >= 0 && static_cast<std::size_t>(length) < sizeof line;
}

void draw_header(ChartCanvas& canvas, int x, int y) {
  canvas.select_black();
  canvas.draw_text(ChartState.name, x, y);
  canvas.draw_text(ChartState.date_line, x, y + 14);
  char line[place_line_size];
  format_place_line(line);
  canvas.draw_text(line, x, y + 28);
}
