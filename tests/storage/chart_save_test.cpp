#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "storage/chart_line.h"
#include "storage/chart_save.h"
#include "support/sample_charts.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

ChartLine line_for(const char* name) {
  ChartLine line;
  write_chart_line(delhi_test_chart(name), line);
  return line;
}

class ChartSaveTest : public WorkingDirTest {};

// A full disk is tested through Save itself.
TEST_F(ChartSaveTest, FileThatCannotBeOpenedIsAFailedSave) {
  std::filesystem::create_directory("charts.vnt");
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
