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

// The running sub-period's major period from there on, plus eight full
// major periods.
constexpr int dasha_period_capacity = dasha_lord_count * dasha_lord_count;

struct DashaPeriod {
  int major_lord;
  int sub_lord;
  double start_day;  // julian_day scale: the chart's own moment for the first
};

struct DashaSequence {
  int count;
  DashaPeriod periods[dasha_period_capacity];
  double end_day;     // where the last period ends
  double first_step;  // days from the chart moment to the second period
};

// The Vimshottari sequence from the chart moment on, for a Moon at position
// p and the chart's julian_day.
DashaSequence dasha_sequence(int moon_position, double julian_day);

// True for the last sub-period of its major period.
bool ends_major_period(const DashaPeriod& period);

// The period running at day: the last to start at or before it; -1 before
// the chart moment and from the end of the sequence on.
int running_period(const DashaSequence& sequence, double day);

// What remains of the birth major period at the chart moment, up to the
// first date of the next major period in the sequence: whole years of
// 365.25 days, then whole months of a twelfth of that year, then whole days,
// each truncated.
struct DashaBalance {
  int lord;
  int years;
  int months;
  int days;
  double days_total;  // the chart moment plus this is the next period's start
};
DashaBalance birth_balance(const DashaSequence& sequence);

// The third level: the sub-period of lords M/S, lasting D days (its value in
// BhuktiDays), divided among the nine lords in cycle order from S, each
// lasting D * (its lord's years) / 120 days from the sub-period's start.
struct ThirdLevelPeriod {
  int lord;
  double start_day;  // the listing's day scale
};
struct ThirdLevelPeriods {
  int count;
  ThirdLevelPeriod periods[dasha_lord_count];
};

// The third-level periods of the sequence's period at index. For the first,
// only those from the one running at the chart moment on, which then starts
// at the chart moment as the sequence's first period does.
ThirdLevelPeriods third_level_periods(const DashaSequence& sequence, int index);

// The third-level period of the sequence's period at index running at day,
// an index into its third_level_periods.
int running_third_level(const ThirdLevelPeriods& periods, double day);
