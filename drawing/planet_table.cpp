#include "drawing/planet_table.h"

#include "chart/position_derivations.h"
#include "drawing/body_label.h"

void draw_planet_table(ChartCanvas& canvas, const Chart& chart, int x, int y) {
  for (int body = 0; body < body_count; ++body) {
    int row = body < 5 ? body : body - 5;
    int column_x = body < 5 ? x : x + 180;
    int baseline = y + 12 * row + 12;
    int p = chart.positions[body];

    char name[body_label_size];
    format_body_name(name, chart, body);
    canvas.draw_text(name, column_x, baseline);

    char position[position_text_size];
    format_position(position, p);
    canvas.draw_text(position, column_x + 30, baseline);

    canvas.draw_text(NakshatraNames[chart.bodies[body].nakshatra], column_x + 80,
                     baseline);
  }
}
