#pragma once

#include "chart/chart.h"
#include "drawing/chart_canvas.h"

// The whole chart, block by block, in the widget's coordinates
// (chart_geometry.h), its diagram in chart_style (0 South, else North) and of
// divisional chart varga (1, the chart itself, to 60), named in the header.
// The window and the printer's pictures all draw through this.
void draw_chart_blocks(ChartCanvas& canvas, const Chart& chart, int chart_style,
                       int varga);
