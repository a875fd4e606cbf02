#include "cli/print_command.h"

#include <optional>
#include <string>

#include "app/chart_state.h"
#include "app/version.h"
#include "chart/compute_chart.h"
#include "chart/vimshottari.h"
#include "cli/command_line_chart.h"
#include "cli/json_report.h"
#include "cli/print_options.h"
#include "cli/print_output.h"
#include "cli/svg_canvas.h"
#include "cli/text_report.h"
#include "dialogs/chart_data_entries.h"
#include "ephemeris/time_and_calendar.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"

namespace {

constexpr const char* program = "vantrel-print";

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

// Refuses an --on date outside ChartState's listing, saying why on err.
bool on_day_in_listing(const PrintOptions& options, const char* where, std::FILE* err) {
  const std::optional<double> on_day = on_day_of(options);
  if (!on_day) return true;
  DashaSequence sequence;
  list_dasha_periods(sequence);
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

void append_report(std::string& out, const PrintOptions& options, bool first_chart) {
  switch (options.format) {
    case print_json:
      append_json_report(out, on_day_of(options));
      break;
    case print_svg:
      append_svg_report(out);
      break;
    case print_text:
      if (!first_chart) out += '\n';
      append_text_report(out, on_day_of(options));
      break;
  }
}

int print_command_line_chart(const PrintOptions& options, std::FILE* out,
                             std::FILE* err) {
  const ChartDataValues values = chart_values_of(options);
  if (const char* message = check_chart_values(values)) {
    std::fprintf(err, "%s: %s\n", program, one_line(message).c_str());
    return print_status_refused;
  }
  store_chart_values(values);
  ChartState.chart_style = static_cast<std::uint8_t>(options.chart_style);
  compute_chart();
  if (!on_day_in_listing(options, "", err)) return print_status_refused;

  std::string report;
  append_report(report, options, true);
  PrintOutput output;
  if (open_print_output(output, options.output, out)) {
    write_print_output(output, report);
    if (finish_print_output(output)) return print_status_ok;
  }
  std::fprintf(err, "%s: %s\n", program, output.error.c_str());
  return print_status_failed;
}

int print_chart_file(const PrintOptions& options, std::FILE* out, std::FILE* err) {
  const char* file = options.chart_file.c_str();
  ChartRows rows;
  if (!read_chart_rows(file, rows)) {
    std::fprintf(err, "%s: %s: %s\n", program, file,
                 chart_read_message(chart_read_file_unreadable));
    return print_status_failed;
  }
  std::size_t first = 0;
  std::size_t end = rows.size();
  if (options.line >= 0) {
    first = static_cast<std::size_t>(options.line);
    if (first >= rows.size() || rows[first].empty()) {
      std::fprintf(err, "%s: %s: line %d: no chart on this line\n", program, file,
                   options.line);
      return print_status_failed;
    }
    end = first + 1;
    // Refused before the output is opened: an earlier output file stays.
    ChartStateRecord probe = ChartState;
    ChartReadResult result = read_chart_line(rows[first].c_str(), probe);
    if (result != chart_read_ok) {
      std::fprintf(err, "%s: %s: line %d: %s\n", program, file, options.line,
                   chart_read_message(result));
      return print_status_failed;
    }
  }

  PrintOutput output;
  if (!open_print_output(output, options.output, out)) {
    std::fprintf(err, "%s: %s\n", program, output.error.c_str());
    return print_status_failed;
  }
  ChartState.chart_style = static_cast<std::uint8_t>(options.chart_style);
  int status = print_status_ok;
  bool first_chart = true;
  std::string report;
  for (std::size_t row = first; row < end && !output.failed; ++row) {
    // An empty row holds no chart, such as the one after the last newline.
    if (rows[row].empty()) continue;
    ChartReadResult result = read_chart_line(rows[row].c_str(), ChartState);
    if (result != chart_read_ok) {
      std::fprintf(err, "%s: %s: line %zu: %s\n", program, file, row,
                   chart_read_message(result));
      status = print_status_failed;
      continue;
    }
    compute_chart();
    const std::string where = std::string(file) + ": line " + std::to_string(row) + ": ";
    if (!on_day_in_listing(options, where.c_str(), err)) {
      status = print_status_refused;
      continue;
    }
    report.clear();
    append_report(report, options, first_chart);
    first_chart = false;
    write_print_output(output, report);
  }
  if (!finish_print_output(output)) {
    std::fprintf(err, "%s: %s\n", program, output.error.c_str());
    return print_status_failed;
  }
  return status;
}

}  // namespace

int run_print_command(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
  PrintOptions options;
  std::string error;
  if (parse_print_options(argc, argv, options, error) != parse_ok) {
    std::fprintf(err, "%s: %s\n%s", program, error.c_str(), print_usage_text);
    return print_status_refused;
  }
  if (options.help) {
    std::fprintf(out, "%s\n%s", print_usage_text, print_help_text);
    return std::fflush(out) == 0 ? print_status_ok : print_status_failed;
  }
  if (options.version) {
    std::fprintf(out, "%s %s\n", program, program_version);
    return std::fflush(out) == 0 ? print_status_ok : print_status_failed;
  }
  if (!options.chart_file.empty()) return print_chart_file(options, out, err);
  return print_command_line_chart(options, out, err);
}
