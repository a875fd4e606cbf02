#include "cli/cairo_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/utf8_text.h"
#include "drawing/chart_blocks.h"
#include "drawing/chart_canvas.h"
#include "drawing/chart_geometry.h"

namespace {

// Draws in the widget's own pixels (the context may scale them).
struct CairoCanvas : ChartCanvas {
  explicit CairoCanvas(cairo_t* context) : cairo(context) {}

  void select_black() override { cairo_set_source_rgb(cairo, 0, 0, 0); }

  // Cairo stops drawing at the first text that is not UTF-8.
  void draw_text(const char* text, int x, int y) override {
    valid.clear();
    append_valid_utf8(valid, text);
    cairo_move_to(cairo, x, y);
    cairo_show_text(cairo, valid.c_str());
  }

  // The window paints one whole pixel a row of a steep line (a column of a
  // flat one), both end points included: a line through pixel centres, as
  // wide across as one pixel, with square ends, covers the same pixels.
  void draw_line(int x1, int y1, int x2, int y2) override {
    double dx = std::abs(x2 - x1);
    double dy = std::abs(y2 - y1);
    double length = std::hypot(dx, dy);
    cairo_set_line_width(cairo, length > 0 ? std::max(dx, dy) / length : 1.0);
    cairo_move_to(cairo, x1 + 0.5, y1 + 0.5);
    cairo_line_to(cairo, x2 + 0.5, y2 + 0.5);
    cairo_stroke(cairo);
  }

  cairo_t* cairo;
  std::string valid;
};

}  // namespace

cairo_status_t append_cairo_bytes(void* out, const unsigned char* data,
                                  unsigned int length) {
  static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// White ground, then the blocks. Text settings are fixed here rather than
// taken from the user's fontconfig, so a chart is the same picture anywhere:
// grey antialiasing, slight hinting and whole-pixel advances as the window
// has them on Debian. The lines are not antialiased: the window's are not.
cairo_status_t draw_cairo_chart(cairo_surface_t* surface, const Chart& chart,
                                int chart_style, int varga, int scale) {
  const CairoContext owned(cairo_create(surface), cairo_destroy);
  cairo_t* cairo = owned.get();
  cairo_scale(cairo, scale, scale);
  cairo_set_source_rgb(cairo, 1, 1, 1);
  cairo_paint(cairo);

  const CairoFontOptions options(cairo_font_options_create(), cairo_font_options_destroy);
  cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cairo, options.get());
  cairo_select_font_face(cairo, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cairo, chart_font_size);

  cairo_set_antialias(cairo, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_cap(cairo, CAIRO_LINE_CAP_SQUARE);

  cairo_set_source_rgb(cairo, 0, 0, 0);
  CairoCanvas canvas(cairo);
  draw_chart_blocks(canvas, chart, chart_style, varga);
  return cairo_status(cairo);
}
