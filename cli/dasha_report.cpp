#include "cli/dasha_report.h"

#include <cstdio>
#include <cstring>

#include "cli/text_lines.h"
#include "drawing/dasha_block.h"

using namespace std::string_view_literals;

// The listing's lines and columns as the window arranges them, each column
// 21 characters wide.
void append_dasha_listing_text(std::string& out, const DashaSequence& sequence) {
  constexpr std::size_t column_width = 21;
  append_line(out, std::string(dasha_title));
  append_line(out, std::string(std::strlen(dasha_title), '-'));

  DashaCell cells[dasha_period_capacity];
  arrange_dashas(sequence, cells);
  std::string line;
  for (int i = 0; i < sequence.count; ++i) {
    if (i > 0 && cells[i].line != cells[i - 1].line) {
      append_line(out, line);
      line.clear();
    }
    line.resize(static_cast<std::size_t>(cells[i].column) * column_width, ' ');
    char label[dasha_label_size];
    format_dasha_label(label, sequence.periods[i]);
    char date[date_text_size];
    format_date(date, sequence.periods[i].start_day);
    line += label;
    line += date;
  }
  if (sequence.count > 0) append_line(out, line);
}

// Under each sub-period its third-level periods, three to a line, each its
// lord and first date.
void append_third_level_text(std::string& out, const DashaSequence& sequence) {
  constexpr const char* title = "Vimshottari Dashas, third level";
  append_line(out, std::string(title));
  append_line(out, std::string(std::strlen(title), '-'));
  for (int i = 0; i < sequence.count; ++i) {
    char label[dasha_label_size];
    format_dasha_label(label, sequence.periods[i]);
    std::string line = label;
    const ThirdLevelPeriods third = third_level_periods(sequence, i);
    for (int k = 0; k < third.count; ++k) {
      if (k != 0 && k % 3 == 0) {
        append_line(out, line);
        line.assign(std::strlen(label), ' ');
      } else if (k > 0) {
        line += "  ";
      }
      char date[date_text_size];
      format_date(date, third.periods[k].start_day);
      line += std::string(DashaLords[third.periods[k].lord]) + " " + date;
    }
    append_line(out, line);
  }
}

void append_dasha_queries_text(std::string& out, const DashaSequence& sequence,
                               std::optional<double> on_day, int levels) {
  const DashaBalance balance = birth_balance(sequence);
  char line[160];
  // One of a unit is singular, every other count plural ("0 years").
  auto plural = [](int count) { return count == 1 ? "" : "s"; };
  int length = std::snprintf(
      line, sizeof line, "Balance of %s at birth: %d year%s %d month%s %d day%s",
      DashaLords[balance.lord], balance.years, plural(balance.years), balance.months,
      plural(balance.months), balance.days, plural(balance.days));
  append_line(out, line, static_cast<std::size_t>(length));
  if (!on_day) return;
  const int running = running_period(sequence, *on_day);
  if (running < 0) return;
  RunningDates dates;
  format_running_dates(dates, sequence, running);
  char on[date_text_size];
  format_date(on, *on_day);
  const DashaPeriod& period = sequence.periods[running];
  length = std::snprintf(line, sizeof line, "Running on %s: %s/%s from %s to %s", on,
                         DashaLords[period.major_lord], DashaLords[period.sub_lord],
                         dates.start, dates.end);
  append_line(out, line, static_cast<std::size_t>(length));
  if (levels < 3) return;
  const ThirdLevelPeriods third = third_level_periods(sequence, running);
  const int k = running_third_level(third, *on_day);
  format_third_level_dates(dates, sequence, running, third, k);
  length = std::snprintf(line, sizeof line, "Running on %s: %s/%s/%s from %s to %s", on,
                         DashaLords[period.major_lord], DashaLords[period.sub_lord],
                         DashaLords[third.periods[k].lord], dates.start, dates.end);
  append_line(out, line, static_cast<std::size_t>(length));
}

