// The Chart Data dialog's reading and checks on any typed texts: entries that
// pass every check hold values within the ranges, are stored whole and give a
// chart that computes and draws; refused entries name one of the checks.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "entry/chart_data_entries.h"
#include "ephemeris/time_and_calendar.h"
#include "fuzz/fuzz_checks.h"

namespace {

const char* const CheckMessages[] = {
    "Enter year between\n1600-2400.",
    "Enter day between\n1-31",
    "Invalid February date",
    "There are only 30 days\nin this month",
    "Enter hour between\n0-23",
    "Enter minute between\n0-59",
    "Enter zone hour between\n0-12",
    "Enter zone minute between\n0-59",
    "Enter longitude degree\nbetween 0-179",
    "Enter longitude minute\nbetween 0-59",
    "Enter latitude degree\nbetween 0-89",
    "Enter latitude minute\nbetween 0-59",
};

bool is_check_message(const char* message) {
  for (const char* known : CheckMessages)
    if (std::strcmp(known, message) == 0) return true;
  return false;
}

// strtol in base 10: a leading zero is no octal prefix; a value beyond an
// int's range is its nearest end.
long field_value(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return std::clamp<long>(value, INT_MIN, INT_MAX);
}

bool within(const std::string& text, long low, long high) {
  const long value = field_value(text);
  return value >= low && value <= high;
}

// A stored text is the start of the typed one (up to a NUL), 23 bytes or the
// whole text; shorter only when byte 23 would fall inside a UTF-8 character
// whose lead byte then ends the cut.
void expect_stored_text(const char* stored, const std::string& typed) {
  const std::string text = typed.substr(0, typed.find('\0'));
  const std::size_t length = std::strlen(stored);
  fuzz_require(text.compare(0, length, stored) == 0,
               "stored text is not the start of the typed one");
  if (length == text.size() || length == 23) return;
  const auto lead = static_cast<unsigned char>(text[length]);
  const std::size_t sequence = (lead & 0xE0) == 0xC0   ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 1;
  fuzz_require(length < 23 && length + sequence > 23, "a text cut short of 23 bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  ChartDataEntries entries;
  entries.name = input.ConsumeRandomLengthString(64);
  entries.month_index = input.ConsumeIntegralInRange(0, 11);
  entries.day = input.ConsumeRandomLengthString(24);
  entries.year = input.ConsumeRandomLengthString(24);
  entries.hour = input.ConsumeRandomLengthString(24);
  entries.minute = input.ConsumeRandomLengthString(24);
  entries.zone_sign_index = input.ConsumeIntegralInRange(0, 1);
  entries.zone_hours = input.ConsumeRandomLengthString(24);
  entries.zone_minutes = input.ConsumeRandomLengthString(24);
  entries.place = input.ConsumeRandomLengthString(64);
  entries.lon_degrees = input.ConsumeRandomLengthString(24);
  entries.lon_dir_index = input.ConsumeIntegralInRange(0, 1);
  entries.lon_minutes = input.ConsumeRandomLengthString(24);
  entries.lat_degrees = input.ConsumeRandomLengthString(24);
  entries.lat_dir_index = input.ConsumeIntegralInRange(0, 1);
  entries.lat_minutes = input.ConsumeRandomLengthString(24);

  fuzz_require(read_integer_field(entries.year) == field_value(entries.year),
               "an integer field reads otherwise than strtol");

  ChartInput chart = read_chart_data(entries);
  const char* message = accept_chart_input(chart);
  if (message != nullptr) {
    fuzz_require(is_check_message(message), "a refusal with an unknown message");
    return 0;
  }

  fuzz_require(
      within(entries.year, 1600, 2400) && within(entries.day, 1, 31) &&
          within(entries.hour, 0, 23) && within(entries.minute, 0, 59) &&
          within(entries.zone_hours, 0, 12) && within(entries.zone_minutes, 0, 59) &&
          within(entries.lon_degrees, 0, 179) && within(entries.lon_minutes, 0, 59) &&
          within(entries.lat_degrees, 0, 89) && within(entries.lat_minutes, 0, 59),
      "entries out of range passed the checks");
  const long day = field_value(entries.day);
  const long year = field_value(entries.year);
  if (entries.month_index == 1) {
    fuzz_require(day <= 28 + is_leap_year(static_cast<int>(year)),
                 "a February day past the month passed");
  }
  if (entries.month_index == 3 || entries.month_index == 5 || entries.month_index == 8 ||
      entries.month_index == 10) {
    fuzz_require(day <= 30, "the 31st of a 30-day month passed");
  }

  expect_stored_text(chart.name, entries.name);
  expect_stored_text(chart.place, entries.place);
  fuzz_require(
      chart.month == entries.month_index + 1 && chart.day == day && chart.year == year,
      "stored date differs from the entries");
  compute_and_draw_chart(chart);
  return 0;
}
