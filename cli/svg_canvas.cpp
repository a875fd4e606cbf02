#include "cli/svg_canvas.h"

#include <cstdint>
#include <cstdio>

#include "display/chart_blocks.h"
#include "display/chart_geometry.h"

namespace {

const char* const replacement_character = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at text, 0 when it is not one
// (overlong forms, surrogates and values past U+10FFFF included).
int utf8_sequence_length(const unsigned char* text, std::uint32_t& code) {
  unsigned char lead = text[0];
  int length;
  std::uint32_t least;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    least = 0x80;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    least = 0x800;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    least = 0x10000;
    code = lead & 0x07;
  } else {
    return 0;
  }
  for (int i = 1; i < length; ++i) {
    if ((text[i] & 0xC0) != 0x80) return 0;  // the NUL ends the text here too
    code = (code << 6) | (text[i] & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

bool allowed_in_xml(std::uint32_t code) {
  if (code < 0x20) return code == '\t' || code == '\n' || code == '\r';
  return code != 0xFFFE && code != 0xFFFF;
}

}  // namespace

void append_xml_text(std::string& out, const char* text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  while (*bytes != 0) {
    std::uint32_t code = 0;
    int length = utf8_sequence_length(bytes, code);
    if (length == 0 || !allowed_in_xml(code)) {
      out += replacement_character;
      bytes += length == 0 ? 1 : length;
      continue;
    }
    switch (code) {
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
      default:
        out.append(reinterpret_cast<const char*>(bytes), length);
    }
    bytes += length;
  }
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

void append_svg_report(std::string& out) {
  SvgCanvas canvas;
  draw_chart_blocks(canvas);
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
  out +=
      "<g font-family=\"sans-serif\" font-size=\"11\" xml:space=\"preserve\" "
      "style=\"white-space:pre\">\n";
  out += canvas.texts;
  out += "</g>\n</svg>\n";
}
