#include "cli/sade_sati_report.h"

#include "chart/sade_sati.h"
#include "cli/text_lines.h"

using namespace std::string_view_literals;

// Saturn's stretches in the three signs around the natal Moon's.
void append_sade_sati_text(std::string& out, const Chart& chart) {
  append_line(out, "Sade Sati (Saturn in the 12th, 1st or 2nd sign from the Moon in " +
                       std::string(SignAbbrev[chart.bodies[moon_body].sign]) + "), UT:");
  for (const SadeSatiStretch& stretch : sade_sati(chart))
    append_line(out,
                ut_minute_text(stretch.start) + " to " + ut_minute_text(stretch.end));
}

// Saturn's stretches over the natal Moon, from and to a UT minute.
void append_sade_sati_json(JsonLine& line, const Chart& chart) {
  line.raw("["sv);
  bool first = true;
  for (const SadeSatiStretch& stretch : sade_sati(chart)) {
    line.raw(first ? R"({"start":)"sv : R"(,{"start":)"sv);
    line.text(ut_minute_text(stretch.start).c_str());
    line.raw(R"(,"end":)"sv);
    line.text(ut_minute_text(stretch.end).c_str());
    line.raw("}"sv);
    first = false;
  }
  line.raw("]"sv);
}

const char* append_sade_sati_text_report(std::string& out, const ReportRequest& request) {
  append_sade_sati_text(out, request.chart);
  return nullptr;
}

const char* append_sade_sati_json_report(std::string& out, const ReportRequest& request) {
  JsonLine line(out);
  line.raw(R"({"sade_sati":)"sv);
  append_sade_sati_json(line, request.chart);
  line.raw("}\n"sv);
  return nullptr;
}
