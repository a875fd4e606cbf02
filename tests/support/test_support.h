#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

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
