#include "cli/match_report.h"

#include <nlohmann/json.hpp>

#include <string>
#include <utility>

#include "base/utf8_text.h"
#include "chart/ashtakoota.h"

namespace {

using Json = nlohmann::ordered_json;

// Where the points stand, after the longest name, "Graha Maitri".
constexpr std::size_t points_column = 15;

std::string points_text(int half_points) {
  return std::to_string(half_points / 2) + (half_points % 2 != 0 ? ".5" : "");
}

Json points_json(int half_points) {
  return half_points % 2 != 0 ? Json(half_points / 2.0) : Json(half_points / 2);
}

// "Boy:  Ravi (U.Bhadra, Pi)": a control character in the name would act on
// the terminal, so it is shown as a blank.
void append_person(std::string& out, const char* label, const Chart& chart) {
  const BodyFacts& moon = chart.bodies[moon_body];
  const std::string name = unpadded_name(chart.input);
  out += label;
  if (!name.empty()) {
    append_terminal_text(out, name.c_str());
    out += ' ';
  }
  out += std::string("(") + NakshatraNames[moon.nakshatra] + ", " +
         SignAbbrev[moon.sign] + ")\n";
}

void append_points_line(std::string& out, const char* name, int half_points,
                        int maximum) {
  std::string line = name;
  line.resize(points_column, ' ');
  out += line + points_text(half_points) + " of " + std::to_string(maximum) + '\n';
}

}  // namespace

const char* append_match_text(std::string& out, const ReportRequest& request) {
  const Chart& boy = request.chart;
  const Chart& girl = *request.partner;
  const AshtakootaMatch match = ashtakoota_match(boy, girl);
  append_person(out, "Boy:  ", boy);
  append_person(out, "Girl: ", girl);
  for (const KootaPoints& koota : match.kootas)
    append_points_line(out, koota.name, koota.half_points, koota.maximum);
  append_points_line(out, "Total", match.total_half_points, ashtakoota_maximum);
  return nullptr;
}

const char* append_match_json(std::string& out, const ReportRequest& request) {
  const Chart& boy = request.chart;
  const Chart& girl = *request.partner;
  const AshtakootaMatch match = ashtakoota_match(boy, girl);
  Json entry;
  entry["boy"] = unpadded_name(boy.input);
  entry["girl"] = unpadded_name(girl.input);
  entry["kootas"] = Json::array();
  for (const KootaPoints& koota : match.kootas)
    entry["kootas"].push_back({{"name", koota.name},
                               {"points", points_json(koota.half_points)},
                               {"of", koota.maximum}});
  entry["total"] = points_json(match.total_half_points);
  entry["of"] = ashtakoota_maximum;
  Json line;
  line["match"] = std::move(entry);
  out += line.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
  return nullptr;
}
