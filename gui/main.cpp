#include <FL/Fl.H>

#include <cstdio>
#include <string>

#include "gui/main_window.h"
#include "gui/window_arguments.h"

int main(int argc, char** argv) {
  // Answered before the toolkit opens the display, so that they work without one.
  std::string refused;
  const WindowRequest request = window_request(argc, argv, refused);
  if (request == WindowRequest::refused) {
    std::fputs(window_answer(request, Fl::help, refused).c_str(), stderr);
    return 2;
  }
  if (request != WindowRequest::open_window) {
    const bool written =
        std::fputs(window_answer(request, Fl::help).c_str(), stdout) >= 0;
    return written && std::fflush(stdout) == 0 ? 0 : 1;
  }
  MainWindow window;
  window.show(argc, argv);
  return Fl::run();
}
