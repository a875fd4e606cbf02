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

// The lines where two texts differ, numbered from 1, as "-" before and "+"
// after, at most shown of them.
inline std::string changed_lines(const std::string& before, const std::string& after,
                                 int shown = 12) {
  std::istringstream old_lines(before), new_lines(after);
  std::string listing, old_line, new_line;
  int changed = 0;
  for (int number = 1;; ++number) {
    const bool has_old = static_cast<bool>(std::getline(old_lines, old_line));
    const bool has_new = static_cast<bool>(std::getline(new_lines, new_line));
    if (!has_old && !has_new) break;
    if (has_old && has_new && old_line == new_line) continue;
    if (++changed > shown) continue;
    listing += "  line " + std::to_string(number) + ":\n";
    if (has_old) listing += "  - " + old_line + "\n";
    if (has_new) listing += "  + " + new_line + "\n";
  }
  if (changed > shown) listing += "  and " + std::to_string(changed - shown) + " more\n";
  return listing;
}

// A golden file under tests/golden/ against what the program gives now,
// listing the lines that differ. With VANTREL_UPDATE_GOLDEN=1 in the
// environment a differing file is written anew, and the test still fails
// with the lines it changed: an update is never silent.
inline void expect_golden(const std::string& name, const std::string& actual) {
  const std::string path = VANTREL_SOURCE_DIR "/tests/golden/" + name;
  const std::string expected = read_file(path);
  if (expected == actual) return;
  const std::string changes = changed_lines(expected, actual);
  if (std::getenv("VANTREL_UPDATE_GOLDEN")) {
    write_file(path, actual);
    ADD_FAILURE() << "updated tests/golden/" << name << "; review:\n" << changes;
    return;
  }
  ADD_FAILURE() << "differs from tests/golden/" << name << ":\n" << changes;
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

// A pipe's reading end that gives text (at most a pipe's buffer), then its end.
inline std::FILE* pipe_holding(const std::string& text) {
  int ends[2];
  if (pipe(ends) != 0) return nullptr;
  const bool written =
      write(ends[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(ends[1]);
  return written ? fdopen(ends[0], "r") : nullptr;
}

// Standard input is in, or empty; run_print closes it.
inline PrintRun run_print(const std::vector<std::string>& arguments,
                          std::FILE* in = nullptr) {
  std::vector<const char*> argv{"vantrel-print"};
  for (const std::string& word : arguments) argv.push_back(word.c_str());
  argv.push_back(nullptr);
  if (in == nullptr) in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  PrintRun run;
  run.status =
      run_print_command(static_cast<int>(argv.size() - 1), argv.data(), in, out, err);
  std::fclose(in);
  run.out = read_stream(out);
  run.err = read_stream(err);
  return run;
}

// A word "<FILE" pipes FILE into standard input.
inline PrintRun run_print(const std::string& arguments) {
  std::vector<std::string> words;
  std::FILE* in = nullptr;
  std::istringstream line(arguments);
  for (std::string word; line >> word;) {
    if (word[0] == '<')
      in = pipe_holding(read_file(word.substr(1)));
    else
      words.push_back(word == "''" ? "" : word);
  }
  return run_print(words, in);
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
