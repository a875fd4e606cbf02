#pragma once

#include <FL/Fl_Double_Window.H>

#include <functional>
#include <string>

#include "gui/prompts.h"

class Fl_Text_Buffer;
class Fl_Text_Display;

// A report's text, exactly as the printer writes it, in a read-only
// monospaced display (Ctrl+A selects all, Ctrl+C copies) with a "Save As..."
// button that writes it to a file.
class ReportWindow : public Fl_Double_Window {
 public:
  // What closing the window tells its owner, before the window is deleted.
  using OnClose = std::function<void(ReportWindow* closed)>;
  ReportWindow(const std::string& title, const std::string& text, const Prompts& prompts,
               OnClose on_close);
  ~ReportWindow() override;

  // Writes the text to a file, whole or not at all; false, error saying why,
  // when it cannot.
  bool save_to(const std::string& path, std::string& error) const;
  void save_as();
  void close_report();

  const std::string& text() const { return text_; }
  Fl_Text_Display* display;

 private:
  std::string title_;
  std::string text_;
  Fl_Text_Buffer* buffer_;
  const Prompts& prompts_;
  OnClose on_close_;
};
