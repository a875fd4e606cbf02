#include "cli/print_output.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "print_run.h"

namespace {

const std::vector<std::string> j2000{"--date", "2000-01-01", "--time", "12:00"};

std::vector<std::string> j2000_to(const std::string& output) {
  std::vector<std::string> args = j2000;
  args.push_back("--output");
  args.push_back(output);
  return args;
}

using PrintOutputTest = PrintFilesTest;

TEST_F(PrintOutputTest, WritesTheWholeReportAndNothingBeside) {
  PrintRun to_stdout = run_print(j2000);
  ASSERT_EQ(to_stdout.status, 0);
  write_file(path("chart.txt"), "an earlier, longer file that is replaced whole\n");

  PrintRun run = run_print(j2000_to(path("chart.txt")));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(read_file(path("chart.txt")), to_stdout.out);
  EXPECT_EQ(folder_entries(), std::vector<std::string>{"chart.txt"});
}

// Mended: a file put in the place of a 0600 one became 0644.
TEST_F(PrintOutputTest, NewFileGetsTheUsualPermissionsAndAnEarlierOneKeepsItsOwn) {
  const mode_t mask = umask(022);
  for (const auto& [earlier, mode] : {std::pair(0, 0644), {0600, 0600}, {0755, 0755}}) {
    std::filesystem::remove(path("chart.txt"));
    if (earlier != 0) {
      write_file(path("chart.txt"), "earlier");
      chmod(path("chart.txt").c_str(), earlier);
    }
    PrintRun run = run_print(j2000_to(path("chart.txt")));
    ASSERT_EQ(run.status, 0) << run.err;
    struct stat info {};
    ASSERT_EQ(stat(path("chart.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, static_cast<mode_t>(mode)) << earlier;
  }
  umask(mask);
}

// Mended: a name could set or clear the terminal's title, and a newline in
// --name split the header; they are blanks, as Save writes them.
TEST(PrintOutputText, ControlCharactersInNamesAndPlacesAreBlanks) {
  std::vector<std::string> args = j2000;
  args.insert(args.end(), {"--name", "Two\nlines\x1b]0;title\a", "--place", "A\rB\x7f"});
  const std::vector<std::string> lines = split_lines(run_print(args).out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "Two lines ]0;title");
  EXPECT_EQ(lines[2].substr(0, 5), "A B  ");
}

// Tests run as root, who may write into read-only folders: a folder that is
// a plain file refuses everyone.
TEST_F(PrintOutputTest, AnUnwritableFolderLeavesNoFile) {
  write_file(path("plain"), "not a folder");
  const std::string inside_file = path("plain") + "/chart.txt";
  const PrintRun run = run_print(j2000_to(inside_file));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "vantrel-print: cannot write " + inside_file + ": Not a directory\n");
  EXPECT_EQ(read_file(path("plain")), "not a folder");
  EXPECT_EQ(folder_entries(), std::vector<std::string>{"plain"});
}

// Everything is written, then the rename fails: the temporary file goes too.
TEST_F(PrintOutputTest, AFailedRenameLeavesNoTemporaryFile) {
  std::filesystem::create_directory(path("taken"));
  write_file(path("taken/inside"), "kept");
  PrintRun run = run_print(j2000_to(path("taken")));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "vantrel-print: cannot replace " + path("taken") + ": Is a directory\n");
  EXPECT_EQ(folder_entries(), std::vector<std::string>{"taken"});
  EXPECT_EQ(read_file(path("taken/inside")), "kept");
}

TEST_F(PrintOutputTest, ARefusedChartLeavesTheEarlierFile) {
  write_file(path("chart.txt"), "earlier");
  std::vector<std::string> args = j2000_to(path("chart.txt"));
  args[1] = "1599-01-01";
  PrintRun run = run_print(args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(read_file(path("chart.txt")), "earlier");
  EXPECT_EQ(folder_entries(), std::vector<std::string>{"chart.txt"});
}

TEST_F(PrintOutputTest, AbandonedOutputRemovesItsTemporaryFile) {
  PrintOutput output;
  ASSERT_TRUE(open_print_output(output, path("chart.txt"), stdout));
  write_print_output(output, "half a chart");
  EXPECT_EQ(folder_entries().size(), 1u);
  abandon_print_output(output);
  EXPECT_TRUE(folder_entries().empty());
}

// A full disk on standard output; the end-to-end test fills an --output file
// under a file-size limit.
TEST(PrintOutputStdout, WriteErrorsOnStandardOutputAreReported) {
  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  std::FILE* err = std::tmpfile();
  const char* argv[] = {"vantrel-print", "--date", "2000-01-01",
                        "--time",        "12:00",  nullptr};
  EXPECT_EQ(run_print_command(5, argv, full, err), 1);
  std::fclose(full);
  EXPECT_EQ(read_stream(err),
            "vantrel-print: cannot write output: No space left on device\n");
}

}  // namespace
