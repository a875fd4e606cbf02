#include "gui/chart_file_commands.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Window.H>

#include <string>

#include "chart_file/chart_line.h"
#include "chart_file/chart_rows.h"
#include "chart_file/chart_save.h"
#include "gui/chart_state.h"
#include "gui/chart_view.h"
#include "gui/message_boxes.h"

Fl_Window* chart_list_window = nullptr;
Fl_Hold_Browser* chart_list = nullptr;

namespace {

const char* const chart_file_name = "charts.vnt";

// The browser calls back on arrow keys as well: those only select, and only a
// double-click opens.
void chart_list_callback(Fl_Widget*, void*) {
  if (Fl::event() == FL_RELEASE && Fl::event_clicks() > 0) open_selected_chart();
}

void ok_callback(Fl_Widget*, void*) { open_selected_chart(); }
void cancel_callback(Fl_Widget*, void*) { close_chart_list(); }

}  // namespace

void show_chart_list() {
  chart_list_window = new Fl_Window(360, 300, "Select Chart");
  // The frame's close control and Escape would only hide the window, and the
  // next Open would lose it: they cancel instead.
  chart_list_window->callback(cancel_callback);
  chart_list = new Fl_Hold_Browser(20, 20, 300, 200, "Chart List");
  chart_list->when(FL_WHEN_ENTER_KEY);
  chart_list->callback(chart_list_callback);
  chart_list->textfont(FL_COURIER);
  // A row never holds a newline, so no row is taken for '@' formatting.
  chart_list->format_char('\n');
  const ChartReadResult listed = load_chart_list(chart_list, chart_file_name);
  if (listed == chart_read_ok) {
    auto* ok = new Fl_Button(40, 250, 40, 25, "OK");
    ok->callback(ok_callback);
    // The hold browser ignores Enter, which then comes to the window as a
    // shortcut: OK takes it, so Enter opens the current row.
    ok->shortcut(FL_Enter);
  } else {
    // Nothing to open: the list's label says why.
    chart_list->label(chart_read_message(listed));
  }
  auto* cancel = new Fl_Button(240, 250, 60, 25, "Cancel");
  cancel->callback(cancel_callback);
  chart_list_window->end();
  chart_list_window->set_modal();
  chart_list_window->show();
}

ChartReadResult load_chart_list(Fl_Browser* browser, const char* filename) {
  browser->clear();
  const ChartReadResult result =
      read_chart_rows(filename, [browser](std::size_t, const char* text) {
        browser->add(text);
        return true;
      });
  // A file that fails midway lists nothing rather than a part of it.
  if (result != chart_read_ok) browser->clear();
  return result;
}

void open_selected_chart() {
  const int row = chart_list->value();  // from 1; 0 before any pick
  load_chart_line(row > 0 ? row - 1 : 0);
  close_chart_list();
}

void close_chart_list() {
  if (chart_list_window == nullptr) return;
  chart_list_window->hide();
  // Called from the list's own callbacks: the toolkit deletes it later.
  Fl::delete_widget(chart_list_window);
  chart_list_window = nullptr;
  chart_list = nullptr;
}

void load_chart_line(int index) {
  const ChartReadResult result =
      load_chart_row(chart_file_name, index, ChartState.chart.input);
  if (result == chart_read_ok) {
    compute_chart();
    redraw_chart_view();
    return;
  }
  if (const char* text = chart_read_message(result)) show_alert(text);
}

void save_chart() {
  ChartLine line;
  write_chart_line(ChartState.chart.input, line);
  const ChartSaveResult result = append_chart_line(chart_file_name, line);
  if (result == chart_saved) {
    show_message("Chart has been saved.");
    return;
  }
  // The alert's first line as it always was, the cause beneath it.
  const std::string text =
      std::string("Error saving chart!\n") + chart_save_cause(result);
  show_alert(text.c_str());
}
