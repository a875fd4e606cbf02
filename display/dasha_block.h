#pragma once

#include <cstddef>

#include "chart/vimshottari.h"
#include "display/chart_canvas.h"

constexpr const char* dasha_title = "Vimshottari Dashas";

// Where a period stands in the listing: its line, counted from the first
// under the title, its column (0 opens a major period; its other
// sub-periods fill columns 1 and 2, two to a line) and how many blocks of
// more than one period lie above it, each followed by a wider gap.
struct DashaCell {
  int line;
  int column;
  int gaps;
};
void arrange_dashas(const DashaSequence& sequence,
                    DashaCell (&cells)[dasha_period_capacity]);

// "Ve/Mo ", trailing blank included.
constexpr std::size_t dasha_label_size = 8;
void format_dasha_label(char (&area)[dasha_label_size], const DashaPeriod& period);

// A period's dates as the listing prints them: its own start and the start
// of the one after it (the end of the sequence for the last).
struct RunningDates {
  char start[date_text_size];
  char end[date_text_size];
};
void format_running_dates(RunningDates& dates, const DashaSequence& sequence, int index);

// The Vimshottari listing: title, rule, and every sub-period from the chart
// moment on with its starting date. Draws in the colour left current.
void draw_dashas(ChartCanvas& canvas, const DashaSequence& sequence, int x, int y);
