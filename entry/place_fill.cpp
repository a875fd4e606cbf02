#include "entry/place_fill.h"

#include "places/query_text.h"
#include "places/zone_offset.h"

namespace {

// The dialog's date and time as a chart's, when they name a moment the
// chart takes. An empty field reads as 0, which the checks refuse for the
// day and year but take for the hour and minute: an empty time names none.
bool read_moment(const ChartDataEntries& entries, ChartInput& chart) {
  if (entries.hour.empty() || entries.minute.empty()) return false;
  chart = read_chart_data(entries);
  return check_moment(chart) == nullptr;
}

SignedAngle chart_zone(const ZoneOffset& offset) {
  return angle_of_minutes(-offset.minutes);
}

// A message box takes its lines as they are: the text broken between words
// into lines of at most line_width characters.
constexpr std::size_t line_width = 48;

std::string wrapped(const std::string& text) {
  std::string out;
  std::size_t line_start = 0;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    if (at > line_start && end - line_start > line_width) {
      out.back() = '\n';
      line_start = out.size();
    }
    out += text.substr(at, end - at + 1);
    at = end + 1;
  }
  return out;
}

}  // namespace

PlaceFill fill_for_place(const AtlasPlace& place, const ChartDataEntries& entries) {
  PlaceFill fill;
  char kept[32];
  store_text(kept, place.name);
  fill.place = kept;
  fill.longitude = longitude_of(place);
  fill.latitude = latitude_of(place);
  ChartInput chart{};
  if (!read_moment(entries, chart)) {
    fill.message = "The zone of " + place.name + " needs\na valid date and time.";
    return fill;
  }
  set_longitude(chart, fill.longitude);
  const ZoneAnswer answer = zone_offset_at({place.zone, chart, fold_refused, true});
  switch (answer.outcome) {
    case ZoneAnswer::found:
      fill.zone_fill = PlaceFill::zone_set;
      fill.zone = chart_zone(answer.offset);
      break;
    case ZoneAnswer::twice:
      fill.zone_fill = PlaceFill::zone_twice;
      fill.earlier = chart_zone(answer.offset);
      fill.later = chart_zone(answer.later);
      fill.earlier_text = zone_offset_text(answer.offset);
      fill.later_text = zone_offset_text(answer.later);
      fill.message = wrapped(answer.message + ".") + "\nWhich offset?";
      break;
    default:
      fill.message = wrapped(answer.message + ".");
  }
  return fill;
}

std::string no_place_message(const std::string& text) {
  return "No place " + quoted_query(text) + "\nin the atlas.";
}
