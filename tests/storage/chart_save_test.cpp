#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "app/chart_state.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"
#include "storage/chart_save.h"
#include "support/sample_charts.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

// Somewhere, 30 November 2024, 18:45, zone "+" 0:00, 2 W 20, 48 N 51.
ChartLine line_for(const char* name) {
  ChartLine line;
  write_chart_line(
      chart_inputs(name, 11, 30, 2024, 18, 45, 0, 0, 0, 2, 0, 20, 48, 0, 51, "Somewhere"),
      line);
  return line;
}

class ChartSaveTest : public WorkingDirTest {};

TEST_F(ChartSaveTest, FirstSaveCreatesTheFileAndEachSaveAppendsALine) {
  const ChartLine line = line_for("Paris");
  ASSERT_TRUE(append_chart_line("charts.vnt", line));
  EXPECT_EQ(read_file("charts.vnt"), line.text);
  ASSERT_TRUE(append_chart_line("charts.vnt", line));
  const std::string content = read_file("charts.vnt");
  EXPECT_EQ(content, std::string(line.text) + line.text);
  EXPECT_EQ(content.size(), 200u);

  ChartRows rows;
  ASSERT_TRUE(read_chart_rows("charts.vnt", rows));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], rows[1]);
  EXPECT_EQ(rows[2], "");
}

TEST_F(ChartSaveTest, FileThatCannotBeOpenedForAppending) {
  std::filesystem::create_directory("charts.vnt");
  EXPECT_FALSE(append_chart_line("charts.vnt", line_for("Paris")));
}

// Mended: a full disk shows only when the buffer is flushed or the file closed.
TEST_F(ChartSaveTest, FullDiskIsAFailedSave) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no writable /dev/full here";
  std::filesystem::create_symlink("/dev/full", "charts.vnt");
  EXPECT_FALSE(append_chart_line("charts.vnt", line_for("Paris")));
}

// Mended: a write that stops halfway leaves no partial line, and the next save
// starts on a line of its own.
TEST_F(ChartSaveTest, FailedSaveCutsTheFileBackToItsPreviousLength) {
  const ChartLine first = line_for("First");
  ASSERT_TRUE(append_chart_line("charts.vnt", first));

  // A file size limit 40 bytes past the end lets only part of the line out.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* saved_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 140;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved_ok = append_chart_line("charts.vnt", line_for("Second"));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, saved_handler);

  EXPECT_FALSE(saved_ok);
  EXPECT_EQ(read_file("charts.vnt"), first.text);

  const ChartLine third = line_for("Third");
  ASSERT_TRUE(append_chart_line("charts.vnt", third));
  EXPECT_EQ(read_file("charts.vnt"), std::string(first.text) + third.text);
}

}  // namespace
