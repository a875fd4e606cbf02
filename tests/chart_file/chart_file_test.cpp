#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

#include "base/chart_input.h"
#include "chart_file/chart_line.h"
#include "chart_file/chart_rows.h"
#include "chart_file/chart_save.h"
#include "support/test_support.h"

namespace {

const std::string delhi =
    "Test                   Mar 05, 199007:05:00 AM    -05:30077E13'00 28N38'00 Delhi"
    "                   \n";

// Hand-edited lines (golden/chart_lines.vnt) as File > Open reads them, each
// with the header's date line and the line Save writes from it, or the alert
// that refuses it whole. Mended: a month named by no line was month 0, a
// number past the int range overflowed, and so did the calendar for a day or
// year past about 490000; a short line's missing columns were read from
// memory; a zone of INT_MAX hours lost its whole part; control characters
// were written into the line (a newline split it). Before a number, the
// blanks atoi skips (tab to carriage return) are blanks.
TEST(ChartLine, HandEditedLines) {
  std::istringstream lines(read_file(VANTREL_SOURCE_DIR "/tests/golden/chart_lines.vnt"));
  std::string out;
  for (std::string text; std::getline(lines, text);) {
    ChartInput chart{}, untouched{};
    const ChartReadResult result = read_chart_line(text.c_str(), chart);
    ChartLine line;
    write_chart_line(chart, line);
    if (result == chart_read_ok) out += std::string(chart.date_line) + "\n" + line.text;
    if (result != chart_read_ok) out += std::string(chart_read_message(result)) + "\n";
    EXPECT_TRUE(result == chart_read_ok ||
                !std::memcmp(&chart, &untouched, sizeof chart));
  }
  expect_golden("chart_lines.txt", out);
}

using ChartFile = InFreshFolder;

// Mended: a hand-edited file with a long line, a NUL and no final newline
// (the long line and the NUL split rows, so the numbers of the lines after
// them drifted: each is now one refused line); the byte-order mark and
// carriage returns of other editors spoiled the month and the place; rows
// without a line were kept in memory (a file of NULs took gigabytes); a FIFO
// hung the reader, /dev/full never ended and a folder read as empty. Whatever
// the list shows as row N is what row N loads.
TEST_F(ChartFile, TheListAndTheLoaderAgreeOnEveryRow) {
  const std::string row = delhi.substr(0, 99), long_row = row + std::string(1000, '#');
  const std::string trimmed = delhi.substr(0, 80);  // an editor took the blanks
  // A refused line as the list shows it: 1024 characters, NUL bytes as blanks.
  const auto refused = [](std::string text) { return text.resize(1024, ' '), text; };
  ASSERT_EQ(mkfifo("fifo.vnt", 0600), 0);
  std::filesystem::create_symlink("/dev/full", "full.vnt");
  write_file("nul.vnt", std::string(100000, '\0'));
  const struct {
    std::string file, content;
    std::vector<std::string> rows;
    std::vector<std::size_t> numbers;
    ChartReadResult result;
  } files[] = {
      {"charts.vnt", delhi + delhi, {row, row}, {0, 1}, chart_read_ok},
      {"charts.vnt",
       long_row + "\n" + row + '\0' + delhi + row,
       {refused(long_row), refused(row + " " + row), row},
       {0, 1, 2},
       chart_read_ok},
      {"charts.vnt",
       std::string(1023, 'x') + "\r\n" + std::string(1, '\0') + "\n\n" + row,
       {std::string(1023, 'x'), refused(""), row},
       {0, 1, 3},
       chart_read_ok},
      {"charts.vnt",
       std::string(1023, 'x') + "\n",
       {std::string(1023, 'x')},
       {0},
       chart_read_ok},
      {"charts.vnt",
       "\xEF\xBB\xBF" + trimmed + "\r\n\r\n" + row + "\r\n",
       {trimmed, row},
       {0, 2},
       chart_read_ok},
      {"charts.vnt", "", {}, {}, chart_read_no_chart},
      {"nul.vnt", "", {refused("")}, {0}, chart_read_ok},
      {"absent.vnt", "", {}, {}, chart_read_file_unreadable},
      {"fifo.vnt", "", {}, {}, chart_read_not_regular_file},
      {"full.vnt", "", {}, {}, chart_read_not_regular_file},
      {".", "", {}, {}, chart_read_not_regular_file},
  };
  for (const auto& f : files) {
    if (f.file == "charts.vnt") write_file(f.file, f.content);
    std::vector<std::string> rows;
    std::vector<std::size_t> numbers;
    EXPECT_EQ(read_chart_rows(f.file.c_str(),
                              [&](std::size_t number, const char* text) {
                                numbers.push_back(number);
                                rows.emplace_back(text);
                                return true;
                              }),
              f.result)
        << f.file;
    EXPECT_EQ(rows, f.rows);
    EXPECT_EQ(numbers, f.numbers);
    for (int index = -1; index <= static_cast<int>(rows.size()); ++index) {
      std::string text;
      std::size_t row = 0;
      const bool listed = index >= 0 && index < static_cast<int>(rows.size());
      const ChartReadResult found = chart_row_at(f.file.c_str(), index, text, row);
      EXPECT_EQ(found == chart_read_ok, listed) << index;
      if (listed) {
        EXPECT_TRUE(text == rows[index] && row == numbers[index]) << index;
      }
    }
  }
}

// Mended: a write that stops partway (a file-size limit 40 bytes past the
// end) leaves no partial line for the next save to run into, and the limit's
// signal no longer kills the program; a FIFO hung Save.
// A month outside the calendar is written so that reading refuses it, never
// from past the end of the month names.
TEST(ChartLine, AMonthOutsideTheCalendarIsWrittenAsUnknown) {
  for (int month : {0, 13}) {
    ChartInput chart{};
    chart.month = month;
    ChartLine line;
    write_chart_line(chart, line);
    EXPECT_EQ(std::string(line.text + 23, 3), "???");
    EXPECT_EQ(read_chart_line(line.text, chart), chart_read_unknown_month);
  }
}

// Mended: a file whose last line had no newline had the next line glued
// onto it; another program's lock held Save for good; a failed save did not
// say why.
TEST_F(ChartFile, AFailedSaveLeavesTheFileAsItWasAndSaysWhy) {
  ChartLine line;
  std::strcpy(line.text, delhi.c_str());
  const std::string earlier = delhi.substr(0, 99);  // as an editor left it
  ASSERT_EQ(mkfifo("fifo.vnt", 0600), 0);
  const struct {
    const char* file;
    std::string before;
    rlim_t size_limit;  // 0: none
    bool locked;        // by another program
    ChartSaveResult result;
    std::string after;
  } saves[] = {
      {"charts.vnt", "", 40, false, chart_save_size_limit, ""},
      {"charts.vnt", "", 140, false, chart_saved, delhi},
      {"charts.vnt", delhi, 140, false, chart_save_size_limit, delhi},
      {"charts.vnt", earlier, 0, false, chart_saved, earlier + "\n" + delhi},
      {"charts.vnt", earlier, 140, false, chart_save_size_limit, earlier},
      {"charts.vnt", delhi, 0, true, chart_save_busy, delhi},
      {".", "", 0, false, chart_save_directory, ""},
      {"missing/charts.vnt", "", 0, false, chart_save_missing_folder, ""},
      {"fifo.vnt", "", 0, false, chart_save_not_regular_file, ""},
  };
  for (const auto& save : saves) {
    SCOPED_TRACE(save.before + " into " + save.file);
    const bool regular = std::string(save.file) == "charts.vnt";
    if (regular) write_file(save.file, save.before);
    const int holder = save.locked ? open(save.file, O_RDONLY) : -1;
    if (save.locked) {
      ASSERT_EQ(flock(holder, LOCK_EX), 0);
    }
    const std::string said = said_in_child([&] {
      rlimit limit{};
      getrlimit(RLIMIT_FSIZE, &limit);
      if (save.size_limit > 0) limit.rlim_cur = save.size_limit;
      setrlimit(RLIMIT_FSIZE, &limit);
      return std::to_string(append_chart_line(save.file, line));
    });
    if (holder >= 0) close(holder);
    EXPECT_EQ(said, std::to_string(save.result));
    EXPECT_NE(chart_save_cause(save.result) == nullptr, save.result != chart_saved);
    if (regular) {
      EXPECT_EQ(read_file(save.file), save.after);
    }
  }
}

ChartLine numbered_line(int writer, int number) {
  ChartInput chart{};
  EXPECT_EQ(read_chart_line(delhi.c_str(), chart), chart_read_ok);
  std::snprintf(chart.name, sizeof chart.name, "Writer %d line %d", writer, number);
  ChartLine line;
  write_chart_line(chart, line);
  return line;
}

// Mended: a failed save cut the file back by its name, taking a line another
// writer had saved meanwhile. Two writers at once, the second under a
// file-size limit that fails its saves from the 150th line of the file on:
// every line either says saved is there, whole, and nothing else.
TEST_F(ChartFile, TwoWritersOneFailingLoseNoSavedLine) {
  int start[2];    // the writers begin when its writing end closes
  int answers[2];  // a byte per save: 2 * writer + 1 when it said saved
  ASSERT_EQ(pipe(start), 0);
  ASSERT_EQ(pipe(answers), 0);
  for (int writer = 0; writer < 2; ++writer) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid > 0) continue;
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    if (writer == 1) limit.rlim_cur = 150 * 100 + 40;
    setrlimit(RLIMIT_FSIZE, &limit);
    char answer = 0;
    close(start[1]);
    if (read(start[0], &answer, 1) != 0) _exit(2);
    for (int i = 0; i < 1000; ++i) {
      answer = static_cast<char>(
          2 * writer +
          (append_chart_line("charts.vnt", numbered_line(writer, i)) == chart_saved));
      if (write(answers[1], &answer, 1) != 1) _exit(2);
    }
    _exit(0);
  }
  close(start[0]);
  close(start[1]);
  close(answers[1]);
  std::vector<std::string> saved_lines;
  int saves[2] = {0, 0}, refused[2] = {0, 0};
  for (char answer; read(answers[0], &answer, 1) == 1; ++saves[answer / 2]) {
    if (answer % 2 == 1)
      saved_lines.push_back(numbered_line(answer / 2, saves[answer / 2]).text);
    else
      ++refused[answer / 2];
  }
  close(answers[0]);
  for (int status = 0; wait(&status) > 0;)
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer died";
  EXPECT_EQ(refused[0], 0);
  EXPECT_GT(refused[1], 0);
  std::vector<std::string> file_lines;
  const std::string content = read_file("charts.vnt");
  for (std::size_t at = 0; at < content.size(); at += 100)
    file_lines.push_back(content.substr(at, 100));
  std::sort(saved_lines.begin(), saved_lines.end());
  std::sort(file_lines.begin(), file_lines.end());
  EXPECT_TRUE(file_lines == saved_lines) << saved_lines.size() << " lines saved";
}

}  // namespace
