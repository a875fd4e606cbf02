#pragma once

#include <string>

// Every modal box and question of the windows goes through these, so that
// tests can answer them instead of waiting for a click.
struct Prompts {
  void (*alert)(const char* text);    // refused input and file errors
  void (*message)(const char* text);  // information
  // A question with two answers besides Cancel: 1 for the first, 2 for the
  // second, 0 for Cancel.
  int (*choice)(const char* text, const char* first, const char* second);
  // The name of a file to write, from the desktop's file chooser; empty when
  // cancelled. filter as Fl_Native_File_Chooser takes it.
  std::string (*file_to_save)(const char* title, const char* filter);
  // Two dates, as YYYY-MM-DD texts, filled in beforehand; false when
  // cancelled.
  bool (*date_range)(const char* title, std::string& from, std::string& to);
};

// The toolkit's boxes, the desktop's file chooser and a small dialog of two
// dates.
Prompts toolkit_prompts();