namespace {

// A dasha lord's abbreviation as a JSON string.
const std::string& json_lord(int lord) {
  static const auto lords = json_texts(DashaLords);
  return lords[static_cast<std::size_t>(lord)];
}

// A sub-period's third-level periods, each with its lord, day and date.
void append_third_level_json(JsonLine& line, const DashaSequence& sequence, int index) {
  const ThirdLevelPeriods third = third_level_periods(sequence, index);
  line.raw(R"(,"periods":[)"sv);
  for (int k = 0; k < third.count; ++k) {
    char date[date_text_size];
    format_date(date, third.periods[k].start_day);
    line.raw(k == 0 ? R"({"lord":)"sv : R"(,{"lord":)"sv);
    line.raw(json_lord(third.periods[k].lord));
    line.raw(R"(,"day":)"sv);
    line.value(third.periods[k].start_day);
    line.raw(R"(,"date":)"sv);
    line.text(date);
    line.raw("}"sv);
  }
  line.raw("]"sv);
}

// A period's two lords, as the members "major" and "sub".
void append_period_lords_json(JsonLine& line, const DashaPeriod& period) {
  line.raw(R"("major":)"sv);
  line.raw(json_lord(period.major_lord));
  line.raw(R"(,"sub":)"sv);
  line.raw(json_lord(period.sub_lord));
}

}  // namespace

// The listing's entries as an array, each with its lords, day and date, and
// with three levels its third-level periods.
void append_dashas_json(JsonLine& line, const DashaSequence& sequence, int levels) {
  line.raw("["sv);
  for (int i = 0; i < sequence.count; ++i) {
    const DashaPeriod& period = sequence.periods[i];
    char date[date_text_size];
    format_date(date, period.start_day);
    line.raw(i == 0 ? "{"sv : ",{"sv);
    append_period_lords_json(line, period);
    line.raw(R"(,"day":)"sv);
    line.value(period.start_day);
    line.raw(R"(,"date":)"sv);
    line.text(date);
    if (levels >= 3) append_third_level_json(line, sequence, i);
    line.raw("}"sv);
  }
  line.raw("]"sv);
}

void append_balance_json(JsonLine& line, const DashaSequence& sequence) {
  const DashaBalance balance = birth_balance(sequence);
  line.raw(R"({"lord":)"sv);
  line.raw(json_lord(balance.lord));
  line.raw(R"(,"years":)"sv);
  line.value(balance.years);
  line.raw(R"(,"months":)"sv);
  line.value(balance.months);
  line.raw(R"(,"days":)"sv);
  line.value(balance.days);
  line.raw(R"(,"days_total":)"sv);
  line.value(balance.days_total);
  line.raw("}"sv);
}

void append_running_json(JsonLine& line, const DashaSequence& sequence, int running,
                         double day, int levels) {
  RunningDates dates;
  format_running_dates(dates, sequence, running);
  const DashaPeriod& period = sequence.periods[running];
  line.raw("{"sv);
  append_period_lords_json(line, period);
  line.raw(R"(,"start_date":)"sv);
  line.text(dates.start);
  line.raw(R"(,"end_date":)"sv);
  line.text(dates.end);
  if (levels >= 3) {
    const ThirdLevelPeriods third = third_level_periods(sequence, running);
    const int k = running_third_level(third, day);
    format_third_level_dates(dates, sequence, running, third, k);
    line.raw(R"(,"period":{"lord":)"sv);
    line.raw(json_lord(third.periods[k].lord));
    line.raw(R"(,"start_date":)"sv);
    line.text(dates.start);
    line.raw(R"(,"end_date":)"sv);
    line.text(dates.end);
    line.raw("}"sv);
  }
  line.raw("}"sv);
}

const char* append_dashas_text_report(std::string& out, const ReportRequest& request) {
  const DashaSequence& sequence = request.chart.dashas;
  append_dasha_listing_text(out, sequence);
  append_third_level_text(out, sequence);
  append_dasha_queries_text(out, sequence, request.on_day, 3);
  return nullptr;
}

const char* append_dashas_json_report(std::string& out, const ReportRequest& request) {
  const DashaSequence& sequence = request.chart.dashas;
  JsonLine line(out);
  line.raw(R"({"dashas":)"sv);
  append_dashas_json(line, sequence, 3);
  line.raw(R"(,"balance":)"sv);
  append_balance_json(line, sequence);
  const int running = request.on_day ? running_period(sequence, *request.on_day) : -1;
  if (running >= 0) {
    line.raw(R"(,"running":)"sv);
    append_running_json(line, sequence, running, *request.on_day, 3);
  }
  line.raw("}\n"sv);
  return nullptr;
}
