#include <FL/Fl.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>

#include "app/chart_state.h"
#include "app/main_window.h"
#include "display/chart_geometry.h"
#include "display/draw_chart.h"

int main(int argc, char** argv) {
  present_moment_chart();
  Fl_Window* window = begin_main_window();
  // The toolkit places children in window coordinates.
  draw_chart chart_widget(chart_view->x() + 8, chart_view->y(), chart_width,
                          chart_height);
  end_main_window(window);
  window->show(argc, argv);
  return Fl::run();
}
