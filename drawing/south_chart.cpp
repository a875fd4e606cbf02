#include "drawing/south_chart.h"

#include <algorithm>
#include <iterator>

#include "chart/position_derivations.h"

namespace {
constexpr int figure_width = 360;
constexpr int figure_height = 360;
}  // namespace

const TextOffset SouthCellOrigin[12] = {
    {90, 0},    {180, 0},  {270, 0}, {270, 90}, {270, 180}, {270, 270},
    {180, 270}, {90, 270}, {0, 270}, {0, 180},  {0, 90},    {0, 0},
};

const TextOffset SouthSlotOffset[9] = {
    {4, 2}, {4, 14}, {4, 26}, {4, 38}, {4, 50}, {48, 2}, {48, 14}, {48, 26}, {48, 38},
};

SouthCellLabels south_cell_labels(const Chart& chart, int sign) {
  int bodies[body_count];
  const int count = bodies_in_sign(chart, sign, bodies);
  // Only a chart not computed yet (all zero) puts a tenth body in a sign:
  // the nodes always stand six signs apart.
  SouthCellLabels cell;
  cell.count = std::min(count, static_cast<int>(std::size(SouthSlotOffset)));
  for (int slot = 0; slot < cell.count; ++slot)
    format_body_label(cell.labels[slot], chart, bodies[slot]);
  return cell;
}

void draw_south_chart(ChartCanvas& canvas, const Chart& chart, int x, int y) {
  constexpr int w = figure_width;
  constexpr int h = figure_height;
  constexpr int q = w / 4;

  canvas.select_black();
  canvas.draw_line(x, y, x + w, y);
  canvas.draw_line(x, y, x, y + h);
  canvas.draw_line(x, y + h, x + w, y + h);
  canvas.draw_line(x + w, y, x + w, y + h);
  canvas.draw_line(x + q, y, x + q, y + h);
  canvas.draw_line(x, y + q, x + w, y + q);
  canvas.draw_line(x + 3 * q, y, x + 3 * q, y + h);
  canvas.draw_line(x, y + 3 * q, x + w, y + 3 * q);
  // The middle rules stop at the central square, which stays empty.
  canvas.draw_line(x + 2 * q, y, x + 2 * q, y + q);
  canvas.draw_line(x + 2 * q, y + 3 * q, x + 2 * q, y + h);
  canvas.draw_line(x, y + 2 * q, x + q, y + 2 * q);
  canvas.draw_line(x + 3 * q, y + 2 * q, x + w, y + 2 * q);

  for (int sign = 0; sign < 12; ++sign) {
    const SouthCellLabels cell = south_cell_labels(chart, sign);
    for (int slot = 0; slot < cell.count; ++slot) {
      int dx = SouthCellOrigin[sign].dx + SouthSlotOffset[slot].dx;
      int dy = SouthCellOrigin[sign].dy + SouthSlotOffset[slot].dy;
      canvas.draw_text(cell.labels[slot], x + dx, y + dy + 12);
    }
  }
}
