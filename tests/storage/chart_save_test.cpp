#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

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

ChartLine numbered_line(int writer, int number) {
  const std::string name =
      "Writer " + std::to_string(writer) + " line " + std::to_string(number);
  return line_for(name.c_str());
}

// Writes are refused past this many bytes of any file, as by `ulimit -f`.
void limit_file_size(rlim_t bytes) {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
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
  limit_file_size(140);
  const bool saved_ok = append_chart_line("charts.vnt", line_for("Second"));
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(saved_ok);
  EXPECT_EQ(read_file("charts.vnt"), first.text);

  const ChartLine third = line_for("Third");
  ASSERT_TRUE(append_chart_line("charts.vnt", third));
  EXPECT_EQ(read_file("charts.vnt"), std::string(first.text) + third.text);
}

// Mended: a failed save cut the file back by its name, taking a line another
// writer had saved meanwhile, and a file-size limit killed the writer in the
// middle of its line. Two writers at once, the second under a limit that
// fails its saves from the 150th line of the file on.
TEST_F(ChartSaveTest, TwoWritersOneFailingLoseNoSavedLine) {
  int start[2];    // the writers begin when its writing end closes
  int answers[2];  // a byte per save: 2 * writer + 1 when it said saved
  ASSERT_EQ(pipe(start), 0);
  ASSERT_EQ(pipe(answers), 0);
  for (int writer = 0; writer < 2; ++writer) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid > 0) continue;
    if (writer == 1) limit_file_size(150 * 100 + 40);
    char answer = 0;
    close(start[1]);
    if (read(start[0], &answer, 1) != 0) _exit(2);
    for (int i = 0; i < 1000; ++i) {
      answer = static_cast<char>(
          2 * writer + append_chart_line("charts.vnt", numbered_line(writer, i)));
      if (write(answers[1], &answer, 1) != 1) _exit(2);
    }
    _exit(0);
  }
  close(start[0]);
  close(start[1]);
  close(answers[1]);
  std::vector<std::string> saved_lines;
  int saves[2] = {0, 0};
  int refused[2] = {0, 0};
  for (char answer; read(answers[0], &answer, 1) == 1;) {
    const int writer = answer / 2;
    if (answer % 2 == 1)
      saved_lines.push_back(numbered_line(writer, saves[writer]).text);
    else
      ++refused[writer];
    ++saves[writer];
  }
  close(answers[0]);
  for (int status = 0; wait(&status) > 0;)
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer died";
  EXPECT_EQ(refused[0], 0);
  EXPECT_GT(refused[1], 0);

  // Every saved line is there, whole, and nothing else: no partial line.
  std::vector<std::string> file_lines;
  const std::string content = read_file("charts.vnt");
  for (std::size_t at = 0; at < content.size(); at += 100)
    file_lines.push_back(content.substr(at, 100));
  std::sort(saved_lines.begin(), saved_lines.end());
  std::sort(file_lines.begin(), file_lines.end());
  EXPECT_TRUE(file_lines == saved_lines)
      << saved_lines.size() << " lines saved; the file holds " << content.size()
      << " bytes";
}

}  // namespace
