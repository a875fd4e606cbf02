#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Each test runs in a fresh empty working directory, since the chart file is
// always "charts.vnt" in the working directory.
class WorkingDirTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(getcwd(previous_dir, sizeof previous_dir), nullptr);
    char pattern[] = "/tmp/vantrel-storage-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    ASSERT_EQ(chdir(dir.c_str()), 0);
  }

  void TearDown() override {
    ASSERT_EQ(chdir(previous_dir), 0);
    std::filesystem::remove_all(dir);
  }

  static void write_file(const std::string& name, const std::string& content) {
    std::ofstream out(name, std::ios::binary);
    out << content;
  }

  static std::string read_file(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
  }

  char previous_dir[PATH_MAX] = {};
  std::string dir;
};
