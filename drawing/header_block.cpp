#include "drawing/header_block.h"

#include <cstdio>

#include "chart/vargas.h"

bool format_place_line(char (&line)[place_line_size], const ChartInput& input) {
  // snprintf cuts a line built from out-of-range values at the area's end.
  int length =
      std::snprintf(line, sizeof line, "%s %3d%c%02d %2d%c%02d", input.place,
                    input.lon_degrees, input.lon_dir ? 'E' : 'W', input.lon_minutes,
                    input.lat_degrees, input.lat_dir ? 'S' : 'N', input.lat_minutes);
  return length >= 0 && static_cast<std::size_t>(length) < sizeof line;
}

std::string header_name_line(const ChartInput& input, int varga) {
  const Varga* divisional = varga_of(varga);
  if (varga == 1 || divisional == nullptr) return input.name;
  return unpadded_name(input) + "  " + varga_title(*divisional);
}

void draw_header(ChartCanvas& canvas, const ChartInput& input, int varga, int x, int y) {
  canvas.select_black();
  canvas.draw_text(header_name_line(input, varga).c_str(), x, y);
  canvas.draw_text(input.date_line, x, y + 14);
  char line[place_line_size];
  format_place_line(line, input);
  canvas.draw_text(line, x, y + 28);
}
