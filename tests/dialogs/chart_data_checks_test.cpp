#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/chart_data_entries.h"
#include "support/sample_entries.h"

namespace {
constexpr const char* year_message = "Enter year between\n1600-2400.";
constexpr const char* day_message = "Enter day between\n1-31";
constexpr const char* february_message = "Invalid February date";
constexpr const char* thirty_days_message = "There are only 30 days\nin this month";
constexpr const char* hour_message = "Enter hour between\n0-23";
constexpr const char* minute_message = "Enter minute between\n0-59";

std::string message_of(const ChartDataEntries& entries) {
  const char* message = check_chart_data(entries);
  return message ? message : "(accepted)";
}

TEST(ChartDataChecks, ValidChartIsAccepted) {
  EXPECT_EQ(check_chart_data(delhi_entries()), nullptr);
}

// Each integer field just inside and just outside both of its bounds.
TEST(ChartDataChecks, EveryRangeBoundOnBothSides) {
  struct Range {
    std::string ChartDataEntries::*field;
    const char* field_name;
    long low, high;
    const char* message;
  };
  const Range ranges[] = {
      {&ChartDataEntries::year, "year", 1600, 2400, year_message},
      {&ChartDataEntries::day, "day", 1, 31, day_message},
      {&ChartDataEntries::hour, "hour", 0, 23, hour_message},
      {&ChartDataEntries::minute, "minute", 0, 59, minute_message},
      {&ChartDataEntries::zone_hours, "zone hours", 0, 12,
       "Enter zone hour between\n0-12"},
      {&ChartDataEntries::zone_minutes, "zone minutes", 0, 59,
       "Enter zone minute between\n0-59"},
      {&ChartDataEntries::lon_degrees, "lon degrees", 0, 179,
       "Enter longitude degree\nbetween 0-179"},
      {&ChartDataEntries::lon_minutes, "lon minutes", 0, 59,
       "Enter longitude minute\nbetween 0-59"},
      {&ChartDataEntries::lat_degrees, "lat degrees", 0, 89,
       "Enter latitude degree\nbetween 0-89"},
      {&ChartDataEntries::lat_minutes, "lat minutes", 0, 59,
       "Enter latitude minute\nbetween 0-59"},
  };
  for (const Range& range : ranges) {
    const struct {
      long value;
      bool accepted;
    } probes[] = {{range.low - 1, false},
                  {range.low, true},
                  {range.high, true},
                  {range.high + 1, false}};
    for (const auto& probe : probes) {
      ChartDataEntries entries = delhi_entries();
      entries.*range.field = std::to_string(probe.value);
      EXPECT_EQ(message_of(entries), probe.accepted ? "(accepted)" : range.message)
          << range.field_name << " " << probe.value;
    }
  }
}

TEST(ChartDataChecks, DaysAgainstMonthAndLeapYear) {
  const struct {
    int month_index;
    const char* day;
    const char* year;
    const char* message;  // nullptr: accepted
  } cases[] = {
      // 29 February only in Gregorian leap years.
      {1, "29", "1600", nullptr},
      {1, "29", "1700", february_message},
      {1, "29", "1900", february_message},
      {1, "29", "2000", nullptr},
      {1, "29", "2100", february_message},
      {1, "29", "2400", nullptr},
      {1, "28", "1900", nullptr},
      {1, "30", "2000", february_message},
      {1, "31", "2000", february_message},
      {1, "30", "1900", february_message},
      {1, "31", "2400", february_message},
      {3, "31", "1990", thirty_days_message},
      {5, "31", "1990", thirty_days_message},
      {8, "31", "1990", thirty_days_message},
      {10, "31", "1990", thirty_days_message},
      {3, "30", "1990", nullptr},
      {10, "30", "1990", nullptr},
      {0, "31", "1990", nullptr},
      {11, "31", "1990", nullptr},
      {2, "31", "1990", nullptr},
      {4, "31", "1990", nullptr},
      {6, "31", "1990", nullptr},
      {7, "31", "1990", nullptr},
      {9, "31", "1990", nullptr},
  };
  for (const auto& c : cases) {
    ChartDataEntries entries = delhi_entries();
    entries.month_index = c.month_index;
    entries.day = c.day;
    entries.year = c.year;
    EXPECT_EQ(message_of(entries), c.message ? c.message : "(accepted)")
        << "month index " << c.month_index << " day " << c.day << " year " << c.year;
  }
}

TEST(ChartDataChecks, OnlyTheFirstFailureIsReported) {
  ChartDataEntries entries = delhi_entries();
  entries.hour = "25";
  entries.minute = "75";
  EXPECT_EQ(message_of(entries), hour_message);

  entries.day = "0";
  EXPECT_EQ(message_of(entries), day_message);

  // A bad year wins over everything else.
  entries.year = "1599";
  entries.lat_degrees = "95";
  EXPECT_EQ(message_of(entries), year_message);
  entries.year = "2401";
  EXPECT_EQ(message_of(entries), year_message);
}

TEST(ChartDataChecks, EmptyFieldsReadAsZero) {
  // What OK sees at once in a dialog opened by New.
  EXPECT_EQ(message_of(ChartDataEntries{}), year_message);

  ChartDataEntries entries;
  entries.year = "2000";
  EXPECT_EQ(message_of(entries), day_message);

  entries.day = "1";
  EXPECT_EQ(check_chart_data(entries), nullptr)
      << "empty time, zone and coordinates pass as 0";
}

TEST(ChartDataChecks, IntegerFieldsReadAsStrtolBase0) {
  const struct {
    const char* text;
    long value;
  } cases[] = {
      {"", 0},    {"08", 0}, {"010", 8},    {"0x0A", 10}, {"0X1f", 31}, {"  12", 12},
      {"-5", -5}, {"+7", 7}, {"12abc", 12}, {"-", 0},     {"0x", 0},    {"1990", 1990},
  };
  for (const auto& c : cases) EXPECT_EQ(read_integer_field(c.text), c.value) << c.text;
}

// Texts whose value does not fit an int: cut to 32 bits they would land in
// range (4294969296 -> 2000, 4294967297 -> 1, 0x100000005 -> 5,
// -4294967291 -> 5), and some do not even fit a long.
TEST(ChartDataChecks, IntegerTextsBeyondIntFailTheirCheck) {
  const struct {
    std::string ChartDataEntries::*field;
    const char* text;
    const char* message;
  } cases[] = {
      {&ChartDataEntries::year, "4294969296", year_message},
      {&ChartDataEntries::year, "99999999999999999999999", year_message},
      {&ChartDataEntries::year, "-99999999999999999999999", year_message},
      {&ChartDataEntries::day, "4294967297", day_message},
      {&ChartDataEntries::hour, "0x100000005", hour_message},
      {&ChartDataEntries::hour, "-4294967291", hour_message},
      {&ChartDataEntries::minute, "18446744073709551621", minute_message},
      {&ChartDataEntries::lat_minutes, "4294967306",
       "Enter latitude minute\nbetween 0-59"},
  };
  for (const auto& c : cases) {
    ChartDataEntries entries = delhi_entries();
    entries.*c.field = c.text;
    EXPECT_EQ(message_of(entries), c.message) << c.text;
  }
}

TEST(ChartDataChecks, NamePlaceAndChoicesAreNotChecked) {
  ChartDataEntries entries = delhi_entries();
  entries.name = "";
  entries.place = "";
  entries.zone_sign_index = 1;
  entries.lon_dir_index = 0;
  entries.lat_dir_index = 1;
  EXPECT_EQ(check_chart_data(entries), nullptr);
}
}  // namespace
