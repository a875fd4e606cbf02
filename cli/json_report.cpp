#include "cli/json_report.h"

#include <nlohmann/json.hpp>

#include "app/chart_state.h"
#include "chart/position_derivations.h"
#include "chart/vimshottari.h"
#include "display/dasha_block.h"
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

void append_json_report(std::string& out, const OffsetBasis* basis,
                        std::optional<double> on_day) {
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

  DashaSequence sequence;
  list_dasha_periods(sequence);
  Json dashas = Json::array();
  for (int i = 0; i < sequence.count; ++i) {
    const DashaPeriod& period = sequence.periods[i];
    char date[date_text_size];
    format_date(date, period.start_day);
    Json item;
    item["major"] = DashaLords[period.major_lord];
    item["sub"] = DashaLords[period.sub_lord];
    item["day"] = period.start_day;
    item["date"] = date;
    dashas.push_back(std::move(item));
  }
  chart["dashas"] = std::move(dashas);
  if (basis != nullptr && basis->shown) chart["basis"] = basis_json(*basis);

  const DashaBalance balance = birth_balance(sequence);
  Json balance_json;
  balance_json["lord"] = DashaLords[balance.lord];
  balance_json["years"] = balance.years;
  balance_json["months"] = balance.months;
  balance_json["days"] = balance.days;
  balance_json["days_total"] = balance.days_total;
  chart["balance"] = std::move(balance_json);

  const int running = on_day ? running_period(sequence, *on_day) : -1;
  if (running >= 0) {
    RunningDates dates;
    format_running_dates(dates, sequence, running);
    const DashaPeriod& period = sequence.periods[running];
    Json running_json;
    running_json["major"] = DashaLords[period.major_lord];
    running_json["sub"] = DashaLords[period.sub_lord];
    running_json["start_date"] = dates.start;
    running_json["end_date"] = dates.end;
    chart["running"] = std::move(running_json);
  }

  // Names and places come from the user or the file as bytes: replace what
  // is not UTF-8 instead of failing the whole chart.
  out += chart.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  out += '\n';
}
