#include "gui/main_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Pixmap.H>
#include <FL/Fl_Scroll.H>

#include <cstdlib>
#include <string>

#include "base/version.h"
#include "drawing/chart_geometry.h"
#include "gui/chart_data_dialog.h"
#include "gui/draw_chart.h"
#include "gui/present_moment.h"
#include "gui/report_window.h"

namespace {
#include "gui/window_icon.xpm"

// The program's icon (share/vantrel.svg at 48 pixels), made once.
const Fl_RGB_Image* window_icon() {
  static const Fl_Pixmap pixmap(window_icon_xpm);
  static const Fl_RGB_Image icon(&pixmap);
  return &icon;
}

MainWindow& window_of(Fl_Widget* widget) {
  Fl_Window* window = widget->as_window() ? widget->as_window() : widget->window();
  return *static_cast<MainWindow*>(window);
}

// A menu item's number: a chart style, a varga's division, or a row of
// ReportItems.
int number_of(void* data) {
  return static_cast<int>(reinterpret_cast<fl_intptr_t>(data));
}

// The Reports menu's items, each a row of the printer's report table.
struct ReportItem {
  const char* report;
  bool chart_is_girl;  // the match: the chart is the girl's, the partner the boy's
};
const ReportItem ReportItems[] = {
    {"panchanga", false}, {"vargas", false}, {"dashas", false}, {"transits", false},
    {"sade-sati", false}, {"match", false},  {"match", true},
};

void new_item(Fl_Widget* menu, void*) { window_of(menu).show_chart_data_dialog(false); }
void edit_item(Fl_Widget* menu, void*) { window_of(menu).show_chart_data_dialog(true); }
void open_item(Fl_Widget* menu, void*) { window_of(menu).show_chart_list(); }
void save_item(Fl_Widget* menu, void*) { window_of(menu).save_chart(); }
void export_item(Fl_Widget* menu, void*) { window_of(menu).export_chart(); }
void quit_item(Fl_Widget* menu, void*) { window_of(menu).quit_command(); }
// The toolkit calls back for the item already marked too: each item sets its
// own style rather than switching.
void style_item(Fl_Widget* menu, void* style) {
  window_of(menu).chart_style_command(number_of(style));
}
void varga_item(Fl_Widget* menu, void* varga) {
  window_of(menu).varga_command(number_of(varga));
}
void report_item(Fl_Widget* menu, void* row) {
  const ReportItem& item = ReportItems[number_of(row)];
  if (const Report* report = report_named(item.report))
    window_of(menu).show_report(*report, item.chart_is_girl);
}
void about_item(Fl_Widget* menu, void*) { window_of(menu).about_command(); }
void close_window(Fl_Widget* window, void*) { window_of(window).close_all(); }

Fl_Menu_Item menu_item(const char* label, int shortcut, Fl_Callback* callback,
                       int number = 0, int flags = 0) {
  // The toolkit's menu items carry a number as their data.
  void* data =
      reinterpret_cast<void*>(fl_intptr_t{number});  // NOLINT(performance-no-int-to-ptr)
  return {label, shortcut, callback, data, flags, 0, 0, 0, 0};
}
Fl_Menu_Item submenu(const char* label) {
  return {label, 0, nullptr, nullptr, FL_SUBMENU, 0, 0, 0, 0};
}
Fl_Menu_Item end_of_menu() { return {nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0}; }

// The menus, read top to bottom.
const Fl_Menu_Item MenuItems[] = {
    submenu("File"),
    menu_item("New", 0, new_item),
    menu_item("Edit", 0, edit_item),
    menu_item("Open", 0, open_item),
    menu_item("Save", 0, save_item),
    menu_item("Export...", 0, export_item, 0, FL_MENU_DIVIDER),
    menu_item("Quit", 0, quit_item),
    end_of_menu(),
    submenu("Options"),
    submenu("Chart Style..."),
    menu_item("North Chart", 0, style_item, 1, FL_MENU_RADIO),
    menu_item("South Chart", 0, style_item, 0, FL_MENU_RADIO | FL_MENU_VALUE),
    end_of_menu(),
    submenu("Divisional Chart"),
    menu_item("D1 Rasi", 0, varga_item, 1, FL_MENU_RADIO | FL_MENU_VALUE),
    menu_item("D2 Hora", 0, varga_item, 2, FL_MENU_RADIO),
    menu_item("D3 Drekkana", 0, varga_item, 3, FL_MENU_RADIO),
    menu_item("D4 Chaturthamsha", 0, varga_item, 4, FL_MENU_RADIO),
    menu_item("D7 Saptamsha", 0, varga_item, 7, FL_MENU_RADIO),
    menu_item("D9 Navamsha", 0, varga_item, 9, FL_MENU_RADIO),
    menu_item("D10 Dashamsha", 0, varga_item, 10, FL_MENU_RADIO),
    menu_item("D12 Dwadashamsha", 0, varga_item, 12, FL_MENU_RADIO),
    menu_item("D16 Shodashamsha", 0, varga_item, 16, FL_MENU_RADIO),
    menu_item("D20 Vimshamsha", 0, varga_item, 20, FL_MENU_RADIO),
    menu_item("D24 Chaturvimshamsha", 0, varga_item, 24, FL_MENU_RADIO),
    menu_item("D27 Saptavimshamsha", 0, varga_item, 27, FL_MENU_RADIO),
    menu_item("D30 Trimshamsha", 0, varga_item, 30, FL_MENU_RADIO),
    menu_item("D40 Khavedamsha", 0, varga_item, 40, FL_MENU_RADIO),
    menu_item("D45 Akshavedamsha", 0, varga_item, 45, FL_MENU_RADIO),
    menu_item("D60 Shashtyamsha", 0, varga_item, 60, FL_MENU_RADIO),
    end_of_menu(),
    end_of_menu(),
    submenu("Reports"),
    menu_item("Panchanga", FL_CTRL + '1', report_item, 0),
    menu_item("Divisional Signs", FL_CTRL + '2', report_item, 1),
    menu_item("Dashas", FL_CTRL + '3', report_item, 2),
    menu_item("Transits...", FL_CTRL + '4', report_item, 3),
    menu_item("Sade Sati", FL_CTRL + '5', report_item, 4),
    menu_item("Match as Boy...", FL_CTRL + '6', report_item, 5),
    menu_item("Match as Girl...", FL_CTRL + '7', report_item, 6),
    end_of_menu(),
    submenu("Help"),
    menu_item("About", 0, about_item),
    end_of_menu(),
    end_of_menu(),
};

}  // namespace

