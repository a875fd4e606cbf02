#pragma once

#include "chart/chart.h"
#include "drawing/chart_canvas.h"

// Ten bodies in two halves of five rows: name (with R when retrograde),
// position in its sign and nakshatra. Draws in the colour left current.
void draw_planet_table(ChartCanvas& canvas, const Chart& chart, int x, int y);
