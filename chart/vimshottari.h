#pragma once

#include <cstddef>

// The Vimshottari cycle of nine lords over 120 years, entered at the chart
// moment by the Moon's nakshatra.

constexpr int dasha_lord_count = 9;
constexpr double days_per_year = 365.25;

// Lords in cycle order: Ke Ve Su Mo Ma Ra Ju Sa Me; a lord is its index here.
extern const char* const DashaLords[dasha_lord_count];
// Major-period length in years, by lord.
extern const int DashaYears[dasha_lord_count];
// Sub-period lengths in days: row i is the major period of lord i, entry j
// the sub-period of lord (i + j) mod 9. Rounded as published, so the table
// is not symmetric (Su/Ra 328.72, Ra/Su 328.73).
extern const double BhuktiDays[dasha_lord_count * dasha_lord_count];

// Calendar date of a day count on the julian_day scale, e.g. "Jan 01, 2000";
// Gregorian for every day number, also before 1582.
constexpr std::size_t date_text_size = 24;
void format_date(char (&area)[date_text_size], double day_count);

// The sub-period running at the chart moment for a Moon at position p.
struct RunningBhukti {
  int major_lord;
  int sub_lord;
  int index;    // into BhuktiDays
  double step;  // days from the chart moment to the end of the sub-period
};
RunningBhukti running_bhukti(int moon_position);

constexpr const char* dasha_title = "Vimshottari Dashas";
constexpr std::size_t dasha_label_size = 8;
// The running sub-period's block plus eight full major periods.
constexpr int dasha_entry_capacity = dasha_lord_count * dasha_lord_count;

struct DashaEntry {
  int major_lord;
  int sub_lord;
  double date;                   // julian_day scale: the chart's own for the first entry
  char label[dasha_label_size];  // "Ve/Mo ", trailing blank included
  char date_text[date_text_size];
  int x;       // label baseline start
  int date_x;  // date baseline start
  int y;       // baseline of both
};

struct DashaListing {
  int title_x, title_y;          // title baseline start
  int rule_x1, rule_x2, rule_y;  // the rule under the title
  int entry_count;
  DashaEntry entries[dasha_entry_capacity];
  int end_y;  // below the last block
};

// The whole listing of ChartState's chart from the chart moment on, laid out
// with the block's origin at (x, y).
void list_dashas(DashaListing& listing, int x, int y);
