#include "cli/json_report.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <string_view>

#include "app/chart_state.h"
#include "chart/position_derivations.h"
#include "chart/vimshottari.h"
#include "display/header_block.h"

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

void append_body(JsonLine& line, int body) {
  static const auto bodies = json_texts(BodyAbbrev);
  static const auto signs = json_texts(SignAbbrev);
  static const auto nakshatras = json_texts(NakshatraNames);
  int p = ChartState.positions[body];
  char position[position_text_size];
  format_position(position, p);
  line.raw(R"({"body":)"sv);
  line.raw(bodies[body]);
  line.raw(R"(,"position":)"sv);
  line.value(p);
  line.raw(R"(,"speed":)"sv);
  line.value(ChartState.speeds[body]);
  line.raw(R"(,"sign":)"sv);
  line.raw(signs[sign_of(p)]);
  line.raw(R"(,"degree":)"sv);
  line.value(degrees_in_sign(p));
  line.raw(R"(,"minute":)"sv);
  line.value(minutes_in_degree(p));
  line.raw(R"(,"position_text":)"sv);
  line.text(position);
  line.raw(R"(,"nakshatra":)"sv);
  line.raw(nakshatras[nakshatra_of(p)]);
  line.raw(R"(,"navamsha":)"sv);
  line.value(navamsha_sign_of(p));
  line.raw(R"(,"retrograde":)"sv);
  line.value(is_retrograde_marked(body));
  line.raw("}"sv);
}

// The listing's entries as an array, each with its lords, day and date.
void append_dashas(JsonLine& line) {
  static const auto lords = json_texts(DashaLords);
  DashaListing listing;
  list_dashas(listing, 8, 520);
  line.raw("["sv);
  for (int i = 0; i < listing.entry_count; ++i) {
    const DashaEntry& entry = listing.entries[i];
    line.raw(i == 0 ? R"({"major":)"sv : R"(,{"major":)"sv);
    line.raw(lords[entry.major_lord]);
    line.raw(R"(,"sub":)"sv);
    line.raw(lords[entry.sub_lord]);
    line.raw(R"(,"day":)"sv);
    line.value(entry.date);
    line.raw(R"(,"date":)"sv);
    line.text(entry.date_text);
    line.raw("}"sv);
  }
  line.raw("]"sv);
}

}  // namespace

void append_json_report(std::string& out) {
  char place_line[place_line_size];
  format_place_line(place_line);

  JsonLine line(out);
  line.raw(R"({"name":)"sv);
  line.text(ChartState.name);
  line.raw(R"(,"place":)"sv);
  line.text(ChartState.place);
  line.raw(R"(,"date_line":)"sv);
  line.text(ChartState.date_line);
  line.raw(R"(,"place_line":)"sv);
  line.text(place_line);
  line.raw(R"(,"julian_day":)"sv);
  line.value(ChartState.julian_day);
  line.raw(R"(,"bodies":[)"sv);
  for (int body = 0; body < body_count; ++body) {
    if (body > 0) line.raw(","sv);
    append_body(line, body);
  }
  line.raw(R"(],"dashas":)"sv);
  append_dashas(line);
  line.raw("}\n"sv);
}
