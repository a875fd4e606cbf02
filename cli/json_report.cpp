#include "cli/json_report.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <string_view>

#include "chart/position_derivations.h"
#include "chart/sade_sati.h"
#include "chart/vimshottari.h"
#include "cli/offset_basis.h"
#include "drawing/dasha_block.h"
#include "drawing/header_block.h"

namespace {

using namespace std::string_view_literals;

// The line is written member by member in the bytes that dumping the same
// document would give, keys in the order written: building and dumping a
// document of some 400 values a chart cost twice the astronomy.
using Json = nlohmann::ordered_json;

// Printable ASCII but '"' and '\' stands in a JSON string as it is; the
// program's own texts and most names are nothing else.
bool needs_serializer(const char* text, std::size_t& length) {
  const char* end = text;
  while (*end >= ' ' && *end <= '~' && *end != '"' && *end != '\\') ++end;
  length = static_cast<std::size_t>(end - text);
  return *end != '\0';
}

// One chart's line. Every number, and every text with anything to escape,
// goes through the serializer behind Json::dump. Names and places come from
// the user or the file as bytes: what is not UTF-8 is replaced instead of
// failing the chart.
class JsonLine {
 public:
  explicit JsonLine(std::string& out)
      : out_(out),
        serializer_(nlohmann::detail::output_adapter<char>(out), ' ',
                    nlohmann::json::error_handler_t::replace) {}

  // Punctuation, keys and texts already in JSON.
  void raw(std::string_view json) { out_ += json; }

  void text(const char* text) {
    std::size_t length;
    if (needs_serializer(text, length)) {
      serializer_.dump(Json(text), false, false, 0);
      return;
    }
    out_ += '"';
    out_.append(text, length);
    out_ += '"';
  }

  void value(const Json& value) { serializer_.dump(value, false, false, 0); }

 private:
  std::string& out_;
  nlohmann::detail::serializer<Json> serializer_;
};

// A table of names as JSON strings, made once.
template <std::size_t count>
std::array<std::string, count> json_texts(const char* const (&names)[count]) {
  std::array<std::string, count> texts;
  for (std::size_t i = 0; i < count; ++i) {
    JsonLine line(texts[i]);
    line.text(names[i]);
  }
  return texts;
}

void append_body(JsonLine& line, const Chart& chart, int body) {
  static const auto bodies = json_texts(BodyAbbrev);
  static const auto signs = json_texts(SignAbbrev);
  static const auto nakshatras = json_texts(NakshatraNames);
  int p = chart.positions[body];
  const BodyFacts& facts = chart.bodies[body];
  char position[position_text_size];
  format_position(position, p);
  line.raw(R"({"body":)"sv);
  line.raw(bodies[body]);
  line.raw(R"(,"position":)"sv);
  line.value(p);
  line.raw(R"(,"speed":)"sv);
  line.value(chart.speeds[body]);
  line.raw(R"(,"sign":)"sv);
  line.raw(signs[facts.sign]);
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

// A dasha lord's abbreviation as a JSON string.
const std::string& json_lord(int lord) {
  static const auto lords = json_texts(DashaLords);
  return lords[static_cast<std::size_t>(lord)];
}

// The listing's entries as an array, each with its lords, day and date.
// A sub-period's third-level periods, each with its lord, day and date.
void append_third_level(JsonLine& line, const DashaSequence& sequence, int index) {
  const ThirdLevelPeriods third = third_level_periods(sequence, index);
  line.raw(R"(,"periods":[)"sv);
  for (int k = 0; k < third.count; ++k) {
    char date[date_text_size];
    format_date(date, third.periods[k].start_day);
    line.raw(k == 0 ? R"({"lord":)"sv : R"(,{"lord":)"sv);
    line.raw(json_lord(third.periods[k].lord));
    line.raw(R"(,"day":)"sv);
    line.value(third.periods[k].start_day);
    line.raw(R"(,"date":)"sv);
    line.text(date);
    line.raw("}"sv);
  }
  line.raw("]"sv);
}

// The listing's entries as an array, each with its lords, day and date, and
// with three levels its third-level periods.
void append_dashas(JsonLine& line, const DashaSequence& sequence, int levels) {
  line.raw("["sv);
  for (int i = 0; i < sequence.count; ++i) {
    const DashaPeriod& period = sequence.periods[i];
    char date[date_text_size];
    format_date(date, period.start_day);
    line.raw(i == 0 ? R"({"major":)"sv : R"(,{"major":)"sv);
    line.raw(json_lord(period.major_lord));
    line.raw(R"(,"sub":)"sv);
    line.raw(json_lord(period.sub_lord));
    line.raw(R"(,"day":)"sv);
    line.value(period.start_day);
    line.raw(R"(,"date":)"sv);
    line.text(date);
    if (levels >= 3) append_third_level(line, sequence, i);
    line.raw("}"sv);
  }
  line.raw("]"sv);
}

void append_balance(JsonLine& line, const DashaSequence& sequence) {
  const DashaBalance balance = birth_balance(sequence);
  line.raw(R"({"lord":)"sv);
  line.raw(json_lord(balance.lord));
  line.raw(R"(,"years":)"sv);
  line.value(balance.years);
  line.raw(R"(,"months":)"sv);
  line.value(balance.months);
  line.raw(R"(,"days":)"sv);
  line.value(balance.days);
  line.raw(R"(,"days_total":)"sv);
  line.value(balance.days_total);
  line.raw("}"sv);
}

void append_running(JsonLine& line, const DashaSequence& sequence, int running,
                    double day, int levels) {
  RunningDates dates;
  format_running_dates(dates, sequence, running);
  const DashaPeriod& period = sequence.periods[running];
  line.raw(R"({"major":)"sv);
  line.raw(json_lord(period.major_lord));
  line.raw(R"(,"sub":)"sv);
  line.raw(json_lord(period.sub_lord));
  line.raw(R"(,"start_date":)"sv);
  line.text(dates.start);
  line.raw(R"(,"end_date":)"sv);
  line.text(dates.end);
  if (levels >= 3) {
    const ThirdLevelPeriods third = third_level_periods(sequence, running);
    const int k = running_third_level(third, day);
    format_third_level_dates(dates, sequence, running, third, k);
    line.raw(R"(,"period":{"lord":)"sv);
    line.raw(json_lord(third.periods[k].lord));
    line.raw(R"(,"start_date":)"sv);
    line.text(dates.start);
    line.raw(R"(,"end_date":)"sv);
    line.text(dates.end);
    line.raw("}"sv);
  }
  line.raw("}"sv);
}

// Saturn's stretches over the natal Moon, from and to a UT minute.
void append_sade_sati(JsonLine& line, const Chart& chart) {
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
  line.raw(R"(],"dashas":)"sv);
  append_dashas(line, chart.dashas, request.levels);
  if (request.basis != nullptr && request.basis->shown) {
    line.raw(R"(,"basis":)"sv);
    line.value(basis_json(*request.basis));
  }
  line.raw(R"(,"balance":)"sv);
  append_balance(line, chart.dashas);
  const int running = request.on_day ? running_period(chart.dashas, *request.on_day) : -1;
  if (running >= 0) {
    line.raw(R"(,"running":)"sv);
    append_running(line, chart.dashas, running, *request.on_day, request.levels);
  }
  if (request.sade_sati) {
    line.raw(R"(,"sade_sati":)"sv);
    append_sade_sati(line, chart);
  }
  line.raw("}\n"sv);
  return nullptr;
}
