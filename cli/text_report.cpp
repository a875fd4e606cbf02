#include "cli/text_report.h"

#include <cstdio>
#include <cstring>

#include "chart/position_derivations.h"
#include "chart/vargas.h"
#include "cli/dasha_report.h"
#include "cli/offset_basis.h"
#include "cli/sade_sati_report.h"
#include "cli/text_lines.h"
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
    const SouthCellLabels cell = south_cell_labels(chart, sign);
    for (int slot = 0; slot < cell.count; ++slot) {
      const TextOffset& at = SouthSlotOffset[slot];
      put(grid, top + 1 + slot_row(at), left + slot_column(at), cell.labels[slot]);
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

}  // namespace

const char* append_text_report(std::string& out, const ReportRequest& request) {
  const Chart& chart = request.chart;
  append_line(out, shown_field(header_name_line(chart.input, request.varga).c_str()));
  append_line(out, std::string(chart.input.date_line));
  char place_line[place_line_size];
  format_place_line(place_line, chart.input);
  append_line(out, shown_field(place_line));
  if (request.chart_style)
    append_north_houses(out, varga_chart(chart, request.varga));
  else
    append_south_picture(out, varga_chart(chart, request.varga));
  append_planet_table(out, chart);
  append_navamsha_line(out, chart);
  append_dasha_listing_text(out, chart.dashas);
  if (request.levels >= 3) append_third_level_text(out, chart.dashas);
  append_dasha_queries_text(out, chart.dashas, request.on_day, request.levels);
  if (request.sade_sati) append_sade_sati_text(out, chart);
  if (request.basis != nullptr && request.basis->shown)
    append_basis_text(out, *request.basis);
  return nullptr;
}
