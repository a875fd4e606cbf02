#include "chart/vimshottari.h"

#include <charconv>

#include "base/chart_names.h"
#include "chart/position_derivations.h"
#include "ephemeris/time_and_calendar.h"

const char* const DashaLords[dasha_lord_count] = {"Ke", "Ve", "Su", "Mo", "Ma",
                                                  "Ra", "Ju", "Sa", "Me"};

const int DashaYears[dasha_lord_count] = {7, 20, 6, 10, 7, 18, 16, 19, 17};

// clang-format off
const double BhuktiDays[dasha_lord_count * dasha_lord_count] = {
    149.14, 426.13, 127.84, 213.06, 149.14, 383.51, 340.9, 404.82, 362.21,
    1217.5, 365.25, 608.75, 426.13, 1095.75, 974.0, 1156.63, 1034.88, 426.13,
    109.58, 182.63, 127.84, 328.72, 292.2, 346.99, 310.46, 127.84, 365.25,
    304.38, 213.06, 547.88, 487.0, 578.31, 517.44, 213.06, 608.75, 182.63,
    149.14, 383.51, 340.9, 404.82, 362.21, 149.14, 426.13, 127.84, 213.06,
    986.17, 876.6, 1040.96, 931.39, 383.51, 1095.75, 328.73, 547.88, 383.51,
    779.2, 925.3, 827.9, 340.9, 974.0, 292.2, 487.0, 340.9, 876.6,
    1098.79, 983.13, 404.82, 1156.63, 346.99, 578.31, 404.82, 1040.96, 925.3,
    879.64, 362.21, 1034.88, 310.46, 517.44, 362.21, 931.39, 827.9, 983.13,
};
// clang-format on

void format_date(char (&area)[date_text_size], double day_count) {
  const CivilDate date = civil_date_of(day_count);
  const int day = date.day;
  const int year = date.year;
  const char* const month_name = MonthAbbrev[date.month - 1];
  // "Jan 01, 2000": what "%s %2.2d, %d" gives, without the cost of parsing
  // the format for every date of the listing (the printer writes some eighty
  // a chart). The calendar's days run from 1 to 31: two digits.
  char* out = area;
  for (const char* name = month_name; *name != '\0'; ++name) *out++ = *name;
  *out++ = ' ';
  *out++ = static_cast<char>('0' + day / 10);
  *out++ = static_cast<char>('0' + day % 10);
  *out++ = ',';
  *out++ = ' ';
  out = std::to_chars(out, area + sizeof area - 1, year).ptr;
  *out = '\0';
}

RunningBhukti running_bhukti(int moon_position) {
  double m = nakshatra_measure(moon_position);
  int n = static_cast<int>(m);
  int major = n % dasha_lord_count;
  double elapsed = (m - n) * (DashaYears[major] * days_per_year);
  // A whole-arc-minute Moon leaves at least 1/800 of the major period to
  // run, so the search always stops within the row.
  double sum = 0;
  int k = 0;
  for (; k < dasha_lord_count; ++k) {
    sum += BhuktiDays[dasha_lord_count * major + k];
    if (sum >= elapsed) break;
  }
  return {major, (major + k) % dasha_lord_count, dasha_lord_count * major + k,
          sum - elapsed};
}

bool ends_major_period(const DashaPeriod& period) {
  return (period.sub_lord + 1) % dasha_lord_count == period.major_lord;
}

DashaSequence dasha_sequence(int moon_position, double julian_day) {
  RunningBhukti running = running_bhukti(moon_position);
  int major = running.major_lord;
  int sub = running.sub_lord;
  int index = running.index;
  double date = julian_day;
  double step = running.step;

  DashaSequence sequence;
  sequence.count = 0;
  for (int block = 0; block < dasha_lord_count; ++block) {
    do {
      sequence.periods[sequence.count++] = {major, sub, date};
      sub = (sub + 1) % dasha_lord_count;
      date = date + step;
      index = (index + 1) % dasha_period_capacity;
      step = BhuktiDays[index];
    } while (sub != major);
    // The index already points at the next lord's first sub-period.
    major = (major + 1) % dasha_lord_count;
    sub = major;
  }
  sequence.end_day = date;
  sequence.first_step = running.step;
  return sequence;
}

ThirdLevelPeriods third_level_periods(const DashaSequence& sequence, int index) {
  const DashaPeriod& period = sequence.periods[index];
  const int sub_index =
      (period.sub_lord - period.major_lord + dasha_lord_count) % dasha_lord_count;
  const double days = BhuktiDays[dasha_lord_count * period.major_lord + sub_index];
  auto lord_at = [&period](int k) { return (period.sub_lord + k) % dasha_lord_count; };
  auto length_of = [days](int lord) { return days * DashaYears[lord] / 120.0; };

  // The first period listed and the days from its start to the next one's.
  int k = 0;
  double step = length_of(lord_at(0));
  if (index == 0) {
    // Within the running sub-period, the part already past at the chart
    // moment; the third-level period then running is the first listed.
    const double elapsed = days - sequence.first_step;
    double sum = step;
    while (k + 1 < dasha_lord_count && sum <= elapsed) {
      ++k;
      sum += length_of(lord_at(k));
    }
    step = sum - elapsed;
  }
  ThirdLevelPeriods periods;
  periods.count = 0;
  double date = period.start_day;
  for (; k < dasha_lord_count; ++k) {
    periods.periods[periods.count++] = {lord_at(k), date};
    date = date + step;
    if (k + 1 < dasha_lord_count) step = length_of(lord_at(k + 1));
  }
  return periods;
}

int running_third_level(const ThirdLevelPeriods& periods, double day) {
  int i = periods.count - 1;
  while (i > 0 && periods.periods[i].start_day > day) --i;
  return i;
}

int running_period(const DashaSequence& sequence, double day) {
  if (sequence.count == 0 || day < sequence.periods[0].start_day ||
      day >= sequence.end_day)
    return -1;
  int i = sequence.count - 1;
  while (sequence.periods[i].start_day > day) --i;
  return i;
}

DashaBalance birth_balance(const DashaSequence& sequence) {
  const DashaPeriod& birth = sequence.periods[0];
  int next = 1;
  while (sequence.periods[next].major_lord == birth.major_lord) ++next;
  // Both days lie within a factor of two of each other, so the difference is
  // exact and adding it back to the moment gives the next start exactly.
  const double total = sequence.periods[next].start_day - birth.start_day;
  constexpr double days_per_month = days_per_year / 12;
  const int years = static_cast<int>(total / days_per_year);
  const double after_years = total - years * days_per_year;
  const int months = static_cast<int>(after_years / days_per_month);
  const double after_months = after_years - months * days_per_month;
  return {birth.major_lord, years, months, static_cast<int>(after_months), total};
}
