#include <FL/Fl.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>

#include <cstdio>

#include "drawing/chart_geometry.h"
#include "gui/chart_state.h"
#include "gui/draw_chart.h"
#include "gui/main_window.h"
#include "gui/window_arguments.h"

int main(int argc, char** argv) {
  // Answered before the toolkit opens the display, so that they work without one.
  if (const WindowRequest request = window_request(argc, argv);
      request != WindowRequest::open_window) {
    const bool written =
        std::fputs(window_answer(request, Fl::help).c_str(), stdout) >= 0;
    return written && std::fflush(stdout) == 0 ? 0 : 1;
  }
  present_moment_chart();
  Fl_Window* window = begin_main_window();
  // The toolkit places children in window coordinates.
  draw_chart chart_widget(chart_view->x() + 8, chart_view->y(), chart_width,
                          chart_height);
  end_main_window(window);
  window->show(argc, argv);
  return Fl::run();
}
