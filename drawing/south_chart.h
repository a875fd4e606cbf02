#pragma once

#include <iterator>

#include "chart/chart.h"
#include "drawing/body_label.h"
#include "drawing/chart_canvas.h"
#include "drawing/text_offset.h"

// The square diagram: every sign has a fixed cell along the border, Aries in
// the second cell of the top row, running clockwise.
extern const TextOffset SouthCellOrigin[12];
// Slots inside a cell: a left column of five, a right column of four.
extern const TextOffset SouthSlotOffset[9];

// The labels of the bodies a sign's cell shows, in slot order.
struct SouthCellLabels {
  int count = 0;
  char labels[std::size(SouthSlotOffset)][body_label_size];
};
SouthCellLabels south_cell_labels(const Chart& chart, int sign);

// Figure of 360 x 360 with its top-left corner at (x, y).
void draw_south_chart(ChartCanvas& canvas, const Chart& chart, int x, int y);
