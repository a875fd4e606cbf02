#pragma once

#include "support/test_files.h"

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

  std::filesystem::path previous_dir, dir;
};
