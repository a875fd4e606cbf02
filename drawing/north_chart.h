#pragma once

#include "chart/chart.h"
#include "drawing/chart_canvas.h"
#include "drawing/text_offset.h"

// The diamond diagram: houses stay in place, signs turn with the ascendant.
// House 1 (the top diamond) comes first in both tables.
extern const TextOffset NorthNumberPos[12];
// Slot k of a house holds the (k + 1)-th body found there; only house 1 can
// hold nine, the ninth entry of the others is never used.
extern const TextOffset NorthBodyPos[12][9];

// Figure of 360 x 360 with its top-left corner at (x, y).
void draw_north_chart(ChartCanvas& canvas, const Chart& chart, int x, int y);
