#include "cli/svg_report.h"

#include <cstdint>
#include <cstdio>

#include "base/utf8_text.h"
#include "drawing/chart_blocks.h"
#include "drawing/chart_geometry.h"

namespace {

bool allowed_in_xml(std::uint32_t code) {
  if (code < 0x20) return code == '\t' || code == '\n' || code == '\r';
  return code != 0xFFFE && code != 0xFFFF;
}

}  // namespace

void append_xml_text(std::string& out, const char* text) {
  for_each_character(text, [&out](std::uint32_t code, const char* bytes, int length) {
    switch (allowed_in_xml(code) ? code : 0xFFFD) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      case 0xFFFD:
        out += replacement_character;
        break;
      default:
        out.append(bytes, static_cast<std::size_t>(length));
    }
  });
}

void SvgCanvas::select_black() { colour = "black"; }

void SvgCanvas::draw_text(const char* text, int x, int y) {
  char start[96];
  std::snprintf(start, sizeof start, "<text x=\"%d\" y=\"%d\" fill=\"%s\">", x, y,
                colour);
  texts += start;
  append_xml_text(texts, text);
  texts += "</text>\n";
}

void SvgCanvas::draw_line(int x1, int y1, int x2, int y2) {
  char element[128];
  std::snprintf(element, sizeof element,
                "<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" stroke=\"%s\"/>\n", x1, y1,
                x2, y2, colour);
  lines += element;
}

const char* append_svg_report(std::string& out, const ReportRequest& request) {
  SvgCanvas canvas;
  draw_chart_blocks(canvas, request.chart, request.chart_style, request.varga);
  char head[384];
  std::snprintf(head, sizeof head,
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                "viewBox=\"0 0 %d %d\">\n"
                "<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"white\"/>\n",
                chart_width, chart_height, chart_width, chart_height, chart_width,
                chart_height);
  out += head;
  // The window paints whole pixels: a line through pixel centres, with square
  // ends, covers the same pixels, both end points included.
  out +=
      "<g stroke-width=\"1\" stroke-linecap=\"square\" transform=\"translate(0.5 "
      "0.5)\">\n";
  out += canvas.lines;
  out += "</g>\n";
  // Blanks inside texts belong to them (" 6Ar07", "Ve/Mo "): keep them.
  char text_group[128];
  std::snprintf(text_group, sizeof text_group,
                "<g font-family=\"sans-serif\" font-size=\"%d\" xml:space=\"preserve\" "
                "style=\"white-space:pre\">\n",
                chart_font_size);
  out += text_group;
  out += canvas.texts;
  out += "</g>\n</svg>\n";
  return nullptr;
}
