#pragma once

#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/print_command.h"
#include "support/test_support.h"

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
