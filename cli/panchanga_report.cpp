#include "cli/panchanga_report.h"

#include <nlohmann/json.hpp>

#include <cstdio>

#include "chart/panchanga_names.h"
#include "cli/text_lines.h"

namespace {

using Json = nlohmann::ordered_json;

const char* const LimbKeys[limb_count] = {"tithi", "nakshatra", "yoga", "karana"};
const char* const LimbLabels[limb_count] = {"Tithi", "Nakshatra", "Yoga", "Karana"};
const char* const RuleKeys[] = {"centre", "limb"};
const char* const RuleTexts[] = {
    "centre: the centre of the disc on the horizon, no refraction",
    "limb: the upper limb on the horizon, 34' refraction, 16' semi-diameter"};

std::string time_text(const LocalTimeText& local, UtMinute minute) {
  return local ? local(minute) : ut_minute_text(minute) + " UT";
}

std::string date_text(const CivilDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

// A tithi is named with its paksha in the text.
std::string shown_name(Limb limb, int number) {
  if (limb == tithi_limb)
    return std::string(paksha_name(number)) + ' ' + tithi_name(number);
  return limb_name(limb, number);
}

// "Label       number  name  until time", aligned.
void append_limb_line(std::string& out, const char* label, const std::string& number,
                      const std::string& name, const std::string& until) {
  constexpr std::size_t name_width = 20;
  char head[40];
  std::snprintf(head, sizeof head, "%-12s%3s  ", label, number.c_str());
  std::string text = head + name;
  if (!until.empty()) {
    text.append(name.size() < name_width ? name_width - name.size() : 0, ' ');
    text += "  until " + until;
  }
  append_line(out, text);
}

void append_sun_lines(std::string& out, int vara, const SunTimes& sun,
                      const LocalTimeText& local) {
  append_limb_line(out, "Vara", "", VaraNames[vara], "");
  append_limb_line(out, "Sunrise", "",
                   sun.sunrise ? time_text(local, nearest_minute(*sun.sunrise))
                               : "none: the Sun does not rise this day",
                   "");
  append_limb_line(out, "Sunset", "",
                   sun.sunset ? time_text(local, nearest_minute(*sun.sunset))
                              : "none: the Sun does not set this day",
                   "");
}

Json sun_json(const std::optional<UtSecond>& second, const LocalTimeText& local) {
  return second ? Json(time_text(local, nearest_minute(*second))) : Json(nullptr);
}

Json limb_json(Limb limb, const LimbSpan& span, const LocalTimeText& local, int pada) {
  Json entry;
  entry["number"] = span.number;
  entry["name"] = limb_name(limb, span.number);
  if (limb == tithi_limb) entry["paksha"] = paksha_name(span.number);
  if (pada > 0) entry["pada"] = pada;
  entry["ends"] = time_text(local, span.end);
  return entry;
}

Json vara_json(int vara) {
  Json entry;
  entry["number"] = vara;
  entry["name"] = VaraNames[vara];
  return entry;
}

}  // namespace

void append_panchanga_text(std::string& out, const Panchanga& panchanga,
                           const LocalTimeText& local) {
  for (int i = 0; i < limb_count; ++i) {
    const Limb limb = static_cast<Limb>(i);
    const LimbSpan& span = panchanga.limbs[limb];
    std::string name = shown_name(limb, span.number);
    if (limb == nakshatra_limb) name += ", pada " + std::to_string(panchanga.pada);
    append_limb_line(out, LimbLabels[limb], std::to_string(span.number), name,
                     time_text(local, span.end));
  }
  append_sun_lines(out, panchanga.vara, panchanga.sun, local);
  append_limb_line(out, "Sunrise rule", "", RuleTexts[panchanga.rule], "");
}

void append_panchanga_json(std::string& out, const Panchanga& panchanga,
                           const LocalTimeText& local) {
  Json body;
  for (int i = 0; i < limb_count; ++i) {
    const Limb limb = static_cast<Limb>(i);
    body[LimbKeys[limb]] = limb_json(limb, panchanga.limbs[limb], local,
                                     limb == nakshatra_limb ? panchanga.pada : 0);
  }
  body["vara"] = vara_json(panchanga.vara);
  body["sunrise"] = sun_json(panchanga.sun.sunrise, local);
  body["sunset"] = sun_json(panchanga.sun.sunset, local);
  body["sunrise_rule"] = RuleKeys[panchanga.rule];
  Json line;
  line["panchanga"] = body;
  out += line.dump() + '\n';
}

void append_panchanga_days_text(std::string& out, const PanchangaDays& listing,
                                const LocalTimeText& local) {
  append_limb_line(out, "Sunrise rule", "", RuleTexts[listing.rule], "");
  for (const PanchangaDay& day : listing.days) {
    out += '\n';
    append_limb_line(out, "Date", "", date_text(day.date), "");
    append_sun_lines(out, day.vara, day.sun, local);
    for (int i = 0; i < limb_count; ++i) {
      const Limb limb = static_cast<Limb>(i);
      const char* label = LimbLabels[limb];
      for (const LimbSpan& span : day.limbs[limb]) {
        append_limb_line(out, label, std::to_string(span.number),
                         shown_name(limb, span.number), time_text(local, span.end));
        label = "";
      }
    }
  }
}

void append_panchanga_days_json(std::string& out, const PanchangaDays& listing,
                                const LocalTimeText& local) {
  for (const PanchangaDay& day : listing.days) {
    Json line;
    line["date"] = date_text(day.date);
    line["vara"] = vara_json(day.vara);
    line["sunrise"] = sun_json(day.sun.sunrise, local);
    line["sunset"] = sun_json(day.sun.sunset, local);
    for (int i = 0; i < limb_count; ++i) {
      const Limb limb = static_cast<Limb>(i);
      Json entries = Json::array();
      for (const LimbSpan& span : day.limbs[limb])
        entries.push_back(limb_json(limb, span, local, 0));
      line[LimbKeys[limb]] = entries;
    }
    out += line.dump() + '\n';
  }
}

namespace {

Panchanga requested_panchanga(const ReportRequest& request) {
  return panchanga_of(request.chart, static_cast<SunriseRule>(request.sunrise_rule));
}

}  // namespace

const char* append_panchanga_text_report(std::string& out, const ReportRequest& request) {
  append_panchanga_text(out, requested_panchanga(request),
                        chart_local_time(request.chart));
  return nullptr;
}

const char* append_panchanga_json_report(std::string& out, const ReportRequest& request) {
  append_panchanga_json(out, requested_panchanga(request),
                        chart_local_time(request.chart));
  return nullptr;
}
