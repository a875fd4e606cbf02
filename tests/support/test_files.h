#pragma once

#include <fstream>
#include <sstream>
#include <string>

// Whole files as bytes, for tests that write chart files or read output.
inline void write_file(const std::string& name, const std::string& content) {
  std::ofstream(name, std::ios::binary) << content;
}

inline std::string read_file(const std::string& name) {
  std::ostringstream content;
  content << std::ifstream(name, std::ios::binary).rdbuf();
  return content.str();
}
