#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/chart_input.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"
#include "support/test_support.h"

namespace {

std::vector<std::string> city_chart(std::vector<std::string> args) {
  args.insert(args.end(), {"--date", "2007-03-22", "--time", "10:00"});
  return args;
}

// What the atlas gives, what the options given with it change, and what it
// refuses: parts of the output, or of the message.
TEST(Atlas, PlacesByName) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> expected;
  } cases[] = {
      // soulhealing.com, February 2007: Lahiri ascendant 7°34' Taurus.
      {city_chart({"--city", "Berkeley, ca, US"}),
       0,
       {"\nAs   7Ta34 ", "\nBerkeley 122W16 37N52\n",
        "\nUTC offset -07:00 from America/Los_Angeles (PDT), tzdata "}},
      // Typed values win over the atlas's.
      {city_chart({"--city", "Berkeley, CA, US", "--lon", "100E00", "--lat", "10S00",
                   "--zone", "Asia/Kolkata", "--place", "Elsewhere"}),
       0,
       {"\nElsewhere 100E00 10S00\n", "\nUTC offset +05:30 from Asia/Kolkata (IST)"}},
      {city_chart({"--city", "Berkeley, CA, US", "--utc-offset", "-08:00"}),
       0,
       {"\nUTC offset -08:00 given\n"}},
      // Whole minutes: 25.31668 N, 83.01041 E.
      {{"--find", "varanasi"}, 0, {"Varanasi, 36, IN  25N19 083E01  Asia/Kolkata  "}},
      // Accents and case are ignored on both sides, whichever accent is typed.
      {{"--find", "ZùRICH"}, 0, {"Zürich, ZH, CH  47N22 008E33  Europe/Zurich  "}},
      {{"--find", "Sao Paulo, BR"}, 0, {"São Paulo, 27, BR  23S33 046W38"}},
      {{"--find", "Łódź"}, 0, {"Łódź, 74, PL  51N46 019E28"}},
      // Most populous first.
      {city_chart({"--city", "Springfield"}),
       2,
       {"places match \"Springfield\"; name one as \"Name, Region, CC\":\n"
        "  Springfield, MO, US  37N13 093W18  America/Chicago  166810\n"
        "  Springfield, MA, US  42N06 072W35  America/New_York  154341\n"}},
      {city_chart({"--city", "Berkly"}),
       2,
       {"no place \"Berkly\" in the atlas; nearest: Berkley, MI, US; Berkeley, CA, US;"}},
      {{"--find", "Springfield, XX, US"}, 2, {"nearest: Springfield, MO, US;"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected.front());
    const PrintRun run = run_print(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    for (const std::string& part : c.expected)
      EXPECT_NE((c.status == 0 ? run.out : run.err).find(part), std::string::npos)
          << part << "\n"
          << run.out << run.err;
  }
}

TEST(Atlas, AMissingAtlasFailsTheRun) {
  setenv("VANTREL_ATLAS", "/nonexistent/places.tsv", 1);
  const PrintRun run = run_print(std::vector<std::string>{"--find", "Berkeley"});
  unsetenv("VANTREL_ATLAS");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "vantrel-print: no atlas of places found (tried /nonexistent/places.tsv)\n");
}

// --append writes the line File > Save writes: File > Open reads the chart
// back, and printing it from the file gives the same chart.
using AppendChart = InFreshFolder;

TEST_F(AppendChart, TheChartFileReadsItBack) {
  const std::string charts = path("charts.vnt");
  const std::vector<std::string> berkeley =
      city_chart({"--city", "Berkeley, CA, US", "--name", "Test", "--append", charts});
  const PrintRun first = run_print(berkeley);
  ASSERT_EQ(first.status, 0) << first.err;
  ASSERT_EQ(run_print(berkeley).status, 0);

  std::vector<std::string> rows;
  ASSERT_EQ(read_chart_rows(charts.c_str(),
                            [&rows](std::size_t, const char* text) {
                              rows.emplace_back(text);
                              return true;
                            }),
            chart_read_ok);
  ASSERT_EQ(rows.size(), 2u);
  ChartInput chart{};
  ASSERT_EQ(read_chart_line(rows[1].c_str(), chart), chart_read_ok);
  EXPECT_STREQ(chart.date_line, "Mar 22, 2007 10:00 Zone: 07:00");
  EXPECT_EQ(std::string(chart.place).rfind("Berkeley ", 0), 0u);
  // The file pads name and place: the chart from the house diagram on is the same.
  const PrintRun from_file =
      run_print(std::vector<std::string>{"--file", charts, "--line", "1"});
  const std::string direct = first.out.substr(0, first.out.rfind("UTC offset"));
  EXPECT_EQ(from_file.out.substr(from_file.out.find("\n+-")),
            direct.substr(direct.find("\n+-")));

  const PrintRun refused = run_print(
      city_chart({"--city", "Berkeley, CA, US", "--append", path("missing/charts.vnt")}));
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "vantrel-print: " + path("missing/charts.vnt") +
                             ": the chart could not be appended: the chart file's "
                             "folder does not exist\n");
}

}  // namespace
