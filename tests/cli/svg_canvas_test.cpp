#include "cli/svg_canvas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "display/chart_blocks.h"
#include "support/recording_canvas.h"
#include "support/sample_charts.h"

namespace {

std::string xml_text(const char* text) {
  std::string out;
  append_xml_text(out, text);
  return out;
}

TEST(XmlText, MarkupCharactersAreEscaped) {
  EXPECT_EQ(xml_text("a<b>&\"c\"'d'"), "a&lt;b&gt;&amp;&quot;c&quot;&apos;d&apos;");
  EXPECT_EQ(xml_text(" 6Ar07"), " 6Ar07");
  EXPECT_EQ(xml_text(""), "");
}

TEST(XmlText, ValidUtf8IsKept) {
  EXPECT_EQ(xml_text("Z\xC3\xBCrich"), "Z\xC3\xBCrich");
  EXPECT_EQ(xml_text("\xE0\xA4\xA6\xE0\xA4\xBF"),
            "\xE0\xA4\xA6\xE0\xA4\xBF");                        // Devanagari
  EXPECT_EQ(xml_text("\xF0\x9F\x8C\x99"), "\xF0\x9F\x8C\x99");  // U+1F319
}

TEST(XmlText, WhatXmlCannotHoldBecomesReplacementCharacters) {
  const std::string fffd = "\xEF\xBF\xBD";
  EXPECT_EQ(xml_text("a\xFF"
                     "b"),
            "a" + fffd + "b");
  EXPECT_EQ(xml_text("\xC3"), fffd);  // cut short by the end
  EXPECT_EQ(xml_text("\xC3"
                     "A"),
            fffd + "A");                                    // cut short by a letter
  EXPECT_EQ(xml_text("\xC0\xAF"), fffd + fffd);             // overlong '/'
  EXPECT_EQ(xml_text("\xED\xA0\x80"), fffd + fffd + fffd);  // a surrogate
  EXPECT_EQ(xml_text("\xF4\x90\x80\x80"), fffd + fffd + fffd + fffd);  // past U+10FFFF
  EXPECT_EQ(xml_text("a\x01"
                     "b\x1F"),
            "a" + fffd + "b" + fffd);
  EXPECT_EQ(xml_text("\xEF\xBF\xBE"), fffd);  // U+FFFE
  EXPECT_EQ(xml_text("tab\there"), "tab\there");
}

std::size_t count_of(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos;
       at = text.find(part, at + 1))
    ++count;
  return count;
}

void set_chart(int style) {
  const int positions[body_count] = {12345, 0,    1000, 12000, 11000,
                                     800,   1799, 1500, 367,   11167};
  const int speeds[body_count] = {};
  set_drawn_chart("A & B <chart>", positions, speeds, style);
}

// Every call of the chart blocks becomes one element, in the order drawn,
// at the same point.
TEST(SvgReport, OneElementPerDrawingCall) {
  for (int style : {0, 1}) {
    SCOPED_TRACE(style);
    set_chart(style);
    RecordingCanvas recording;
    draw_chart_blocks(recording);
    SvgCanvas svg;
    draw_chart_blocks(svg);

    std::string expected_lines;
    for (const DrawCall& line : recording.lines()) {
      char element[128];
      std::snprintf(element, sizeof element,
                    "<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" stroke=\"black\"/>\n",
                    line.x1, line.y1, line.x2, line.y2);
      expected_lines += element;
    }
    EXPECT_EQ(svg.lines, expected_lines);

    std::string expected_texts;
    for (const DrawCall& text : recording.texts()) {
      char start[96];
      std::snprintf(start, sizeof start, "<text x=\"%d\" y=\"%d\" fill=\"black\">",
                    text.x1, text.y1);
      expected_texts += start + xml_text(text.text.c_str()) + "</text>\n";
    }
    EXPECT_EQ(svg.texts, expected_texts);
  }
}

TEST(SvgReport, DocumentFrame) {
  set_chart(0);
  std::string svg;
  append_svg_report(svg);
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
  EXPECT_NE(svg.find("width=\"440\" height=\"1008\" viewBox=\"0 0 440 1008\""),
            std::string::npos);
  EXPECT_NE(
      svg.find("<rect x=\"0\" y=\"0\" width=\"440\" height=\"1008\" fill=\"white\"/>"),
      std::string::npos);
  EXPECT_NE(svg.find("font-family=\"sans-serif\" font-size=\"11\""), std::string::npos);
  EXPECT_NE(svg.find("stroke-width=\"1\""), std::string::npos);
  EXPECT_NE(svg.find(">A &amp; B &lt;chart&gt;</text>"), std::string::npos);
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
  EXPECT_EQ(count_of(svg, "<svg"), 1u);
}

}  // namespace
