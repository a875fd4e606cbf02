#include "gui/place_list.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Window.H>

#include <string>

Fl_Window* place_list_window = nullptr;
Fl_Hold_Browser* place_list = nullptr;

namespace {

std::vector<AtlasPlace> listed_places;
TakePlace take_place = nullptr;
// The place and its population in two columns.
const int ListColumns[] = {230, 0};

// The browser calls back on arrow keys as well: those only select, and only
// a double-click takes the row.
void list_callback(Fl_Widget*, void*) {
  if (Fl::event() == FL_RELEASE && Fl::event_clicks() > 0) take_selected_place();
}
void ok_callback(Fl_Widget*, void*) { take_selected_place(); }
void cancel_callback(Fl_Widget*, void*) { close_place_list(); }

}  // namespace

void show_place_list(std::vector<AtlasPlace> places, TakePlace take) {
  listed_places = std::move(places);
  take_place = take;
  place_list_window = new Fl_Window(360, 300, "Places");
  // The frame's close control and Escape cancel, as the Cancel button does.
  place_list_window->callback(cancel_callback);
  place_list = new Fl_Hold_Browser(20, 20, 320, 200);
  place_list->when(FL_WHEN_ENTER_KEY);
  place_list->callback(list_callback);
  place_list->column_widths(ListColumns);
  place_list->has_scrollbar(Fl_Browser_::VERTICAL);
  // A row never holds a newline, so no place name is taken for '@' formatting.
  place_list->format_char('\n');
  for (const AtlasPlace& place : listed_places)
    place_list->add(
        (place_label(place) + "\t" + std::to_string(place.population)).c_str());
  place_list->select(1);
  auto* ok = new Fl_Button(40, 250, 40, 25, "OK");
  ok->callback(ok_callback);
  // The hold browser ignores Enter, which comes to the window as OK's shortcut.
  ok->shortcut(FL_Enter);
  (new Fl_Button(240, 250, 60, 25, "Cancel"))->callback(cancel_callback);
  place_list_window->end();
  place_list_window->set_modal();
  place_list_window->show();
}

void take_selected_place() {
  const int row = place_list->value();  // from 1
  if (row > 0 && static_cast<std::size_t>(row) <= listed_places.size())
    take_place(listed_places[static_cast<std::size_t>(row) - 1]);
  close_place_list();
}

void close_place_list() {
  if (place_list_window == nullptr) return;
  place_list_window->hide();
  // Called from the list's own callbacks: the toolkit deletes it later.
  Fl::delete_widget(place_list_window);
  place_list_window = nullptr;
  place_list = nullptr;
  listed_places.clear();
}
