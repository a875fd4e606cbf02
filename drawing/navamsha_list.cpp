#include "drawing/navamsha_list.h"

#include "drawing/body_label.h"

void draw_navamsha_list(ChartCanvas& canvas, const Chart& chart, int x, int y) {
  canvas.draw_text("Navamsha Signs:", x, y + 12);
  for (int body = 0; body < body_count; ++body) {
    char item[body_label_size];
    format_navamsha_item(item, chart, body);
    canvas.draw_text(item, x + 36 * body, y + 24);
  }
}
