#include <gtest/gtest.h>

#include <string>

#include "dialogs/chart_data_entries.h"
#include "support/sample_entries.h"

namespace {
constexpr const char* year_message = "Enter year between\n1600-2400.";
constexpr const char* day_message = "Enter day between\n1-31";
constexpr const char* february_message = "Invalid February date";
constexpr const char* thirty_days_message = "There are only 30 days\nin this month";
constexpr const char* hour_message = "Enter hour between\n0-23";
constexpr const char* accepted = "(accepted)";

std::string message_of(const ChartDataEntries& entries) {
  const char* message = check_chart_data(entries);
  return message ? message : accepted;
}

TEST(ChartDataChecks, EveryRangeBoundOnBothSides) {
  const struct {
    std::string ChartDataEntries::*field;
    long low, high;
    const char* message;
  } ranges[] = {
      {&ChartDataEntries::year, 1600, 2400, year_message},
      {&ChartDataEntries::day, 1, 31, day_message},
      {&ChartDataEntries::hour, 0, 23, hour_message},
      {&ChartDataEntries::minute, 0, 59, "Enter minute between\n0-59"},
      {&ChartDataEntries::zone_hours, 0, 12, "Enter zone hour between\n0-12"},
      {&ChartDataEntries::zone_minutes, 0, 59, "Enter zone minute between\n0-59"},
      {&ChartDataEntries::lon_degrees, 0, 179, "Enter longitude degree\nbetween 0-179"},
      {&ChartDataEntries::lon_minutes, 0, 59, "Enter longitude minute\nbetween 0-59"},
      {&ChartDataEntries::lat_degrees, 0, 89, "Enter latitude degree\nbetween 0-89"},
      {&ChartDataEntries::lat_minutes, 0, 59, "Enter latitude minute\nbetween 0-59"}};
  for (const auto& range : ranges) {
    auto check = [&range](const std::string& text) {
      ChartDataEntries entries = delhi_entries();
      entries.*range.field = text;
      return message_of(entries);
    };
    for (long value : {range.low, range.high})
      EXPECT_EQ(check(std::to_string(value)), accepted) << value;
    // Mended: a text beyond the int range was cut to 32 bits and so landed in
    // range; some do not even fit a long.
    for (const std::string& text :
         {std::to_string(range.low - 1), std::to_string(range.high + 1),
          std::to_string((range.low + range.high) / 2 + 4294967296L),
          std::string("-99999999999999999999999")})
      EXPECT_EQ(check(text), range.message) << text;
  }
}

TEST(ChartDataChecks, DaysAgainstMonthAndLeapYear) {
  auto check = [](int month_index, const char* day, const char* year) {
    ChartDataEntries entries = delhi_entries();
    entries.month_index = month_index;
    entries.day = day;
    entries.year = year;
    return message_of(entries);
  };
  for (const char* year : {"1600", "2000", "2400"})
    EXPECT_EQ(check(1, "29", year), accepted) << year;
  for (const char* year : {"1700", "1900", "2100"})
    EXPECT_EQ(check(1, "29", year), february_message) << year;
  EXPECT_EQ(check(1, "28", "1900"), accepted);
  EXPECT_EQ(check(1, "30", "2000"), february_message);
  EXPECT_EQ(check(1, "31", "2000"), february_message);
  for (int month_index : {3, 5, 8, 10}) {  // April, June, September, November
    EXPECT_EQ(check(month_index, "30", "1990"), accepted) << month_index;
    EXPECT_EQ(check(month_index, "31", "1990"), thirty_days_message) << month_index;
  }
  EXPECT_EQ(check(0, "31", "1990"), accepted);
  EXPECT_EQ(check(11, "31", "1990"), accepted);
}

TEST(ChartDataChecks, OnlyTheFirstFailureIsReported) {
  ChartDataEntries entries = delhi_entries();
  entries.hour = "25";
  entries.minute = "75";
  EXPECT_EQ(message_of(entries), hour_message);
  entries.day = "0";
  EXPECT_EQ(message_of(entries), day_message);
  entries.year = "2401";
  EXPECT_EQ(message_of(entries), year_message);
}

TEST(ChartDataChecks, EmptyFieldsReadAsZero) {
  // What OK sees at once in a dialog opened by New.
  ChartDataEntries entries;
  EXPECT_EQ(message_of(entries), year_message);
  entries.year = "2000";
  EXPECT_EQ(message_of(entries), day_message);
  entries.day = "1";
  EXPECT_EQ(message_of(entries), accepted) << "empty name, time, zone and place pass";
}

// Mended: read with base 0, "08" was 0 and "077" 63, accepted without a word.
TEST(ChartDataChecks, IntegerFieldsReadAsDecimal) {
  const std::pair<const char*, long> cases[] = {{"", 0},      {"08", 8},   {"010", 10},
                                                {"077", 77},  {"0x0A", 0}, {"  -5", -5},
                                                {"12abc", 12}};
  for (const auto& [text, value] : cases)
    EXPECT_EQ(read_integer_field(text), value) << text;
}

}  // namespace
