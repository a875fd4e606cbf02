#include "cli/print_command.h"

#include <string>

#include "app/chart_state.h"
#include "app/version.h"
#include "chart/compute_chart.h"
#include "cli/cairo_canvas.h"
#include "cli/command_line_chart.h"
#include "cli/json_report.h"
#include "cli/print_options.h"
#include "cli/print_output.h"
#include "cli/svg_canvas.h"
#include "cli/text_report.h"
#include "dialogs/chart_data_entries.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"

namespace {

constexpr const char* program = "vantrel-print";
constexpr std::size_t output_block_size = 1 << 16;

// The dialog's messages break their line for the alert box; one line here.
std::string one_line(const char* message) {
  std::string line = message;
  for (char& c : line)
    if (c == '\n') c = ' ';
  return line;
}

// nullptr once appended, else why the picture could not be drawn.
const char* append_report(std::string& out, const PrintOptions& options,
                          bool first_chart) {
  switch (options.format) {
    case print_json:
      append_json_report(out);
      break;
    case print_svg:
      append_svg_report(out);
      break;
    case print_png:
      return append_png_report(out, options.scale);
    case print_pdf:
      return append_pdf_report(out);
    case print_text:
      if (!first_chart) out += '\n';
      append_text_report(out);
      break;
  }
  return nullptr;
}

int print_command_line_chart(const PrintOptions& options, std::FILE* out,
                             std::FILE* err) {
  ChartDataEntries entries = chart_entries_of(options);
  if (const char* message = check_chart_data(entries)) {
    std::fprintf(err, "%s: %s\n", program, one_line(message).c_str());
    return print_status_refused;
  }
  store_chart_data(entries);
  ChartState.chart_style = static_cast<std::uint8_t>(options.chart_style);
  compute_chart();

  std::string report;
  if (const char* failure = append_report(report, options, true)) {
    std::fprintf(err, "%s: cannot draw the chart: %s\n", program, failure);
    return print_status_failed;
  }
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
    if (const char* failure = append_report(report, options, first_chart)) {
      std::fprintf(err, "%s: %s: line %zu: cannot draw the chart: %s\n", program, file,
                   row, failure);
      abandon_print_output(output);
      return print_status_failed;
    }
    first_chart = false;
    // Charts go out in blocks of many, not in a write or two each.
    if (report.size() >= output_block_size) {
      write_print_output(output, report);
      report.clear();
    }
  }
  write_print_output(output, report);
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
