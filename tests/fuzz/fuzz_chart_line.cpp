// The chart line reader on any text a hand-edited chart file can hold: a
// refused line leaves the chart alone; an accepted one computes and draws,
// and a line of in-range values reads back exactly as it is written again.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "chart_file/chart_line.h"
#include "fuzz/fuzz_checks.h"

namespace {

bool in_dialog_ranges(const ChartInput& c) {
  return c.year >= 1600 && c.year <= 2400 && c.day >= 1 && c.day <= 31 && c.hour >= 0 &&
         c.hour <= 23 && c.minute >= 0 && c.minute <= 59 && c.zone_hours >= 0 &&
         c.zone_hours <= 12 && c.zone_minutes >= 0 && c.zone_minutes <= 59 &&
         c.lon_degrees >= 0 && c.lon_degrees <= 179 && c.lon_minutes >= 0 &&
         c.lon_minutes <= 59 && c.lat_degrees >= 0 && c.lat_degrees <= 89 &&
         c.lat_minutes >= 0 && c.lat_minutes <= 59;
}

bool has_control_character(const char* text) {
  for (; *text != '\0'; ++text) {
    const auto c = static_cast<unsigned char>(*text);
    if (c < 0x20 || c == 0x7f) return true;
  }
  return false;
}

bool same_inputs(const ChartInput& a, const ChartInput& b) {
  return std::strcmp(a.name, b.name) == 0 && std::strcmp(a.place, b.place) == 0 &&
         std::strcmp(a.date_line, b.date_line) == 0 && a.month == b.month &&
         a.day == b.day && a.year == b.year && a.hour == b.hour && a.minute == b.minute &&
         a.zone_hours == b.zone_hours && a.zone_minutes == b.zone_minutes &&
         a.zone_offset == b.zone_offset && a.lon_degrees == b.lon_degrees &&
         a.lon_minutes == b.lon_minutes && a.longitude == b.longitude &&
         a.lat_degrees == b.lat_degrees && a.lat_minutes == b.lat_minutes &&
         a.latitude == b.latitude &&
         // A zero is written "+", "W" or "N": its flag comes back 0.
         (a.zone_offset == 0 || a.zone_dir == b.zone_dir) &&
         (a.longitude == 0 || a.lon_dir == b.lon_dir) &&
         (a.latitude == 0 || a.lat_dir == b.lat_dir);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ChartInput chart;
  std::memset(&chart, 0x5a, sizeof chart);
  ChartInput before;
  std::memcpy(&before, &chart, sizeof chart);

  const ChartReadResult result = read_chart_line(text.c_str(), chart);
  if (result != chart_read_ok) {
    fuzz_require(std::memcmp(&before, &chart, sizeof chart) == 0,
                 "a refused line changed the chart");
    fuzz_require(result == chart_read_no_line || chart_read_message(result) != nullptr,
                 "a refused line without its alert");
    return 0;
  }
  fuzz_require(chart.month >= 1 && chart.month <= 12, "month outside 1-12");
  fuzz_require(std::strlen(chart.name) == 23 && std::strlen(chart.place) == 23,
               "name or place not 23 columns");

  if (in_dialog_ranges(chart) && !has_control_character(chart.name) &&
      !has_control_character(chart.place)) {
    ChartLine line;
    write_chart_line(chart, line);
    fuzz_require(std::strlen(line.text) == 100, "in-range chart not 100 characters");
    ChartInput again;
    std::memcpy(&again, &chart, sizeof chart);
    fuzz_require(read_chart_line(line.text, again) == chart_read_ok,
                 "written line refused");
    fuzz_require(same_inputs(chart, again), "written line reads back otherwise");
  }

  compute_and_draw_chart(chart);
  return 0;
}
