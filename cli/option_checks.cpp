#include "cli/option_checks.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <utility>

#include "cli/option_values.h"

namespace {

// The local time comes from a zone or from one offset, never both.
bool zone_and_offset_given(const PrintOptions& options, std::string& error) {
  if (options.zone.empty() || !options.has_utc_offset) return false;
  error = "--zone and --utc-offset exclude each other: give one";
  return true;
}

// A range of days from --from up to --to: both given, the end after the
// start, a hundred calendar years at most.
bool check_range(const PrintOptions& options, const char* what, std::string& error) {
  if (!options.has_from || !options.has_to) {
    error = std::string(what) + " needs --from and --to";
    return false;
  }
  switch (day_range_fault(options.from_year, options.from_month, options.from_day,
                          options.to_year, options.to_month, options.to_day)) {
    case DayRangeFault::end_not_after_start:
      error = "--to must come after --from";
      return false;
    case DayRangeFault::over_a_century:
      error = "--from and --to span more than 100 years";
      return false;
    case DayRangeFault::none:
      break;
  }
  return true;
}

// The first option given that is not among the allowed ones, nullptr for none.
const PrintOption* given_beyond(const std::vector<bool>& given,
                                std::initializer_list<std::string_view> allowed) {
  for (int i = 0; i < print_option_count; ++i)
    if (given[i] && std::find(allowed.begin(), allowed.end(), PrintOptionTable[i].name) ==
                        allowed.end())
      return &PrintOptionTable[i];
  return nullptr;
}

// --transits takes its range, the zone or offset of its local times and the
// format and output: nothing of a chart.
bool check_transits(const PrintOptions& options, const std::vector<bool>& given,
                    std::string& error) {
  if (const PrintOption* other =
          given_beyond(given, {"transits", "from", "to", "nakshatras", "zone",
                               "utc-offset", "format", "output"})) {
    error = options.transits ? "--transits lists events of the sky: no " +
                                   option_long_name(*other) + " with it"
                             : option_long_name(*other) + " goes with --transits";
    return false;
  }
  if (!options.transits) {
    error = "--from, --to and --nakshatras go with --transits";
    return false;
  }
  return !zone_and_offset_given(options, error) &&
         check_range(options, "--transits", error);
}

// The panchanga of days takes its range, a place and its zone, the sunrise
// rule and the format and output: nothing else of a chart.
bool check_days(const PrintOptions& options, const std::vector<bool>& given,
                std::string& error) {
  const std::string named = std::string("--report ") + options.report->name;
  if (const PrintOption* other =
          given_beyond(given, {"report", "from", "to", "sunrise", "city", "lon", "lat",
                               "zone", "utc-offset", "format", "output"})) {
    error = named + " with --from and --to lists days at a place: no " +
            option_long_name(*other) + " with it";
    return false;
  }
  if (options.city.empty() && (!options.has_longitude || !options.has_latitude)) {
    error = named + " with --from and --to needs a place: --city, or --lon and --lat";
    return false;
  }
  return !zone_and_offset_given(options, error) &&
         check_range(options, named.c_str(), error);
}

// One report of each chart: no other listing, and what it asks for.
bool check_report(const PrintOptions& options, const Report& report, std::string& error) {
  const std::string named = options.match_line >= 0 && options.report == nullptr
                                ? std::string("--match")
                                : std::string("--report ") + report.name;
  if (options.varga != 1) {
    error = "--varga draws a divisional chart's diagram: not with " + named;
    return false;
  }
  const std::pair<bool, const char*> listings[] = {{options.levels == 3, "--levels"},
                                                   {options.sade_sati, "--sade-sati"}};
  for (const auto& [asked, name] : listings) {
    if (!asked) continue;
    error = named + " prints one report: no " + name + " with it";
    return false;
  }
  if (options.has_on && !report.takes_on) {
    error = "--on names the running dasha period: not with " + named;
    return false;
  }
  if (options.match_line >= 0 && report.needs != ReportNeeds::partner) {
    error = "--match prints the match of two charts: not with " + named;
    return false;
  }
  if (report.needs == ReportNeeds::partner &&
      (options.chart_file.empty() || options.line < 0 || options.match_line < 0)) {
    error = "the match of two charts needs --file, --line and --match";
    return false;
  }
  if (report.needs == ReportNeeds::range)
    return check_range(options, named.c_str(), error);
  if (options.has_from || options.has_to || options.nakshatras) {
    error = "--from, --to and --nakshatras go with --transits or --report transits";
    return false;
  }
  return true;
}

}  // namespace

bool check_combination(const PrintOptions& options, const std::vector<bool>& given,
                       bool output_is_terminal, std::string& error) {
  if (options.help || options.version) return true;
  int options_given = 0;
  bool chart_option_given = false;
  std::string chart_options;
  for (int i = 0; i < print_option_count; ++i) {
    const PrintOption& option = PrintOptionTable[i];
    options_given += given[i] ? 1 : 0;
    if (option.group != OptionGroup::chart) continue;
    chart_option_given = chart_option_given || given[i];
    chart_options += (chart_options.empty() ? "" : ", ") + option_long_name(option);
  }
  if (!options.find.empty()) {
    if (options_given == 1) return true;
    error = "--find lists places and computes no chart: no other option with it";
    return false;
  }
  const Report* report = chosen_report(options);
  // What only words can say.
  const std::pair<bool, const char*> textual[] = {{options.has_on, "--on"},
                                                  {options.levels == 3, "--levels 3"},
                                                  {options.sade_sati, "--sade-sati"},
                                                  {options.transits, "--transits"},
                                                  {options.report != nullptr, "--report"},
                                                  {options.match_line >= 0, "--match"}};
  for (const auto& [asked, name] : textual) {
    if (asked && !options.format->textual) {
      error = std::string(name) + " answers in " +
              format_names(", ", " or ", &OutputFormat::textual) + ", not in a picture";
      return false;
    }
  }
  if (options.transits ||
      (report == nullptr && (options.has_from || options.has_to || options.nakshatras)))
    return check_transits(options, given, error);
  if (options.has_sunrise && (report == nullptr || !report->lists_days)) {
    error = "--sunrise goes with --report panchanga";
    return false;
  }
  if (lists_days(options)) return check_days(options, given, error);
  if (report != nullptr && !check_report(options, *report, error)) return false;
  if (!options.chart_file.empty()) {
    if (chart_option_given) {
      const std::size_t last = chart_options.rfind(", ");
      error = "--file takes the charts from the file: no " +
              chart_options.replace(last, 2, " or ") + " with it";
      return false;
    }
    if (options.format->between_charts == nullptr && options.line < 0) {
      error = std::string("--format ") + options.format->name +
              " draws one chart: give --line with --file";
      return false;
    }
  }
  if (options.format->binary && options.output.empty() && output_is_terminal) {
    error = std::string("--format ") + options.format->name +
            " writes binary data: give --output FILE";
    return false;
  }
  if (options.has_scale && !options.format->scalable) {
    error =
        "--scale is for --format " + format_names(", ", " or ", &OutputFormat::scalable);
    return false;
  }
  if (!options.chart_file.empty()) return true;
  if (options.line >= 0) {
    error = "--line needs --file";
    return false;
  }
  if (!options.has_date || !options.has_time) {
    error = options.has_date ? "missing --time" : "missing --date";
    return false;
  }
  if (zone_and_offset_given(options, error)) return false;
  if (options.fold != fold_refused && options.zone.empty() && options.city.empty()) {
    error = "--fold needs --zone or --city";
    return false;
  }
  return true;
}
