#include "cli/transit_report.h"

#include <nlohmann/json.hpp>

#include "base/chart_names.h"
#include "base/signed_angle.h"

namespace {

const char* const EventNames[] = {"sign", "nakshatra", "retrograde", "direct"};

// A sign or nakshatra as the chart writes it.
const char* place_name(const TransitEvent& event, int index) {
  return event.kind == sign_ingress ? SignAbbrev[index] : NakshatraNames[index];
}

bool is_ingress(const TransitEvent& event) {
  return event.kind == sign_ingress || event.kind == nakshatra_ingress;
}

}  // namespace

void append_transit_text(std::string& out, const std::vector<TransitEvent>& events,
                         const LocalTimeText& local) {
  for (const TransitEvent& event : events) {
    out += ut_minute_text(event.minute) + " UT  ";
    if (local) out += local(event.minute) + " local  ";
    out += BodyAbbrev[event.body];
    if (is_ingress(event)) {
      out += std::string(" enters ") + place_name(event, event.to) + " from " +
             place_name(event, event.from);
    } else {
      out += event.kind == retrograde_station ? " turns retrograde" : " turns direct";
    }
    out += '\n';
  }
}

void append_transit_json(std::string& out, const std::vector<TransitEvent>& events,
                         const LocalTimeText& local) {
  for (const TransitEvent& event : events) {
    nlohmann::ordered_json line;
    line["body"] = BodyAbbrev[event.body];
    line["event"] = EventNames[event.kind];
    if (is_ingress(event)) {
      line["from"] = place_name(event, event.from);
      line["to"] = place_name(event, event.to);
    }
    line["ut"] = ut_minute_text(event.minute);
    if (local) line["local"] = local(event.minute);
    out += line.dump() + '\n';
  }
}

LocalTimeText local_time_in(const ZoneMinutesEast& east) {
  if (!east) return {};
  return [east](UtMinute minute) { return ut_minute_text(minute + east(minute)); };
}

LocalTimeText fixed_offset_time(int minutes_east) {
  return local_time_in([minutes_east](UtMinute) { return minutes_east; });
}

LocalTimeText chart_local_time(const Chart& chart) {
  // The chart's zone is the other way round: ahead of Universal Time is "-".
  return fixed_offset_time(static_cast<int>(-signed_minutes(zone_angle(chart.input))));
}

namespace {

std::vector<TransitEvent> requested_events(const ReportRequest& request) {
  return find_transits(request.first, request.end, request.nakshatras);
}

}  // namespace

const char* append_transits_text_report(std::string& out, const ReportRequest& request) {
  append_transit_text(out, requested_events(request), chart_local_time(request.chart));
  return nullptr;
}

const char* append_transits_json_report(std::string& out, const ReportRequest& request) {
  append_transit_json(out, requested_events(request), chart_local_time(request.chart));
  return nullptr;
}
