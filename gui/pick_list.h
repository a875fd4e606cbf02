#pragma once

#include <FL/Enumerations.H>
#include <FL/Fl_Window.H>

#include <functional>

class Fl_Hold_Browser;

// How a pick list looks: its window's title, the list's width, label, font
// and columns, and whether its first row starts selected.
struct PickListLayout {
  const char* title;
  int list_width;
  const char* list_label;  // nullptr for none
  Fl_Font font;
  const int* columns;  // zero-ended column widths, nullptr for one column
  bool first_selected;
};

// The saved charts (File > Open, the partner of a match) and Find's places.
extern const PickListLayout ChartListLayout;
extern const PickListLayout PartnerListLayout;
extern const PickListLayout PlaceListLayout;

// One modal list to pick a row from: Enter, OK or a double-click takes the
// selected row (the first when none is), Cancel, Escape and the frame's close
// control take nothing; either way the list closes.
class PickList : public Fl_Window {
 public:
  // What taking row index (from 0) does.
  using Take = std::function<void(int index)>;

  // The window and its list, empty: the caller adds the rows to list, then
  // calls finish. on_close runs when the list closes, before it is deleted.
  PickList(const PickListLayout& layout, Take take, std::function<void()> on_close);

  // Adds the buttons and shows the list: OK only when empty_reason is
  // nullptr; else the list's label says why there is nothing to pick.
  void finish(const char* empty_reason);

  void take_selected();
  void close_list();

  Fl_Hold_Browser* list;

 private:
  Take take_;
  std::function<void()> on_close_;
  bool first_selected_;
};
