#include "gui/main_window.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Pixmap.H>
#include <FL/Fl_Scroll.H>

#include <cstdlib>
#include <string>

#include "base/version.h"
#include "drawing/chart_geometry.h"
#include "gui/chart_data_dialog.h"
#include "gui/chart_file_commands.h"
#include "gui/chart_state.h"
#include "gui/message_boxes.h"

Fl_Menu_Bar* main_menu_bar = nullptr;

void quit_command() { std::exit(0); }

void chart_style_command(int style) {
  ChartState.chart_style = static_cast<std::uint8_t>(style);
  redraw_chart_view();
}

void about_command() {
  static const std::string text = std::string("Vantrel\nVersion ") + program_version +
                                  "\nSidereal charts with Vimshottari dashas, by the "
                                  "Vantrel makers.";
  show_message(text.c_str());
}

namespace {
#include "gui/window_icon.xpm"

// The program's icon (share/vantrel.svg at 48 pixels), made once.
const Fl_RGB_Image* window_icon() {
  static const Fl_Pixmap pixmap(window_icon_xpm);
  static const Fl_RGB_Image icon(&pixmap);
  return &icon;
}

void new_item(Fl_Widget*, void*) { show_chart_data_dialog(false); }
void edit_item(Fl_Widget*, void*) { show_chart_data_dialog(true); }
void open_item(Fl_Widget*, void*) { show_chart_list(); }
void save_item(Fl_Widget*, void*) { save_chart(); }
void quit_item(Fl_Widget*, void*) { quit_command(); }
// The toolkit calls back for the item already marked too: each item sets its
// own style rather than switching.
void north_item(Fl_Widget*, void*) { chart_style_command(1); }
void south_item(Fl_Widget*, void*) { chart_style_command(0); }
void about_item(Fl_Widget*, void*) { about_command(); }
}  // namespace

Fl_Window* begin_main_window() {
  // Every window's layout is measured for 12-pixel labels and texts; the
  // toolkit's own default of 14 would push labels past their windows' edges.
  FL_NORMAL_SIZE = 12;
  // The desktop matches every window to the menu entry by its class
  // (StartupWMClass) and shows the icon with it.
  Fl_Window::default_xclass("vantrel");
  Fl_Window::default_icon(window_icon());
  auto* window = new Fl_Double_Window(chart_width, 480, "Vantrel");
  window->xclass("vantrel");

  main_menu_bar = new Fl_Menu_Bar(0, 0, chart_width, 20);
  main_menu_bar->add("File/New", 0, new_item);
  main_menu_bar->add("File/Edit", 0, edit_item);
  main_menu_bar->add("File/Open", 0, open_item);
  main_menu_bar->add("File/Save", 0, save_item, nullptr, FL_MENU_DIVIDER);
  main_menu_bar->add("File/Quit", 0, quit_item);
  main_menu_bar->add("Options/Chart Style.../North Chart", 0, north_item, nullptr,
                     FL_MENU_RADIO);
  main_menu_bar->add("Options/Chart Style.../South Chart", 0, south_item, nullptr,
                     FL_MENU_RADIO | FL_MENU_VALUE);
  main_menu_bar->add("Help/About", 0, about_item);

  chart_view = new Fl_Scroll(0, 20, 438, 458);
  chart_view->color(FL_WHITE);
  return window;
}

void end_main_window(Fl_Window* window) {
  chart_view->end();
  chart_view->type(Fl_Scroll::VERTICAL);
  window->resizable(chart_view);
  window->end();
  window->size_range(chart_width, 480, chart_width, chart_height, 0, 0);
}
