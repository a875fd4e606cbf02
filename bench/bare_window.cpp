// A bare toolkit window of the main window's size and title, for the window
// program's start-up to be measured beside (tools/bench_print.sh).
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

int main(int argc, char** argv) {
  Fl_Double_Window window(440, 480, "Vantrel");
  window.end();
  window.show(argc, argv);
  return Fl::run();
}
