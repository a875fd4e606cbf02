#pragma once

#include <cstddef>
#include <string>

#include "base/chart_input.h"
#include "drawing/chart_canvas.h"

// The header's third line: place, longitude and latitude. Never longer than
// the area, whatever the chart holds; false when the line had to be cut.
constexpr std::size_t place_line_size = 40;
bool format_place_line(char (&line)[place_line_size], const ChartInput& input);

// The header's first line: the chart's name, and for a divisional chart
// (varga n, 1 for the chart itself) two blanks and the varga's title,
// "Kept  D9 Navamsha".
std::string header_name_line(const ChartInput& input, int varga);

// Name line, date line and place line; the name's baseline is at y.
void draw_header(ChartCanvas& canvas, const ChartInput& input, int varga, int x, int y);
