#pragma once

// What every fuzz target asks of a chart that was let in: it computes onto
// the circle and draws inside the widget. A broken promise
// aborts, which libFuzzer keeps as a crash input.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chart/chart.h"
#include "drawing/chart_blocks.h"
#include "drawing/chart_canvas.h"

inline void fuzz_require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
  std::abort();
}

// Every point drawn lies inside the 440 x 1008 widget and every text ends
// within the area it was formatted in.
struct CheckingCanvas : ChartCanvas {
  void select_black() override {}
  void draw_text(const char* text, int x, int y) override {
    // The sanitizers catch a text running past its area; here only its length.
    fuzz_require(std::strlen(text) < 64, "text longer than any area");
    fuzz_require(x >= 0 && x < 440 && y >= 0 && y <= 1008, "text outside the widget");
  }
  void draw_line(int x1, int y1, int x2, int y2) override {
    fuzz_require(x1 >= 0 && x1 < 440 && x2 >= 0 && x2 < 440, "line outside the widget");
    fuzz_require(y1 >= 0 && y1 < 1008 && y2 >= 0 && y2 < 1008, "line outside the widget");
  }
};

// Computes the chart of the inputs and draws it in both styles.
inline void compute_and_draw_chart(const ChartInput& input) {
  const Chart chart = chart_of(input);
  for (int body = 0; body < body_count; ++body) {
    fuzz_require(chart.positions[body] >= 0 && chart.positions[body] <= 21599,
                 "position off the circle");
  }
  fuzz_require(std::memchr(input.date_line, '\0', sizeof input.date_line) != nullptr,
               "date_line without its end");
  for (int style : {0, 1}) {
    CheckingCanvas canvas;
    draw_chart_blocks(canvas, chart, style, 1);
  }
}
