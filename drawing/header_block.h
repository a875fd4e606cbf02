#pragma once

#include <cstddef>

#include "base/chart_input.h"
#include "drawing/chart_canvas.h"

// The header's third line: place, longitude and latitude. Never longer than
// the area, whatever the chart holds; false when the line had to be cut.
constexpr std::size_t place_line_size = 40;
bool format_place_line(char (&line)[place_line_size], const ChartInput& input);

// Name, date line and place line; the name's baseline is at y.
void draw_header(ChartCanvas& canvas, const ChartInput& input, int x, int y);
