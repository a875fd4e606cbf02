#include "cli/print_command.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "base/units.h"
#include "base/version.h"
#include "chart/chart.h"
#include "chart/transits.h"
#include "chart_file/chart_line.h"
#include "chart_file/chart_rows.h"
#include "chart_file/chart_save.h"
#include "cli/birth_data.h"
#include "cli/find_places.h"
#include "cli/parse_options.h"
#include "cli/print_help.h"
#include "cli/print_options.h"
#include "cli/print_output.h"
#include "cli/transit_report.h"
#include "entry/chart_data_entries.h"
#include "entry/checked_chart_line.h"
#include "ephemeris/time_and_calendar.h"

namespace {

constexpr const char* program = "vantrel-print";
// The file's charts are written out in blocks of about this many bytes.
constexpr std::size_t output_block_size = 1 << 16;

// The dialog's messages break their line for the alert box; one line here.
std::string one_line(const char* message) {
  std::string line = message;
  for (char& c : line)
    if (c == '\n') c = ' ';
  return line;
}

// The --on date on the listing's day scale, where its day starts at 0:00
// Universal Time.
std::optional<double> on_day_of(const PrintOptions& options) {
  if (!options.has_on) return std::nullopt;
  return julian_day_number(options.on_month, options.on_day, options.on_year);
}

// "FILE: line N: ", where a message about one chart of a file begins.
std::string file_line(const char* file, std::size_t row) {
  return std::string(file) + ": line " + std::to_string(row) + ": ";
}

// Refuses an --on date outside the chart's listing, saying why on err.
bool on_day_in_listing(const PrintOptions& options, const DashaSequence& sequence,
                       const char* where, std::FILE* err) {
  const std::optional<double> on_day = on_day_of(options);
  if (!on_day) return true;
  if (running_period(sequence, *on_day) >= 0) return true;
  const bool before = *on_day < sequence.periods[0].start_day;
  char limit[date_text_size];
  format_date(limit, before ? sequence.periods[0].start_day : sequence.end_day);
  std::fprintf(
      err, "%s: %s--on %04d-%02d-%02d: %s (%s)\n", program, where, options.on_year,
      options.on_month, options.on_day,
      before ? "before the chart's moment" : "after the end of the dasha listing", limit);
  return false;
}

// One chart's report after those already in out. The basis of the offset is
// said for a chart from the command line only. nullptr once appended, else
// why the picture could not be drawn.
const char* append_report(std::string& out, const PrintOptions& options,
                          const Chart& chart, bool first_chart, const OffsetBasis* basis,
                          const Chart* partner = nullptr) {
  if (!first_chart && options.format->between_charts != nullptr)
    out += options.format->between_charts;
  ReportRequest request{
      chart,          options.chart_style, options.scale, basis, on_day_of(options),
      options.levels, options.sade_sati};
  request.partner = partner;
  if (options.has_from && options.has_to) {
    request.first =
        ut_minute_of(options.from_year, options.from_month, options.from_day, 0, 0);
    request.end = ut_minute_of(options.to_year, options.to_month, options.to_day, 0, 0);
  }
  request.nakshatras = options.nakshatras;
  request.varga = options.varga;
  request.sunrise_rule = options.sunrise_rule;
  if (const Report* report = chosen_report(options))
    return (report->*(options.format->report))(out, request);
  return options.format->write(out, request);
}

// The whole text of one run to the output; false, said on err, when it
// cannot be written.
bool print_whole(const PrintOptions& options, const std::string& text, std::FILE* out,
                 std::FILE* err) {
  std::string error;
  if (write_whole_output(options.output, out, text, error)) return true;
  std::fprintf(err, "%s: %s\n", program, error.c_str());
  return false;
}

bool report_drawn(const char* failure, const std::string& where, std::FILE* err) {
  if (failure == nullptr) return true;
  std::fprintf(err, "%s: %scannot draw the chart: %s\n", program, where.c_str(), failure);
  return false;
}

// The Chart Data dialog's checks on the options as they stand; once they
// pass, input holds the chart to compute.
bool chart_data_refused(const PrintOptions& options, ChartInput& input, std::FILE* err) {
  input = chart_input_of(options);
  const char* message = accept_chart_input(input);
  if (message != nullptr)
    std::fprintf(err, "%s: %s\n", program, one_line(message).c_str());
  return message != nullptr;
}

// --city's place into the options, the one taken of several said on err.
int city_applied(PrintOptions& options, std::string& error, std::FILE* err) {
  if (options.city.empty()) return print_status_ok;
  std::string notice;
  const int status = apply_city(options, notice, error);
  if (!notice.empty()) std::fprintf(err, "%s: %s\n", program, notice.c_str());
  return status;
}

int print_command_line_chart(PrintOptions options, std::FILE* out, std::FILE* err) {
  if (!options.append.empty() &&
      print_output_is_file(options.output, options.append.c_str())) {
    std::fprintf(err, "%s: %s: --output %s would replace the chart file\n", program,
                 options.append.c_str(), options.output.c_str());
    return print_status_refused;
  }
  std::string error;
  int status = city_applied(options, error, err);
  if (status != print_status_ok) {
    std::fprintf(err, "%s: %s\n", program, error.c_str());
    return status;
  }
  ChartInput input;
  if (chart_data_refused(options, input, err)) return print_status_refused;
  // The zone is asked about a date and time that passed the checks.
  OffsetBasis basis;
  if (!options.zone.empty() || !options.city.empty()) {
    status = apply_zone(options, basis, error);
    if (status != print_status_ok) {
      std::fprintf(err, "%s: %s\n", program, error.c_str());
      return status;
    }
    if (chart_data_refused(options, input, err)) return print_status_refused;
  }
  const Chart chart = chart_of(input);
  if (!on_day_in_listing(options, chart.dashas, "", err)) return print_status_refused;

  std::string report;
  if (!report_drawn(append_report(report, options, chart, true, &basis), "", err))
    return print_status_failed;
  if (!print_whole(options, report, out, err)) return print_status_failed;
  if (options.append.empty()) return print_status_ok;
  // As the window's File > Save: the line reaches the file whole or not at all.
  ChartLine line;
  write_chart_line(chart.input, line);
  const ChartSaveResult saved = append_chart_line(options.append.c_str(), line);
  if (saved == chart_saved) return print_status_ok;
  std::fprintf(err, "%s: %s: the chart could not be appended: %s\n", program,
               options.append.c_str(), chart_save_cause(saved));
  return print_status_failed;
}

int print_places(const std::string& text, std::FILE* out, std::FILE* err) {
  std::string listing;
  std::string error;
  const int status = list_places(text, listing, error);
  if (status != print_status_ok) {
    std::fprintf(err, "%s: %s\n", program, error.c_str());
    return status;
  }
  std::fputs(listing.c_str(), out);
  if (std::fflush(out) == 0 && std::ferror(out) == 0) return print_status_ok;
  std::fprintf(err, "%s: cannot write output: %s\n", program, std::strerror(errno));
  return print_status_failed;
}

// 1970-01-01 00:00 UT, where zone files count their seconds from.
constexpr UtMinute unix_epoch = 2440588 * minutes_per_day;

// The minutes east of Universal Time of a listing's local times: the zone's
// offset at each minute, or the one offset given; east stays empty when
// neither is given.
bool zone_minutes_of(const PrintOptions& options, ZoneMinutesEast& east,
                     std::string& error, int& status) {
  if (options.has_utc_offset) {
    const auto minutes = static_cast<int>(-signed_minutes(zone_angle(options.chart)));
    east = [minutes](UtMinute) { return minutes; };
    return true;
  }
  if (options.zone.empty()) return true;
  auto clock = std::make_shared<ZoneClock>();
  const ZoneAnswer answer = open_zone_clock(options.zone, *clock);
  if (answer.outcome != ZoneAnswer::found) {
    error = answer.message;
    status =
        answer.outcome == ZoneAnswer::failed ? print_status_failed : print_status_refused;
    return false;
  }
  east = [clock](UtMinute minute) {
    const long offset =
        zone_offset_at_universal(*clock, (minute - unix_epoch) * seconds_per_minute);
    // Offsets of local mean time hold seconds: the local minute is the one
    // the clock then shows.
    return static_cast<int>(
        offset >= 0 ? offset / seconds_per_minute
                    : -((-offset + seconds_per_minute - 1) / seconds_per_minute));
  };
  return true;
}

// Why a run fails, on err, as its status.
int said(std::FILE* err, const std::string& error, int status) {
  std::fprintf(err, "%s: %s\n", program, error.c_str());
  return status;
}

// --transits: the events of the range, one line each.
int print_transits(const PrintOptions& options, std::FILE* out, std::FILE* err) {
  ZoneMinutesEast east;
  std::string error;
  int status = print_status_ok;
  if (!zone_minutes_of(options, east, error, status)) return said(err, error, status);
  const UtMinute first =
      ut_minute_of(options.from_year, options.from_month, options.from_day, 0, 0);
  const UtMinute end =
      ut_minute_of(options.to_year, options.to_month, options.to_day, 0, 0);
  const std::vector<TransitEvent> events = find_transits(first, end, options.nakshatras);
  std::string listing;
  options.format->write_events(listing, events, local_time_in(east));
  return print_whole(options, listing, out, err) ? print_status_ok : print_status_failed;
}

// --report panchanga --from --to: the days at a place in its zone (or the
// offset given, else Universal Time), a block or a line each.
int print_panchanga_days(PrintOptions options, std::FILE* out, std::FILE* err) {
  std::string error;
  int status = city_applied(options, error, err);
  if (status != print_status_ok) return said(err, error, status);
  ZoneMinutesEast east;
  if (!zone_minutes_of(options, east, error, status)) return said(err, error, status);
  if (!east) east = [](UtMinute) { return 0; };
  const PanchangaDays days =
      panchanga_days({options.from_year, options.from_month, options.from_day},
                     {options.to_year, options.to_month, options.to_day},
                     {options.chart.longitude, options.chart.latitude}, east,
                     static_cast<SunriseRule>(options.sunrise_rule));
  std::string listing;
  options.format->write_days(listing, days, local_time_in(east));
  return print_whole(options, listing, out, err) ? print_status_ok : print_status_failed;
}

// The charts' file, or standard input for "-".
struct ChartSource {
  const char* name;   // as the messages name it
  std::FILE* stream;  // standard input; nullptr: the file is opened by name
};

ChartSource chart_source_of(const PrintOptions& options, std::FILE* in) {
  if (options.chart_file == "-") return {"standard input", in};
  return {options.chart_file.c_str(), nullptr};
}

ChartReadResult read_rows(const ChartSource& source, const ChartRowTaker& take) {
  return source.stream != nullptr ? read_chart_stream(source.stream, take)
                                  : read_chart_rows(source.name, take);
}

// The rename would replace the chart file with the report: named, through a
// link, or given as standard input.
bool output_replaces_source(const PrintOptions& options, const ChartSource& source) {
  return source.stream != nullptr
             ? print_output_is_open_file(options.output, fileno(source.stream))
             : print_output_is_file(options.output, source.name);
}

void report_file(std::FILE* err, const char* file, ChartReadResult result) {
  std::fprintf(err, "%s: %s: %s\n", program, file, chart_read_message(result));
}

// The chart of one line of the file, held to the Chart Data checks; false,
// said on err with the line's number, when there is none or it is refused.
bool chart_of_row(const char* file, int row, const std::string& text, ChartInput& input,
                  std::FILE* err) {
  const char* refused = text.empty() ? "no chart on this line"
                                     : read_checked_chart_line(text.c_str(), input);
  if (refused == nullptr) return true;
  std::fprintf(err, "%s: %s: line %d: %s\n", program, file, row,
               one_line(refused).c_str());
  return false;
}

// Only line options.line of the file (and for --match the partner's line),
// refused before the output is opened so that an earlier output file stays.
int print_chart_file_line(const PrintOptions& options, const ChartSource& source,
                          std::FILE* out, std::FILE* err) {
  const char* file = source.name;
  const auto wanted = static_cast<std::size_t>(options.line);
  const auto partner_row = static_cast<std::size_t>(options.match_line);
  const std::size_t last = options.match_line > options.line ? partner_row : wanted;
  std::string text;
  std::string partner_text;
  const ChartReadResult file_result =
      read_rows(source, [&](std::size_t row, const char* row_text) {
        if (row == wanted) text = row_text;
        if (options.match_line >= 0 && row == partner_row) partner_text = row_text;
        return row < last;
      });
  if (file_result != chart_read_ok) {
    report_file(err, file, file_result);
    return print_status_failed;
  }
  ChartInput input{};
  if (!chart_of_row(file, options.line, text, input, err)) return print_status_failed;
  ChartInput partner_input{};
  if (options.match_line >= 0 &&
      !chart_of_row(file, options.match_line, partner_text, partner_input, err))
    return print_status_failed;

  const Chart chart = chart_of(input);
  if (!on_day_in_listing(options, chart.dashas, file_line(file, wanted).c_str(), err))
    return print_status_refused;
  const std::optional<Chart> partner = options.match_line >= 0
                                           ? std::optional<Chart>(chart_of(partner_input))
                                           : std::nullopt;

  std::string report;
  if (!report_drawn(append_report(report, options, chart, true, nullptr,
                                  partner ? &*partner : nullptr),
                    file_line(file, wanted), err))
    return print_status_failed;
  return print_whole(options, report, out, err) ? print_status_ok : print_status_failed;
}

// Every chart of the file, printed as it is read: memory stays the same
// whatever the file's size. The output is opened at the first line, so a file
// that cannot be read or holds none leaves an earlier output file as it was.
int print_chart_file(const PrintOptions& options, std::FILE* in, std::FILE* out,
                     std::FILE* err) {
  const ChartSource source = chart_source_of(options, in);
  const char* file = source.name;
  if (output_replaces_source(options, source)) {
    std::fprintf(err, "%s: %s: --output %s would replace the chart file\n", program, file,
                 options.output.c_str());
    return print_status_refused;
  }
  if (options.line >= 0) return print_chart_file_line(options, source, out, err);

  PrintOutput output;
  bool opened = false;
  int status = print_status_ok;
  bool first_chart = true;
  std::string report;
  const ChartReadResult file_result = read_rows(source, [&](std::size_t row,
                                                            const char* text) {
    if (!opened) {
      opened = open_print_output(output, options.output, out);
      if (!opened) return false;
    }
    ChartInput input{};
    if (!chart_of_row(file, static_cast<int>(row), text, input, err)) {
      status = print_status_failed;
      return true;
    }
    const Chart chart = chart_of(input);
    // Like a line that cannot be read: this chart is left out, the others
    // are printed.
    if (!on_day_in_listing(options, chart.dashas, file_line(file, row).c_str(), err)) {
      status = print_status_failed;
      return true;
    }
    // Several charts are text or JSON, which always append.
    append_report(report, options, chart, first_chart, nullptr);
    first_chart = false;
    // Charts go out in blocks of many, not in a write or two each.
    if (report.size() >= output_block_size) {
      write_print_output(output, report);
      report.clear();
    }
    return !output.failed;
  });
  if (file_result != chart_read_ok) {
    if (opened) abandon_print_output(output);
    report_file(err, file, file_result);
    return print_status_failed;
  }
  if (opened) write_print_output(output, report);
  if (!opened || !finish_print_output(output)) {
    std::fprintf(err, "%s: %s\n", program, output.error.c_str());
    return print_status_failed;
  }
  return status;
}

}  // namespace

int run_print_command(int argc, const char* const* argv, std::FILE* in, std::FILE* out,
                      std::FILE* err) {
  // A file-size limit would end the program midway without a word; ignored,
  // it is a failed write that is reported.
  std::signal(SIGXFSZ, SIG_IGN);
  PrintOptions options;
  std::string error;
  if (parse_print_options(argc, argv, isatty(fileno(out)) == 1, options, error) !=
      parse_ok) {
    std::fprintf(err, "%s: %s\n%s", program, error.c_str(), print_usage_text().c_str());
    return print_status_refused;
  }
  if (options.help) {
    std::fprintf(out, "%s\n%s", print_usage_text().c_str(), print_help_text().c_str());
    return std::fflush(out) == 0 ? print_status_ok : print_status_failed;
  }
  if (options.version) {
    std::fprintf(out, "%s %s\n", program, program_version);
    return std::fflush(out) == 0 ? print_status_ok : print_status_failed;
  }
  if (!options.find.empty()) return print_places(options.find, out, err);
  if (options.transits) return print_transits(options, out, err);
  if (lists_days(options)) return print_panchanga_days(options, out, err);
  if (!options.chart_file.empty()) return print_chart_file(options, in, out, err);
  return print_command_line_chart(options, out, err);
}
