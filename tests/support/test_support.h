#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/print_command.h"

inline void write_file(const std::string& name, const std::string& content) {
  std::ofstream(name, std::ios::binary) << content;
}

inline std::string read_file(const std::string& name) {
  std::ostringstream content;
  content << std::ifstream(name, std::ios::binary).rdbuf();
  return content.str();
}

// A golden file under tests/golden/ against what the program gives now. With
// VANTREL_UPDATE_GOLDEN=1 in the environment the file is written instead.
inline void expect_golden(const std::string& name, const std::string& actual) {
  const std::string path = VANTREL_SOURCE_DIR "/tests/golden/" + name;
  if (std::getenv("VANTREL_UPDATE_GOLDEN")) write_file(path, actual);
  EXPECT_TRUE(read_file(path) == actual) << "differs from tests/golden/" << name;
}

// vantrel-print run in-process on blank-separated arguments ('' is empty).
struct PrintRun {
  int status = -1;
  std::string out, err;
};

inline std::string read_stream(std::FILE* stream) {
  std::string text;
  std::rewind(stream);
  for (int c; (c = std::fgetc(stream)) != EOF;) text += static_cast<char>(c);
  std::fclose(stream);
  return text;
}

inline PrintRun run_print(const std::vector<std::string>& arguments) {
  std::vector<const char*> argv{"vantrel-print"};
  for (const std::string& word : arguments) argv.push_back(word.c_str());
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

inline PrintRun run_print(const std::string& arguments) {
  std::vector<std::string> words;
  std::istringstream in(arguments);
  for (std::string word; in >> word;) words.push_back(word == "''" ? "" : word);
  return run_print(words);
}

// What run says in a child process, for steps that change the process for
// good (limits, closed descriptors).
inline std::string said_in_child(const std::function<std::string()>& run) {
  int answer[2];
  if (pipe(answer) != 0) return "no pipe";
  const pid_t pid = fork();
  if (pid == 0) {
    const std::string said = run();
    const bool sent =
        write(answer[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
    _exit(sent ? 0 : 1);
  }
  close(answer[1]);
  std::string said;
  for (char c; read(answer[0], &c, 1) == 1;) said += c;
  close(answer[0]);
  waitpid(pid, nullptr, 0);
  return said;
}

// Each test in a fresh working directory, where the chart file is "charts.vnt".
class InFreshFolder : public testing::Test {
 protected:
  void SetUp() override {
    previous = std::filesystem::current_path();
    char pattern[] = "/tmp/vantrel-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    std::filesystem::current_path(folder);
  }
  void TearDown() override {
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
  }
  std::string path(const std::string& name) const { return (folder / name).string(); }
  std::filesystem::path previous, folder;
};
