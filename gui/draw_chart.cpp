#include "gui/draw_chart.h"

#include <FL/fl_draw.H>

#include "drawing/chart_blocks.h"
#include "drawing/chart_geometry.h"

namespace {
// The toolkit draws in window coordinates: every point is shifted by the
// widget's own position.
struct ToolkitCanvas : ChartCanvas {
  int origin_x;
  int origin_y;

  ToolkitCanvas(int x, int y) : origin_x(x), origin_y(y) {}
  void select_black() override { fl_color(FL_BLACK); }
  void draw_text(const char* text, int x, int y) override {
    fl_draw(text, origin_x + x, origin_y + y);
  }
  void draw_line(int x1, int y1, int x2, int y2) override {
    fl_line(origin_x + x1, origin_y + y1, origin_x + x2, origin_y + y2);
  }
};
}  // namespace

draw_chart::draw_chart(int x, int y, int width, int height, const ChartState& shown)
    : Fl_Widget(x, y, width, height, "chart"), shown_(shown) {
  align(FL_ALIGN_TOP);
  box(FL_FLAT_BOX);
  color(FL_WHITE);
}

void draw_chart::draw() {
  fl_font(FL_HELVETICA, chart_font_size);
  ToolkitCanvas canvas(x(), y());
  draw_chart_blocks(canvas, shown_.chart, shown_.chart_style, shown_.varga);
}
