#include "cli/json_report.h"

#include <nlohmann/json.hpp>

#include "app/chart_state.h"
#include "chart/position_derivations.h"
#include "chart/vimshottari.h"
#include "display/header_block.h"

namespace {
// Keys stay in the order they are written, so lines read well and diff well.
using Json = nlohmann::ordered_json;

Json body_json(int body) {
  int p = ChartState.positions[body];
  char position[position_text_size];
  format_position(position, p);
  Json entry;
  entry["body"] = BodyAbbrev[body];
  entry["position"] = p;
  entry["speed"] = ChartState.speeds[body];
  entry["sign"] = SignAbbrev[sign_of(p)];
  entry["degree"] = degrees_in_sign(p);
  entry["minute"] = minutes_in_degree(p);
  entry["position_text"] = position;
  entry["nakshatra"] = NakshatraNames[nakshatra_of(p)];
  entry["navamsha"] = navamsha_sign_of(p);
  entry["retrograde"] = is_retrograde_marked(body);
  return entry;
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

void append_json_report(std::string& out, const OffsetBasis* basis) {
  char place_line[place_line_size];
  format_place_line(place_line);

  Json chart;
  chart["name"] = ChartState.name;
  chart["place"] = ChartState.place;
  chart["date_line"] = ChartState.date_line;
  chart["place_line"] = place_line;
  chart["julian_day"] = ChartState.julian_day;

  Json bodies = Json::array();
  for (int body = 0; body < body_count; ++body) bodies.push_back(body_json(body));
  chart["bodies"] = std::move(bodies);

  DashaListing listing;
  list_dashas(listing, 8, 520);
  Json dashas = Json::array();
  for (int i = 0; i < listing.entry_count; ++i) {
    const DashaEntry& entry = listing.entries[i];
    Json item;
    item["major"] = DashaLords[entry.major_lord];
    item["sub"] = DashaLords[entry.sub_lord];
    item["day"] = entry.date;
    item["date"] = entry.date_text;
    dashas.push_back(std::move(item));
  }
  chart["dashas"] = std::move(dashas);
  if (basis != nullptr && basis->shown) chart["basis"] = basis_json(*basis);

  // Names and places come from the user or the file as bytes: replace what
  // is not UTF-8 instead of failing the whole chart.
  out += chart.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  out += '\n';
}
