#pragma once

#include "support/test_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/print_command.h"

// One run of the vantrel-print command in-process, its two streams captured.
struct PrintRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string read_stream(std::FILE* stream) {
  std::string text;
  std::rewind(stream);
  for (int c; (c = std::fgetc(stream)) != EOF;) text += static_cast<char>(c);
  std::fclose(stream);
  return text;
}

inline PrintRun run_print(const std::vector<std::string>& args) {
  std::vector<const char*> argv{"vantrel-print"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  argv.push_back(nullptr);
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  PrintRun run;
  run.status =
      run_print_command(static_cast<int>(argv.size() - 1), argv.data(), out, err);
  run.out = read_stream(out);
  run.err = read_stream(err);
  return run;
}

inline std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A fresh folder for files the command reads or writes.
class PrintFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vantrel-print-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::string path(const std::string& name) const { return dir + "/" + name; }
  std::vector<std::string> folder_entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
      names.push_back(entry.path().filename().string());
    return names;
  }

  std::string dir;
};
