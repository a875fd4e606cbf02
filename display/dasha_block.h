#pragma once

#include "display/chart_canvas.h"

// The Vimshottari listing of ChartState's chart: title, rule, and every
// sub-period from the chart moment on with its starting date. Draws in the
// colour left current.
void draw_dashas(ChartCanvas& canvas, int x, int y);
