#include <gtest/gtest.h>
#include <sys/stat.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

#include "print_run.h"
#include "support/sample_charts.h"

namespace {

std::string padded(const std::string& text) {
  return text + std::string(23 - text.size(), ' ');
}

class ChartFilePrint : public PrintFilesTest {
 protected:
  void SetUp() override {
    PrintFilesTest::SetUp();
    std::string unknown_month = delhi_chart_line("Bad month");
    unknown_month.replace(23, 3, "Xyz");
    std::string too_large = delhi_chart_line("Too large");
    too_large.replace(27, 10, "9999999999");
    // Lines 0, 2 and 4 are charts; the empty row after the last newline is none.
    charts = path("charts.vnt");
    write_file(charts, delhi_chart_line("First", 7) + unknown_month +
                           delhi_chart_line("Second", 8) + too_large +
                           delhi_chart_line("Third", 9));
  }

  std::string charts;
};

// The good charts are printed, into a file as well, in file order.
TEST_F(ChartFilePrint, RefusedLinesAreReportedAndTheOthersPrinted) {
  const PrintRun run =
      run_print({"--format", "json", "--file", charts, "--output", path("out")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "vantrel-print: " + charts +
                         ": line 1: Unknown month in chart line!\n" + "vantrel-print: " +
                         charts + ": line 3: Number too large in chart line!\n");
  const std::vector<std::string> lines = split_lines(read_file(path("out")));
  ASSERT_EQ(lines.size(), 3u);
  const char* const names[] = {"First", "Second", "Third"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const nlohmann::json chart = nlohmann::json::parse(lines[i]);
    EXPECT_EQ(chart["name"], padded(names[i]));
    EXPECT_EQ(chart["date_line"],
              "Mar 5, 1990 0" + std::to_string(7 + i) + ":05 Zone: -5:30");
    EXPECT_EQ(chart["place_line"], padded("Delhi") + "  77E13 28N38");
  }
}

// One blank line between charts, and the style applies to every one.
TEST_F(ChartFilePrint, TextChartsInTheChosenStyle) {
  const PrintRun run = run_print({"--style", "north", "--file", charts});
  EXPECT_EQ(run.status, 1);
  const std::vector<std::string> lines = split_lines(run.out);
  std::vector<std::size_t> blanks;
  std::size_t houses = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) blanks.push_back(i);
    if (lines[i].rfind("House  1  Sign", 0) == 0) ++houses;
  }
  ASSERT_EQ(blanks.size(), 2u);
  EXPECT_EQ(lines[0], "First");
  EXPECT_EQ(lines[blanks[0] + 1], "Second");
  EXPECT_EQ(lines[blanks[1] + 1], "Third");
  EXPECT_EQ(houses, 3u);
}

TEST_F(ChartFilePrint, OneLineOnly) {
  PrintRun run = run_print({"--format", "json", "--file", charts, "--line", "2"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(split_lines(run.out).size(), 1u);
  EXPECT_EQ(nlohmann::json::parse(run.out)["name"], padded("Second"));

  PrintRun svg = run_print({"--format", "svg", "--file", charts, "--line", "4"});
  EXPECT_EQ(svg.status, 0);
  EXPECT_EQ(svg.out.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.out.find(">Third"), std::string::npos);
}

TEST_F(ChartFilePrint, ALineWithoutAChart) {
  PrintRun refused = run_print({"--file", charts, "--line", "1"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err,
            "vantrel-print: " + charts + ": line 1: Unknown month in chart line!\n");
  write_file(path("earlier.txt"), "earlier");
  PrintRun kept =
      run_print({"--file", charts, "--line", "3", "--output", path("earlier.txt")});
  EXPECT_EQ(kept.status, 1);
  EXPECT_EQ(kept.err,
            "vantrel-print: " + charts + ": line 3: Number too large in chart line!\n");
  EXPECT_EQ(read_file(path("earlier.txt")), "earlier");

  for (const char* line : {"5", "99"}) {
    PrintRun empty = run_print({"--file", charts, "--line", line});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err, "vantrel-print: " + charts + ": line " + line +
                             ": no chart on this line\n");
  }
}

// Mended: a FIFO hung the printer, a folder or a file of no line printed
// nothing with status 0, a file of NULs took memory for each of its empty
// rows, and --output naming the chart file, through a link too, replaced it.
TEST_F(ChartFilePrint, FilesWithoutAChartAndOutputsOverTheChartFile) {
  write_file(path("empty.vnt"), "");
  write_file(path("nuls.vnt"), std::string(1 << 21, '\0'));
  ASSERT_EQ(mkfifo(path("fifo.vnt").c_str(), 0600), 0);
  std::filesystem::create_directory(path("folder.vnt"));
  std::filesystem::create_symlink(charts, path("link.vnt"));
  const std::string kept = read_file(charts);
  const std::string not_regular = "Chart file is not a regular file!";
  const std::string replaces = "--output " + charts + " would replace the chart file";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string message;
  } cases[] = {
      {{"--file", path("none.vnt")}, 1, "Couldn't open chart file!"},
      {{"--file", path("empty.vnt")}, 1, "No chart in chart file!"},
      {{"--file", path("nuls.vnt"), "--line", "0"}, 1, "No chart in chart file!"},
      {{"--file", path("fifo.vnt")}, 1, not_regular},
      {{"--file", path("folder.vnt")}, 1, not_regular},
      {{"--file", charts, "--output", charts}, 2, replaces},
      {{"--file", path("link.vnt"), "--output", charts}, 2, replaces}};
  for (const auto& c : cases) {
    const PrintRun run = run_print(c.args);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vantrel-print: " + c.args[1] + ": " + c.message + "\n")
        << c.message;
  }
  EXPECT_EQ(read_file(charts), kept);
}

// Hand-edited lines are read as File > Open reads them: a short line's
// missing columns are blanks, and the month is matched in any case.
TEST_F(ChartFilePrint, HandEditedLinesAreMended) {
  std::string line = delhi_chart_line("Short");
  line.replace(23, 3, "mar");
  line.resize(60);
  write_file(path("short.vnt"), line + "\n");
  PrintRun run = run_print({"--format", "json", "--file", path("short.vnt")});
  EXPECT_EQ(run.status, 0) << run.err;
  nlohmann::json chart = nlohmann::json::parse(run.out);
  EXPECT_EQ(chart["date_line"], "Mar 5, 1990 07:05 Zone: -5:30");
  EXPECT_EQ(chart["place"], std::string(23, ' '));
  // Columns 60 and on are gone: longitude minutes and the latitude read 0.
  EXPECT_EQ(chart["place_line"], std::string(23, ' ') + "  77E00  0N00");
}

}  // namespace
