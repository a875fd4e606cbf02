// The Reports menu: each report's text as vantrel-print --report writes it.
#include <cstdio>
#include <string>

#include "cli/option_values.h"
#include "gui/main_window.h"
#include "gui/report_window.h"

namespace {

// 1 January of a year, as the dates are typed.
std::string new_year(int year) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d-01-01", year);
  return text;
}

// A typed date as --from and --to read it.
struct TypedDay {
  int year = 0, month = 0, day = 0;
  UtMinute first_minute() const { return ut_minute_of(year, month, day, 0, 0); }
};

// Why the window refuses the range of a report, nullptr when it is listed.
const char* range_refusal(TypedDay& from, TypedDay& to, const std::string& from_text,
                          const std::string& to_text) {
  if (!parse_range_start(from_text.c_str(), from.year, from.month, from.day) ||
      !parse_range_end(to_text.c_str(), to.year, to.month, to.day))
    return "Enter dates as YYYY-MM-DD, From\n1600 to 2400, To up to 2401-01-01.";
  switch (day_range_fault(from.year, from.month, from.day, to.year, to.month, to.day)) {
    case DayRangeFault::end_not_after_start:
      return "The To date must come\nafter the From date.";
    case DayRangeFault::over_a_century:
      return "From and To span\nmore than 100 years.";
    case DayRangeFault::none:
      break;
  }
  return nullptr;
}

}  // namespace

void MainWindow::open_report_window(const Report& report, const ReportRequest& request,
                                    const std::string& title) {
  std::string text;
  report.text(text, request);
  auto* window = new ReportWindow(title, text, prompts, [this](ReportWindow* closed) {
    std::erase(report_windows, closed);
  });
  report_windows.push_back(window);
  window->show();
}

void MainWindow::show_report(const Report& report, bool chart_is_girl) {
  const Chart& chart = chart_state.chart;
  if (report.needs == ReportNeeds::partner) {
    pick_saved_chart(PartnerListLayout,
                     [this, &report, chart_is_girl](const Chart& partner) {
                       show_match(report, partner, chart_is_girl);
                     });
    return;
  }
  ReportRequest request{chart, chart_state.chart_style, 1, nullptr, {}};
  if (report.needs == ReportNeeds::range) {
    const int year = read_clock().tm_year + 1900;
    std::string from = new_year(year);
    std::string to = new_year(year + 1);
    if (!prompts.date_range(report.title, from, to)) return;
    TypedDay first;
    TypedDay end;
    if (const char* refused = range_refusal(first, end, from, to)) {
      prompts.alert(refused);
      return;
    }
    request.first = first.first_minute();
    request.end = end.first_minute();
  }
  open_report_window(report, request,
                     std::string(report.title) + " - " + unpadded_name(chart.input));
}

void MainWindow::show_match(const Report& report, const Chart& partner,
                            bool chart_is_girl) {
  const Chart& chart = chart_state.chart;
  const Chart& boy = chart_is_girl ? partner : chart;
  const Chart& girl = chart_is_girl ? chart : partner;
  ReportRequest request{boy, chart_state.chart_style, 1, nullptr, {}};
  request.partner = &girl;
  open_report_window(report, request,
                     std::string(report.title) + " - " + unpadded_name(boy.input) +
                         " and " + unpadded_name(girl.input));
}
