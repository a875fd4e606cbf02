#pragma once

// What every chart block draws through. The window, the test recorder and
// the SVG writer each provide one. Coordinates are the widget's own pixels;
// a text's point is the left end of its baseline, and both ends of a line
// are painted.
struct ChartCanvas {
  virtual ~ChartCanvas() = default;
  virtual void select_black() = 0;
  virtual void draw_text(const char* text, int x, int y) = 0;
  virtual void draw_line(int x1, int y1, int x2, int y2) = 0;
};
