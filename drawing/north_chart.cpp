#include "drawing/north_chart.h"

#include <cstdio>
#include <iterator>

#include "chart/position_derivations.h"
#include "drawing/body_label.h"

namespace {
constexpr int figure_width = 360;
constexpr int figure_height = 360;
}  // namespace

const TextOffset NorthNumberPos[12] = {
    {100, 84},  {18, 2},    {4, 18},    {18, 172},  {4, 198},  {18, 344},
    {100, 264}, {198, 344}, {280, 264}, {198, 172}, {280, 84}, {198, 2},
};

// clang-format off
const TextOffset NorthBodyPos[12][9] = {
    {{164, 40}, {164, 52}, {164, 64}, {164, 76}, {164, 88}, {164, 100}, {164, 112}, {164, 124}, {164, 136}},
    {{36, 4}, {76, 4}, {116, 4}, {40, 16}, {80, 16}, {120, 16}, {60, 28}, {100, 28}, {0, 0}},
    {{4, 40}, {4, 52}, {4, 64}, {4, 76}, {4, 88}, {4, 100}, {4, 112}, {4, 124}, {0, 0}},
    {{74, 132}, {74, 144}, {74, 156}, {74, 168}, {74, 180}, {74, 192}, {74, 204}, {74, 216}, {0, 0}},
    {{4, 220}, {4, 232}, {4, 244}, {4, 256}, {4, 268}, {4, 280}, {4, 292}, {4, 304}, {0, 0}},
    {{60, 320}, {100, 320}, {40, 332}, {80, 332}, {120, 332}, {36, 344}, {76, 344}, {116, 344}, {0, 0}},
    {{164, 220}, {164, 232}, {164, 244}, {164, 256}, {164, 268}, {164, 280}, {164, 292}, {164, 304}, {0, 0}},
    {{240, 320}, {280, 320}, {220, 332}, {260, 332}, {300, 332}, {216, 344}, {256, 344}, {296, 344}, {0, 0}},
    {{320, 220}, {320, 232}, {320, 244}, {320, 256}, {320, 268}, {320, 280}, {320, 292}, {320, 304}, {0, 0}},
    {{254, 132}, {254, 144}, {254, 156}, {254, 168}, {254, 180}, {254, 192}, {254, 204}, {254, 216}, {0, 0}},
    {{320, 40}, {320, 52}, {320, 64}, {320, 76}, {320, 88}, {320, 100}, {320, 112}, {320, 124}, {0, 0}},
    {{216, 4}, {256, 4}, {296, 4}, {220, 16}, {260, 16}, {300, 16}, {240, 28}, {280, 28}, {0, 0}},
};
// clang-format on

void draw_north_chart(ChartCanvas& canvas, const Chart& chart, int x, int y) {
  constexpr int w = figure_width;
  constexpr int h = figure_height;
  constexpr int half_w = w / 2;
  constexpr int half_h = h / 2;

  canvas.select_black();
  canvas.draw_line(x, y, x + w, y);
  canvas.draw_line(x, y, x, y + h);
  canvas.draw_line(x, y + h, x + w, y + h);
  canvas.draw_line(x + w, y, x + w, y + h);
  // Both ends are painted, so the diagonals and the diamond stop one pixel
  // short of the far sides.
  canvas.draw_line(x, y, x + w - 1, y + h - 1);
  canvas.draw_line(x, y + h - 1, x + w - 1, y);
  canvas.draw_line(x + half_w, y, x, y + half_h);
  canvas.draw_line(x, y + half_h, x + half_w, y + h - 1);
  canvas.draw_line(x + half_w, y + h - 1, x + w - 1, y + half_h);
  canvas.draw_line(x + half_w, y, x + w - 1, y + half_h);

  int ascendant_sign = chart.bodies[ascendant_body].sign;

  int n = ascendant_sign + 1;
  for (int house = 0; house < 12; ++house) {
    char number[12];
    std::snprintf(number, sizeof number, "%d", n);
    canvas.draw_text(number, x + NorthNumberPos[house].dx,
                     y + NorthNumberPos[house].dy + 12);
    ++n;
    if (n == 13) n = 1;
  }

  int s = ascendant_sign;
  for (int house = 0; house < 12; ++house) {
    int bodies[body_count];
    int count = bodies_in_sign(chart, s, bodies);
    // Only a chart not computed yet (all zero) puts a tenth body in a sign:
    // the nodes always stand six signs apart.
    for (int slot = 0;
         slot < count && slot < static_cast<int>(std::size(NorthBodyPos[house]));
         ++slot) {
      char label[body_label_size];
      format_body_label(label, chart, bodies[slot]);
      const TextOffset& at = NorthBodyPos[house][slot];
      canvas.draw_text(label, x + at.dx, y + at.dy + 12);
    }
    ++s;
    if (s == 12) s = 0;
  }
}
