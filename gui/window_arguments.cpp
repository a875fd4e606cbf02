#include "gui/window_arguments.h"

#include <FL/Fl.H>

#include <string_view>

#include "base/version.h"

WindowRequest window_request(int argc, char** argv, std::string& refused) {
  for (int i = 1; i < argc;) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") return WindowRequest::help;
    if (argument == "--version" || argument == "-V") return WindowRequest::version;
    // The toolkit's own switch moves i past itself and its value.
    if (Fl::arg(argc, argv, i) == 0) {
      refused = argument;
      return WindowRequest::refused;
    }
  }
  return WindowRequest::open_window;
}

std::string window_answer(WindowRequest request, const char* toolkit_switches,
                          const std::string& refused) {
  if (request == WindowRequest::version)
    return std::string("vantrel ") + program_version + "\n";
  std::string text = request == WindowRequest::refused
                         ? "vantrel: unknown option '" + refused + "'\n"
                         : std::string();
  text +=
      "usage: vantrel [-h | --help | -V | --version] [toolkit options]\n"
      "\n"
      "Opens the Vantrel window on the chart of the present moment. File > New\n"
      "and Edit enter a chart; File > Open and Save use charts.vnt in the\n"
      "working folder. vantrel-print prints the same charts without a display.\n"
      "\n"
      "  -h, --help     this text\n"
      "  -V, --version  the program's version\n"
      "\n"
      "Toolkit options (FLTK; the part in [] may be left out):\n";
  text += toolkit_switches;
  if (text.back() != '\n') text += '\n';
  return text;
}
