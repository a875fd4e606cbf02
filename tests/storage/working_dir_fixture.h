#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

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
    previous_dir = std::filesystem::current_path();
    char pattern[] = "/tmp/vantrel-storage-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    std::filesystem::current_path(dir);
  }

  void TearDown() override {
    std::filesystem::current_path(previous_dir);
    std::filesystem::remove_all(dir);
  }

  static void write_file(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
  }

  static std::string read_file(const std::string& name) {
    std::ostringstream content;
    content << std::ifstream(name, std::ios::binary).rdbuf();
    return content.str();
  }

  std::filesystem::path previous_dir, dir;
};
