#include "cli/text_report.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "base/utf8_text.h"
#include "chart/position_derivations.h"
#include "chart/sade_sati.h"
#include "chart/vimshottari.h"
#include "chart_file/chart_line.h"
#include "cli/offset_basis.h"
#include "drawing/body_label.h"
#include "drawing/dasha_block.h"
#include "drawing/header_block.h"
#include "drawing/south_chart.h"

namespace {

// The South grid: 4 x 4 cells of 15 columns and 5 rows inside their borders,
// the middle four left open as in the window.
constexpr int cell_width = 15;
constexpr int cell_height = 5;
constexpr int grid_columns = 4 * (cell_width + 1) + 1;
constexpr int grid_rows = 4 * (cell_height + 1) + 1;
constexpr int pixels_per_cell = 90;

// Window pixels inside a cell to text columns: the two slot columns at dx 4
// and 48 become columns 2 and 9, the slot rows 12 pixels apart become rows.
int slot_column(const TextOffset& slot) { return slot.dx < 40 ? 2 : 9; }
int slot_row(const TextOffset& slot) { return slot.dy / 12; }

void put(char (&grid)[grid_rows][grid_columns], int row, int column, const char* text) {
  for (int i = 0; text[i] != '\0' && column + i < grid_columns; ++i)
    grid[row][column + i] = text[i];
}

void draw_cell_border(char (&grid)[grid_rows][grid_columns], int top, int left) {
  int bottom = top + cell_height + 1;
  int right = left + cell_width + 1;
  for (int column = left; column <= right; ++column) {
    grid[top][column] = grid[top][column] == '|' ? '+' : '-';
    grid[bottom][column] = grid[bottom][column] == '|' ? '+' : '-';
  }
  for (int row = top; row <= bottom; ++row) {
    grid[row][left] = row == top || row == bottom ? '+' : '|';
    grid[row][right] = row == top || row == bottom ? '+' : '|';
  }
}

void append_line(std::string& out, const char* text, std::size_t length) {
  // No trailing blanks: they carry nothing and upset diffs.
  while (length > 0 && text[length - 1] == ' ') --length;
  out.append(text, length);
  out += '\n';
}

void append_line(std::string& out, const std::string& text) {
  append_line(out, text.data(), text.size());
}

// A name or place for the terminal: a control character would split the
// header or act on it.
std::string shown_field(const char* text) {
  std::string shown;
  append_terminal_text(shown, text);
  return shown;
}

void append_south_picture(std::string& out, const Chart& chart) {
  char grid[grid_rows][grid_columns];
  for (auto& row : grid)
    for (char& c : row) c = ' ';

  for (int sign = 0; sign < 12; ++sign) {
    int top = SouthCellOrigin[sign].dy / pixels_per_cell * (cell_height + 1);
    int left = SouthCellOrigin[sign].dx / pixels_per_cell * (cell_width + 1);
    draw_cell_border(grid, top, left);
  }
  for (int sign = 0; sign < 12; ++sign) {
    int top = SouthCellOrigin[sign].dy / pixels_per_cell * (cell_height + 1);
    int left = SouthCellOrigin[sign].dx / pixels_per_cell * (cell_width + 1);
    // The window leaves the fixed signs unnamed; text needs them on the border.
    put(grid, top, left + 2, SignAbbrev[sign]);
    int bodies[body_count];
    int count = bodies_in_sign(chart, sign, bodies);
    for (int slot = 0;
         slot < count && slot < static_cast<int>(std::size(SouthSlotOffset)); ++slot) {
      char label[body_label_size];
      format_body_label(label, chart, bodies[slot]);
      const TextOffset& at = SouthSlotOffset[slot];
      put(grid, top + 1 + slot_row(at), left + slot_column(at), label);
    }
  }
  for (const auto& row : grid) append_line(out, row, grid_columns);
}

// The diamond does not fit characters: its twelve houses as a list, each with
// the sign number the window writes in it and its bodies in the same order.
void append_north_houses(std::string& out, const Chart& chart) {
  int sign = chart.bodies[ascendant_body].sign;
  for (int house = 1; house <= 12; ++house) {
    char line[160];
    int length =
        std::snprintf(line, sizeof line, "House %2d  Sign %2d:", house, sign + 1);
    int bodies[body_count];
    int count = bodies_in_sign(chart, sign, bodies);
    for (int i = 0; i < count; ++i) {
      char label[body_label_size];
      format_body_label(label, chart, bodies[i]);
      length += std::snprintf(line + length, sizeof line - length, "  %s", label);
    }
    append_line(out, line, static_cast<std::size_t>(length));
    sign = (sign + 1) % 12;
  }
}

void append_planet_table(std::string& out, const Chart& chart) {
  for (int row = 0; row < 5; ++row) {
    std::string line;
    for (int body = row; body < body_count; body += 5) {
      char name[body_label_size];
      format_body_name(name, chart, body);
      char position[position_text_size];
      int p = chart.positions[body];
      format_position(position, p);
      char cell[48];
      std::snprintf(cell, sizeof cell, "%-4s%-7s%-12s", name, position,
                    NakshatraNames[chart.bodies[body].nakshatra]);
      if (!line.empty()) line += "  ";
      line += cell;
    }
    append_line(out, line);
  }
}

void append_navamsha_line(std::string& out, const Chart& chart) {
  append_line(out, std::string("Navamsha Signs:"));
  std::string line;
  for (int body = 0; body < body_count; ++body) {
    char item[body_label_size];
    format_navamsha_item(item, chart, body);
    char cell[16];
    std::snprintf(cell, sizeof cell, "%-6s", item);
    line += cell;
  }
  append_line(out, line);
}

// The listing's lines and columns as the window arranges them, each column
// 21 characters wide.
void append_dasha_listing(std::string& out, const DashaSequence& sequence) {
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
void append_third_level(std::string& out, const DashaSequence& sequence) {
  constexpr const char* title = "Vimshottari Dashas, third level";
  append_line(out, std::string(title));
  append_line(out, std::string(std::strlen(title), '-'));
  for (int i = 0; i < sequence.count; ++i) {
    char label[dasha_label_size];
    format_dasha_label(label, sequence.periods[i]);
    std::string line = label;
    const ThirdLevelPeriods third = third_level_periods(sequence, i);
    for (int k = 0; k < third.count; ++k) {
      if (k > 0 && k % 3 == 0) {
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

// Saturn's stretches in the three signs around the natal Moon's.
void append_sade_sati(std::string& out, const Chart& chart) {
  append_line(out, "Sade Sati (Saturn in the 12th, 1st or 2nd sign from the Moon in " +
                       std::string(SignAbbrev[chart.bodies[moon_body].sign]) + "), UT:");
  for (const SadeSatiStretch& stretch : sade_sati(chart))
    append_line(out,
                ut_minute_text(stretch.start) + " to " + ut_minute_text(stretch.end));
}

void append_dasha_queries(std::string& out, const DashaSequence& sequence,
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

}  // namespace

const char* append_text_report(std::string& out, const ReportRequest& request) {
  const Chart& chart = request.chart;
  append_line(out, shown_field(chart.input.name));
  append_line(out, std::string(chart.input.date_line));
  char place_line[place_line_size];
  format_place_line(place_line, chart.input);
  append_line(out, shown_field(place_line));
  if (request.chart_style)
    append_north_houses(out, chart);
  else
    append_south_picture(out, chart);
  append_planet_table(out, chart);
  append_navamsha_line(out, chart);
  append_dasha_listing(out, chart.dashas);
  if (request.levels >= 3) append_third_level(out, chart.dashas);
  append_dasha_queries(out, chart.dashas, request.on_day, request.levels);
  if (request.sade_sati) append_sade_sati(out, chart);
  if (request.basis != nullptr && request.basis->shown)
    append_basis_text(out, *request.basis);
  return nullptr;
}
