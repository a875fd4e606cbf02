#pragma once

#include <string>

#include "cli/report.h"
#include "drawing/chart_canvas.h"

// Draws into SVG elements in the widget's own pixels. Lines keep their
// integer end points; texts take their baseline point as x and y.
struct SvgCanvas : ChartCanvas {
  std::string texts;  // the text elements drawn so far
  std::string lines;  // the line elements drawn so far
  const char* colour = "black";

  void select_black() override;
  void draw_text(const char* text, int x, int y) override;
  void draw_line(int x1, int y1, int x2, int y2) override;
};

// Text as XML character data: markup characters escaped, bytes that are not
// UTF-8 and characters that XML forbids replaced by U+FFFD.
void append_xml_text(std::string& out, const char* text);

// The whole chart as the window draws it, as one SVG document: white
// background, black lines 1 unit wide, sans-serif text of size 11.
const char* append_svg_report(std::string& out, const ReportRequest& request);
