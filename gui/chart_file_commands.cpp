// File > Open, Save and Export..., and the saved charts as a pick list.
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Scroll.H>

#include <string>
#include <vector>

#include "chart_file/chart_line.h"
#include "chart_file/chart_rows.h"
#include "chart_file/chart_save.h"
#include "cli/output_formats.h"
#include "cli/print_output.h"
#include "cli/text_lines.h"
#include "entry/checked_chart_line.h"
#include "gui/main_window.h"

namespace {

const char* const chart_file_name = "charts.vnt";

// The list filled with the rows of the chart file that hold a line; nullptr,
// or why there is nothing to pick: the file cannot be read, is no regular
// file, or holds no line. A file that fails midway lists nothing.
const char* fill_with_saved_charts(Fl_Browser& list) {
  const ChartReadResult result =
      read_chart_rows(chart_file_name, [&list](std::size_t, const char* text) {
        list.add(text);
        return true;
      });
  if (result == chart_read_ok) return nullptr;
  list.clear();
  return chart_read_message(result);
}

// "Line 3: Unknown month in chart line!": a refused line with its number
// among the file's rows, as vantrel-print names it.
std::string refused_line(std::size_t row, const char* why) {
  return "Line " + std::to_string(row) + ": " + why;
}

// The extension of a file name, after its last dot in its last part.
std::string extension_of(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot + 1);
}

}  // namespace

void MainWindow::pick_saved_chart(const PickListLayout& layout,
                                  const std::function<void(const Chart&)>& take) {
  PickList& list = open_pick_list(layout, [this, take](int index) {
    std::string text;
    std::size_t row = 0;
    ChartReadResult found = chart_row_at(chart_file_name, index, text, row);
    if (found != chart_read_ok) {
      if (const char* why = chart_read_message(found)) prompts.alert(why);
      return;
    }
    ChartInput input = chart_state.chart.input;
    if (const char* why = read_checked_chart_line(text.c_str(), input)) {
      prompts.alert(refused_line(row, why).c_str());
      return;
    }
    take(chart_of(input));
  });
  list.finish(fill_with_saved_charts(*list.list));
}

void MainWindow::show_chart_list() {
  pick_saved_chart(ChartListLayout, [this](const Chart& chart) {
    chart_state.chart = chart;
    chart_view->redraw();
  });
}

void MainWindow::save_chart() {
  ChartLine line;
  write_chart_line(chart_state.chart.input, line);
  const ChartSaveResult result = append_chart_line(chart_file_name, line);
  if (result == chart_saved) {
    prompts.message("Chart has been saved.");
    return;
  }
  // The alert's first line as it always was, the cause beneath it.
  const std::string text =
      std::string("Error saving chart!\n") + chart_save_cause(result);
  prompts.alert(text.c_str());
}

bool MainWindow::export_chart_to(const std::string& path, std::string& error) const {
  const OutputFormat* format = format_named(extension_of(path));
  if (format == nullptr || format->textual) {
    std::vector<std::string> pictures;
    for (int i = 0; i < output_format_count; ++i)
      if (!OutputFormats[i].textual)
        pictures.push_back(std::string(".") + OutputFormats[i].name);
    error = "Name the file " + joined_words(pictures, ", ", " or ") + ".";
    return false;
  }
  std::string picture;
  ReportRequest request{chart_state.chart, chart_state.chart_style, 1, nullptr, {}};
  request.varga = chart_state.varga;
  if (const char* failure = format->write(picture, request)) {
    error = failure;
    return false;
  }
  return write_whole_output(path, nullptr, picture, error);
}

void MainWindow::export_chart() {
  const std::string path = prompts.file_to_save(
      "Export Chart", "PNG picture\t*.png\nPDF document\t*.pdf\nSVG picture\t*.svg");
  if (path.empty()) return;
  std::string error;
  if (!export_chart_to(path, error))
    prompts.alert(("Error exporting chart!\n" + error).c_str());
}
