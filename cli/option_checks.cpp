#include "cli/option_checks.h"

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>

#include "cli/option_values.h"
#include "ephemeris/time_and_calendar.h"

namespace {

// The local time comes from a zone or from one offset, never both.
bool zone_and_offset_given(const PrintOptions& options, std::string& error) {
  if (options.zone.empty() || !options.has_utc_offset) return false;
  error = "--zone and --utc-offset exclude each other: give one";
  return true;
}

// --transits takes its range, the zone or offset of its local times and the
// format and output: nothing of a chart.
bool check_transits(const PrintOptions& options, const std::vector<bool>& given,
                    std::string& error) {
  const char* const Allowed[] = {"transits", "from",       "to",     "nakshatras",
                                 "zone",     "utc-offset", "format", "output"};
  for (int i = 0; i < print_option_count; ++i) {
    const std::string name = PrintOptionTable[i].name;
    if (!given[i] ||
        std::find(std::begin(Allowed), std::end(Allowed), name) != std::end(Allowed))
      continue;
    error = options.transits
                ? "--transits lists events of the sky: no --" + name + " with it"
                : "--" + name + " goes with --transits";
    return false;
  }
  if (!options.transits || !options.has_from || !options.has_to) {
    error = !options.transits ? "--from, --to and --nakshatras go with --transits"
                              : "--transits needs --from and --to";
    return false;
  }
  if (zone_and_offset_given(options, error)) return false;
  const double from =
      julian_day_number(options.from_month, options.from_day, options.from_year);
  const double to = julian_day_number(options.to_month, options.to_day, options.to_year);
  if (to <= from) {
    error = "--to must come after --from";
    return false;
  }
  // A hundred calendar years from --from at most.
  const int last_year = options.from_year + 100;
  if (std::tie(options.to_year, options.to_month, options.to_day) >
      std::tie(last_year, options.from_month, options.from_day)) {
    error = "--from and --to span more than 100 years";
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
  // What only words can say.
  const std::pair<bool, const char*> textual[] = {{options.has_on, "--on"},
                                                  {options.levels == 3, "--levels 3"},
                                                  {options.sade_sati, "--sade-sati"},
                                                  {options.transits, "--transits"}};
  for (const auto& [asked, name] : textual) {
    if (asked && !options.format->textual) {
      error = std::string(name) + " answers in " +
              format_names(", ", " or ", &OutputFormat::textual) + ", not in a picture";
      return false;
    }
  }
  if (options.transits || options.has_from || options.has_to || options.nakshatras)
    return check_transits(options, given, error);
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
