#include "cli/json_report.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <string_view>

#include "chart/position_derivations.h"
#include "chart/vargas.h"
#include "cli/dasha_report.h"
#include "cli/json_line.h"
#include "cli/offset_basis.h"
#include "cli/sade_sati_report.h"
#include "drawing/header_block.h"

namespace {

using namespace std::string_view_literals;

// A body's or a sign's abbreviation as a JSON string, made once.
const std::string& json_body(int body) {
  static const auto bodies = json_texts(BodyAbbrev);
  return bodies[static_cast<std::size_t>(body)];
}
const std::string& json_sign(int sign) {
  static const auto signs = json_texts(SignAbbrev);
  return signs[static_cast<std::size_t>(sign)];
}

void append_body(JsonLine& line, const Chart& chart, int body) {
  static const auto nakshatras = json_texts(NakshatraNames);
  int p = chart.positions[body];
  const BodyFacts& facts = chart.bodies[body];
  char position[position_text_size];
  format_position(position, p);
  line.raw(R"({"body":)"sv);
  line.raw(json_body(body));
  line.raw(R"(,"position":)"sv);
  line.value(p);
  line.raw(R"(,"speed":)"sv);
  line.value(chart.speeds[body]);
  line.raw(R"(,"sign":)"sv);
  line.raw(json_sign(facts.sign));
  line.raw(R"(,"degree":)"sv);
  line.value(degrees_in_sign(p));
  line.raw(R"(,"minute":)"sv);
  line.value(minutes_in_degree(p));
  line.raw(R"(,"position_text":)"sv);
  line.text(position);
  line.raw(R"(,"nakshatra":)"sv);
  line.raw(nakshatras[facts.nakshatra]);
  line.raw(R"(,"navamsha":)"sv);
  line.value(facts.navamsha);
  line.raw(R"(,"retrograde":)"sv);
  line.value(facts.retrograde);
  line.raw("}"sv);
}

// A divisional chart's diagram: its title and each body's sign and degrees
// there.
void append_varga_diagram(JsonLine& line, const Chart& chart, const Varga& varga) {
  const Chart diagram = varga_chart(chart, varga.division);
  line.raw(R"(,"varga":{"name":)"sv);
  line.text(varga_title(varga).c_str());
  line.raw(R"(,"bodies":[)"sv);
  for (int body = 0; body < body_count; ++body) {
    line.raw(body == 0 ? R"({"body":)"sv : R"(,{"body":)"sv);
    line.raw(json_body(body));
    line.raw(R"(,"sign":)"sv);
    line.raw(json_sign(diagram.bodies[body].sign));
    line.raw(R"(,"degree":)"sv);
    line.value(degrees_in_sign(diagram.positions[body]));
    line.raw("}"sv);
  }
  line.raw("]}"sv);
}

// The zone's fields are null for an offset that was given.
Json basis_json(const OffsetBasis& basis) {
  auto from_zone = [&basis](const std::string& text) {
    return basis.zone.empty() ? Json(nullptr) : Json(text);
  };
  Json entry;
  entry["zone"] = from_zone(basis.zone);
  entry["offset"] = utc_offset_text(basis.offset.minutes);
  entry["source"] = basis_source(basis);
  entry["abbreviation"] = from_zone(basis.offset.abbreviation);
  entry["tzdata"] = from_zone(basis.tzdata);
  return entry;
}

}  // namespace

const char* append_json_report(std::string& out, const ReportRequest& request) {
  const Chart& chart = request.chart;
  char place_line[place_line_size];
  format_place_line(place_line, chart.input);

  JsonLine line(out);
  line.raw(R"({"name":)"sv);
  line.text(chart.input.name);
  line.raw(R"(,"place":)"sv);
  line.text(chart.input.place);
  line.raw(R"(,"date_line":)"sv);
  line.text(chart.input.date_line);
  line.raw(R"(,"place_line":)"sv);
  line.text(place_line);
  line.raw(R"(,"julian_day":)"sv);
  line.value(chart.julian_day);
  line.raw(R"(,"bodies":[)"sv);
  for (int body = 0; body < body_count; ++body) {
    if (body > 0) line.raw(","sv);
    append_body(line, chart, body);
  }
  line.raw("]"sv);
  if (const Varga* varga = varga_of(request.varga);
      varga != nullptr && request.varga != 1)
    append_varga_diagram(line, chart, *varga);
  line.raw(R"(,"dashas":)"sv);
  append_dashas_json(line, chart.dashas, request.levels);
  if (request.basis != nullptr && request.basis->shown) {
    line.raw(R"(,"basis":)"sv);
    line.value(basis_json(*request.basis));
  }
  line.raw(R"(,"balance":)"sv);
  append_balance_json(line, chart.dashas);
  const int running = request.on_day ? running_period(chart.dashas, *request.on_day) : -1;
  if (running >= 0) {
    line.raw(R"(,"running":)"sv);
    append_running_json(line, chart.dashas, running, *request.on_day, request.levels);
  }
  if (request.sade_sati) {
    line.raw(R"(,"sade_sati":)"sv);
    append_sade_sati_json(line, chart);
  }
  line.raw("}\n"sv);
  return nullptr;
}
