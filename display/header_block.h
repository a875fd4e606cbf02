#pragma once

#include <cstddef>

#include "display/chart_canvas.h"

// The header's third line: place, longitude and latitude. Never longer than
// the area, whatever the chart holds; false when the line had to be cut.
constexpr std::size_t place_line_size = 40;
bool format_place_line(char (&line)[place_line_size]);

// Name, date line and place line; the name's baseline is at y.
void draw_header(ChartCanvas& canvas, int x, int y);
