#pragma once

#include <vector>

#include "places/atlas.h"

class Fl_Hold_Browser;
class Fl_Window;

// What taking a place does.
using TakePlace = void (*)(const AtlasPlace& place);

// The modal "Places" list of the places that Find matched, most populous
// first, the first row selected; Enter, OK or a double-click gives the
// selected row to take, Cancel changes nothing.
void show_place_list(std::vector<AtlasPlace> places, TakePlace take);
void take_selected_place();
void close_place_list();

// The list and its window while shown, reached by the callbacks; null after.
extern Fl_Window* place_list_window;
extern Fl_Hold_Browser* place_list;