MainWindow::MainWindow(LocalClockReader clock)
    : Fl_Double_Window(chart_width, 480, "Vantrel"),
      prompts(toolkit_prompts()),
      clock_(clock) {
  present_moment_chart();
  // Every window's layout is measured for 12-pixel labels and texts; the
  // toolkit's own default of 14 would push labels past their windows' edges.
  FL_NORMAL_SIZE = 12;
  // The desktop matches every window to the menu entry by its class
  // (StartupWMClass) and shows the icon with it.
  Fl_Window::default_xclass("vantrel");
  Fl_Window::default_icon(window_icon());
  xclass("vantrel");
  callback(close_window);
  menu_bar = new Fl_Menu_Bar(0, 0, chart_width, 20);
  menu_bar->copy(MenuItems);
  chart_view = new Fl_Scroll(0, 20, 438, 458);
  chart_view->color(FL_WHITE);
  // The toolkit places children in window coordinates.
  chart_widget = new draw_chart(chart_view->x() + 8, chart_view->y(), chart_width,
                                chart_height, chart_state);
  chart_view->end();
  chart_view->type(Fl_Scroll::VERTICAL);
  resizable(chart_view);
  end();
  size_range(chart_width, 480, chart_width, chart_height, 0, 0);
}

MainWindow::~MainWindow() {
  // Windows of their own, not children of this one.
  delete chart_data_dialog;
  delete pick_list;
  for (ReportWindow* window : report_windows) delete window;
}

void MainWindow::compute_chart(const ChartInput& input) {
  chart_state.chart = chart_of(input);
  chart_view->redraw();
}

void MainWindow::present_moment_chart() {
  chart_state.chart = chart_of(present_moment_input(clock_()));
  chart_state.chart_style = 0;
}

void MainWindow::show_chart_data_dialog(bool prefill) {
  chart_data_dialog = new ChartDataDialog(*this, chart_state.chart.input, prefill);
  chart_data_dialog->show();
}

void MainWindow::close_chart_data_dialog() {
  if (chart_data_dialog == nullptr) return;
  chart_data_dialog->hide();
  // Called from the dialog's own callbacks: the toolkit deletes it later.
  Fl::delete_widget(chart_data_dialog);
  chart_data_dialog = nullptr;
}

PickList& MainWindow::open_pick_list(const PickListLayout& layout, PickList::Take take) {
  // One list at a time: a list left open gives way.
  if (pick_list != nullptr) pick_list->close_list();
  pick_list = new PickList(layout, std::move(take), [this] { pick_list = nullptr; });
  return *pick_list;
}

void MainWindow::quit_command() { std::exit(0); }

void MainWindow::chart_style_command(int style) {
  chart_state.chart_style = style;
  chart_view->redraw();
}

void MainWindow::varga_command(int varga) {
  chart_state.varga = varga;
  chart_view->redraw();
}

void MainWindow::about_command() {
  const std::string text = std::string("Vantrel\nVersion ") + program_version +
                           "\nSidereal charts with Vimshottari dashas, by the "
                           "Vantrel makers.";
  prompts.message(text.c_str());
}

void MainWindow::close_all() {
  for (ReportWindow* window : report_windows) window->hide();
  hide();
}
