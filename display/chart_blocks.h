#pragma once

#include "display/chart_canvas.h"

// The whole chart of ChartState, block by block, in the widget's coordinates
// (chart_geometry.h). The window and the SVG writer both draw through this.
void draw_chart_blocks(ChartCanvas& canvas);
