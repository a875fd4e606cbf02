#include "gui/chart_view.h"

#include <FL/Fl_Scroll.H>

Fl_Scroll* chart_view = nullptr;

void redraw_chart_view() { chart_view->redraw(); }
