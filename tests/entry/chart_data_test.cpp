#include <gtest/gtest.h>

#include <sstream>

#include "base/utf8_text.h"
#include "chart_file/chart_line.h"
#include "entry/chart_data_entries.h"
#include "entry/place_fill.h"
#include "places/place_lookup.h"
#include "support/test_support.h"

namespace {

// Entries typed into the Chart Data dialog (golden/chart_data_entries.txt: the
// sixteen fields in the dialog's order, a choice by its item's index), each
// with the first check that refuses it, or what OK stores: the line Save
// writes and the header's date line. Every range's bounds on both sides;
// mended, a text beyond the int range landed in range, and a name cut at 23
// bytes split a UTF-8 character.
TEST(ChartData, ChecksAndStore) {
  std::istringstream rows(
      read_file(VANTREL_SOURCE_DIR "/tests/golden/chart_data_entries.txt"));
  std::string out;
  for (std::string row; std::getline(rows, row);) {
    std::istringstream in(row);
    std::string f[16];
    for (std::string& field : f) std::getline(in, field, '|');
    auto index = [&f](int i) { return std::atoi(f[i].c_str()); };
    const ChartDataEntries entries{f[0],     index(1), f[2],      f[3], f[4],  f[5],
                                   index(6), f[7],     f[8],      f[9], f[10], index(11),
                                   f[12],    f[13],    index(14), f[15]};
    ChartInput input = read_chart_data(entries);
    if (const char* message = accept_chart_input(input)) {
      out += std::string(message) + "\n";
      continue;
    }
    ChartLine line;
    write_chart_line(input, line);
    out += line.text + std::string(input.date_line) + "\n";
  }
  expect_golden("chart_data_stored.txt", out);
}

}  // namespace

namespace {

// What Find writes for a place at the dialog's date and time, without a
// display: the zone as vantrel-print --zone gives it (Varanasi's own mean
// time, 83°01' E / 15, before 1880), both offsets of a time that happened
// twice, and the zone left alone, with why, for a gap or no valid moment.
TEST(ChartData, FindFillsThePlace) {
  Atlas atlas;
  std::string error;
  ASSERT_TRUE(load_atlas(atlas, error)) << error;
  const struct {
    const char* place;
    const char* date[4];  // month index, day, year, "hour:minute"
    const char* filled;   // place, longitude, latitude, zone or what was said
  } cases[] = {
      {"Varanasi", {"5", "1", "1944", "6:0"}, "Varanasi 83E01 25N19 -6:30"},
      {"Varanasi", {"0", "1", "1850", "12:0"}, "Varanasi 83E01 25N19 -5:32"},
      {"Toronto, ON, CA",
       {"10", "7", "2021", "1:30"},
       "Toronto 79W25 43N42 +4:0 or +5:0"},
      {"Toronto, ON, CA",
       {"2", "14", "2021", "2:30"},
       "Toronto 79W25 43N42 2021-03-14 02:30 in America/Toronto never"},
      {"Varanasi",
       {"1", "30", "1944", "6:0"},
       "25N19 The zone of Varanasi needs\na valid"},
      {"Varanasi", {"5", "1", "1944", ":"}, "25N19 The zone of Varanasi needs\na valid"},
      {"Varanasi", {"5", "1", "1944", "6:"}, "25N19 The zone of Varanasi needs\na valid"},
      {"Varanasi", {"5", "1", "1944", ":0"}, "25N19 The zone of Varanasi needs\na valid"},
      {"Varanasi", {"5", "", "1944", "6:0"}, "25N19 The zone of Varanasi needs\na valid"},
      {"Varanasi", {"11", "31", "2400", "23:59"}, "Varanasi 83E01 25N19 -5:30"},
      {"Varanasi",
       {"0", "1", "2401", "0:0"},
       "25N19 The zone of Varanasi needs\na valid"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.place);
    const PlaceMatches matches = look_up_place(atlas, c.place);
    ASSERT_EQ(matches.places.size(), 1u);
    ChartDataEntries entries;
    entries.month_index = std::atoi(c.date[0]);
    entries.day = c.date[1];
    entries.year = c.date[2];
    const std::string time = c.date[3];
    entries.hour = time.substr(0, time.find(':'));
    entries.minute = time.substr(time.find(':') + 1);
    const PlaceFill fill = fill_for_place(matches.places.front(), entries);
    auto angle = [](const SignedAngle& a, char plus, char minus) {
      return std::to_string(a.whole) + (a.negative ? minus : plus) +
             (a.sixtieths < 10 ? "0" : "") + std::to_string(a.sixtieths);
    };
    auto zone = [](const SignedAngle& a) {
      return (a.negative ? "-" : "+") + std::to_string(a.whole) + ":" +
             std::to_string(a.sixtieths);
    };
    std::string filled = fill.place + " " + angle(fill.longitude, 'W', 'E') + " " +
                         angle(fill.latitude, 'N', 'S') + " ";
    if (fill.zone_fill == PlaceFill::zone_set) filled += zone(fill.zone);
    if (fill.zone_fill == PlaceFill::zone_twice)
      filled += zone(fill.earlier) + " or " + zone(fill.later);
    if (fill.zone_fill == PlaceFill::zone_kept) filled += fill.message;
    EXPECT_NE(filled.find(c.filled), std::string::npos) << filled;
  }
}

// A text is cut at a whole character whatever the room: a character that
// would be split is left out whole, and malformed bytes are cut where they
// are.
TEST(WholeCharacters, CutAtAWholeCharacter) {
  const struct {
    const char* text;
    std::size_t room;
    std::size_t kept;
  } rows[] = {
      {"\xC3\xA9", 1, 0},     {"a\xC3\xA9", 2, 1},        {"\xE2\x82\xAC", 2, 0},
      {"\xE2\x82\xAC", 3, 3}, {"\xF0\x9F\x98\x80", 3, 0}, {"\x80\x80\x80\x80x", 2, 2},
      {"abc", 5, 3},
  };
  for (const auto& row : rows)
    EXPECT_EQ(whole_characters_length(row.text, row.room), row.kept) << row.text;
}

}  // namespace
