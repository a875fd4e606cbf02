#include "drawing/dasha_block.h"

#include <cstdio>

void arrange_dashas(const DashaSequence& sequence,
                    DashaCell (&cells)[dasha_period_capacity]) {
  int line = 0;
  int gaps = 0;
  int i = 0;
  while (i < sequence.count) {
    cells[i] = {line, 0, gaps};
    if (ends_major_period(sequence.periods[i++])) {
      ++line;
      continue;
    }
    int column = 1;
    while (i < sequence.count) {
      cells[i] = {line, column, gaps};
      if (ends_major_period(sequence.periods[i++])) break;
      if (column == 2) ++line;
      column = column == 2 ? 1 : 2;
    }
    ++line;
    ++gaps;
  }
}

void format_dasha_label(char (&area)[dasha_label_size], const DashaPeriod& period) {
  std::snprintf(area, sizeof area, "%s/%s ", DashaLords[period.major_lord],
                DashaLords[period.sub_lord]);
}

void format_running_dates(RunningDates& dates, const DashaSequence& sequence, int index) {
  format_date(dates.start, sequence.periods[index].start_day);
  format_date(dates.end, index + 1 < sequence.count
                             ? sequence.periods[index + 1].start_day
                             : sequence.end_day);
}

void format_third_level_dates(RunningDates& dates, const DashaSequence& sequence,
                              int index, const ThirdLevelPeriods& third, int k) {
  format_running_dates(dates, sequence, index);
  format_date(dates.start, third.periods[k].start_day);
  if (k + 1 < third.count) format_date(dates.end, third.periods[k + 1].start_day);
}

void draw_dashas(ChartCanvas& canvas, const DashaSequence& sequence, int x, int y) {
  canvas.draw_text(dasha_title, x, y + 12);
  canvas.draw_line(x, y + 14, x + 140, y + 14);

  DashaCell cells[dasha_period_capacity];
  arrange_dashas(sequence, cells);
  // Baselines 12 pixels apart, 4 more after a block of several periods; the
  // second and third columns stand at fixed positions.
  const int first_baseline = y + 32;
  for (int i = 0; i < sequence.count; ++i) {
    const DashaCell& cell = cells[i];
    int cx = cell.column == 0 ? x : 138 + 130 * (cell.column - 1);
    int cy = first_baseline + 12 * cell.line + 4 * cell.gaps;
    char label[dasha_label_size];
    format_dasha_label(label, sequence.periods[i]);
    char date[date_text_size];
    format_date(date, sequence.periods[i].start_day);
    canvas.draw_text(label, cx, cy);
    canvas.draw_text(date, cx + 40, cy);
  }
}
