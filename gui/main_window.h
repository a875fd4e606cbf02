#pragma once

#include <FL/Fl_Double_Window.H>

#include <ctime>
#include <string>
#include <vector>

#include "cli/report.h"
#include "gui/chart_data_dialog.h"
#include "gui/chart_state.h"
#include "gui/local_clock.h"
#include "gui/pick_list.h"
#include "gui/prompts.h"

class Fl_Menu_Bar;
class Fl_Scroll;
class ReportWindow;
class draw_chart;

// The main window: it owns its menus, the scrolling chart area with the
// chart widget, and the chart it shows; the dialog, the pick list and the
// report windows it opens are its own while they are open.
class MainWindow : public Fl_Double_Window, public ChartDataOwner {
 public:
  // Opens on the chart of the present moment that clock reads.
  explicit MainWindow(LocalClockReader clock = system_local_time);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Shows the chart of the inputs: computes it and redraws.
  void compute_chart(const ChartInput& input) override;
  // The chart of the clock's present moment, in the South style.
  void present_moment_chart();
  std::tm read_clock() const override { return clock_(); }
  const Prompts& owner_prompts() const override { return prompts; }

  // The menus' commands.
  void show_chart_data_dialog(bool prefill);  // File > New and Edit
  void show_chart_list();                     // File > Open
  void save_chart();                          // File > Save
  void export_chart();                        // File > Export...
  [[noreturn]] void quit_command();           // File > Quit
  void chart_style_command(int style);        // 0 South, 1 North
  void varga_command(int varga);              // the diagram's divisional chart
  void about_command();
  // A report of the Reports menu: its window, titled with the report and the
  // chart, holding what vantrel-print --report writes for the chart. The
  // match asks for the partner from the saved charts; the chart is the girl
  // when chart_is_girl.
  void show_report(const Report& report, bool chart_is_girl = false);

  // A picture of the chart as the printer writes it, the format named by the
  // file's extension (png, pdf, svg), whole or not at all; false, error
  // saying why, when it cannot be written.
  bool export_chart_to(const std::string& path, std::string& error) const;
  // The window of a report's text, for the chart (and a partner).
  void open_report_window(const Report& report, const ReportRequest& request,
                          const std::string& title);

  // The one pick list, empty and not yet shown; taking a row calls take.
  PickList& open_pick_list(const PickListLayout& layout, PickList::Take take) override;
  void close_chart_data_dialog() override;
  // Hides every window of the program, so that the event loop ends.
  void close_all();

  ChartState chart_state;
  Prompts prompts;
  Fl_Menu_Bar* menu_bar;
  Fl_Scroll* chart_view;
  draw_chart* chart_widget;
  // Open while shown, nullptr otherwise.
  ChartDataDialog* chart_data_dialog = nullptr;
  PickList* pick_list = nullptr;
  std::vector<ReportWindow*> report_windows;

 private:
  // File > Open's choice: row index of the saved charts, held to the Chart
  // Data checks; a refused line is said with its number and changes nothing.
  void load_chart_line(int index);
  // The saved charts in a pick list; taking one gives its chart to take.
  void pick_saved_chart(const PickListLayout& layout,
                        const std::function<void(const Chart&)>& take);
  void show_match(const Report& report, const Chart& partner, bool chart_is_girl);

  LocalClockReader clock_;
};
