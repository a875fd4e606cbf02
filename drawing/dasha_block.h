#pragma once

#include <cstddef>

#include "chart/vimshottari.h"
#include "drawing/chart_canvas.h"

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

// The same for the third-level period k of the sequence's period at index:
// the next one's start, or the next sub-period's after the last.
void format_third_level_dates(RunningDates& dates, const DashaSequence& sequence,
                              int index, const ThirdLevelPeriods& third, int k);

// The Vimshottari listing: title, rule, and every sub-period from the chart
// moment on with its starting date. Draws in the colour left current.
void draw_dashas(ChartCanvas& canvas, const DashaSequence& sequence, int x, int y);
