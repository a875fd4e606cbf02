#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>

#include "app/main_window.h"
#include "display/draw_chart.h"

// Until every shown window has been mapped and drawn, so that widgets know
// where they stand before events are sent to them or pixels are read.
inline void settle() {
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) w->wait_for_expose();
  for (int i = 0; i < 10; ++i) Fl::wait(0.01);
  Fl::flush();
}

// The main window built as the program's entry builds it and shown on the test
// display; the chart widget belongs to the window.
inline Fl_Window* show_test_main_window(draw_chart** chart_widget = nullptr) {
  Fl_Window* window = begin_main_window();
  // The toolkit places children in window coordinates.
  auto* chart = new draw_chart(chart_view->x() + 8, chart_view->y(), 440, 1008);
  if (chart_widget) *chart_widget = chart;
  end_main_window(window);
  char program[] = "vantrel";
  char* argv[] = {program, nullptr};
  window->show(1, argv);
  settle();
  return window;
}

// Deletes the window and its chart widget, and clears the handles into them.
inline void close_test_main_window(Fl_Window*& window) {
  window->hide();
  delete window;
  window = nullptr;
  chart_view = nullptr;
  main_menu_bar = nullptr;
  settle();
}
