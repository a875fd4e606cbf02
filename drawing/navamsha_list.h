#pragma once

#include "chart/chart.h"
#include "drawing/chart_canvas.h"

// Title line, then every body's navamsha sign number on one line, 36 pixels
// apart. Draws in the colour left current.
void draw_navamsha_list(ChartCanvas& canvas, const Chart& chart, int x, int y);
