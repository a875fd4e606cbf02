#include "gui/pick_list.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Hold_Browser.H>

#include <utility>

namespace {

// The place and its population in two columns.
const int PlaceColumns[] = {230, 0};

PickList& list_of(Fl_Widget* widget) {
  Fl_Window* window = widget->as_window() ? widget->as_window() : widget->window();
  return *static_cast<PickList*>(window);
}

// The browser calls back on arrow keys as well: those only select, and only
// a double-click takes the row.
void list_callback(Fl_Widget* widget, void*) {
  if (Fl::event() == FL_RELEASE && Fl::event_clicks() > 0)
    list_of(widget).take_selected();
}
void ok_callback(Fl_Widget* widget, void*) { list_of(widget).take_selected(); }
void cancel_callback(Fl_Widget* widget, void*) { list_of(widget).close_list(); }

}  // namespace

const PickListLayout ChartListLayout = {"Select Chart", 300,     "Chart List",
                                        FL_COURIER,     nullptr, false};
const PickListLayout PartnerListLayout = {"Select Chart", 300,     "Chart List",
                                          FL_COURIER,     nullptr, true};
const PickListLayout PlaceListLayout = {"Places",     320,          nullptr,
                                        FL_HELVETICA, PlaceColumns, true};

PickList::PickList(const PickListLayout& layout, Take take,
                   std::function<void()> on_close)
    : Fl_Window(360, 300, layout.title),
      take_(std::move(take)),
      on_close_(std::move(on_close)),
      first_selected_(layout.first_selected) {
  // The frame's close control and Escape would only hide the window: they
  // cancel instead.
  callback(cancel_callback);
  list = new Fl_Hold_Browser(20, 20, layout.list_width, 200, layout.list_label);
  list->when(FL_WHEN_ENTER_KEY);
  list->callback(list_callback);
  list->textfont(layout.font);
  if (layout.columns != nullptr) {
    list->column_widths(layout.columns);
    list->has_scrollbar(Fl_Browser_::VERTICAL);
  }
  // A row never holds a newline, so no row is taken for '@' formatting.
  list->format_char('\n');
  end();
}

void PickList::finish(const char* empty_reason) {
  begin();
  if (empty_reason == nullptr) {
    auto* ok = new Fl_Button(40, 250, 40, 25, "OK");
    ok->callback(ok_callback);
    // The hold browser ignores Enter, which then comes to the window as a
    // shortcut: OK takes it, so Enter takes the current row.
    ok->shortcut(FL_Enter);
    if (first_selected_) list->select(1);
  } else {
    list->label(empty_reason);
  }
  (new Fl_Button(240, 250, 60, 25, "Cancel"))->callback(cancel_callback);
  end();
  set_modal();
  show();
}

void PickList::take_selected() {
  const int row = list->value();  // from 1; 0 before any pick
  const int index = row > 0 ? row - 1 : 0;
  // Closed first: taking may open the next window.
  const Take take = take_;
  const bool any = index < list->size();
  close_list();
  if (any) take(index);
}

void PickList::close_list() {
  hide();
  if (on_close_) on_close_();
  // Called from the list's own callbacks: the toolkit deletes it later.
  Fl::delete_widget(this);
}
