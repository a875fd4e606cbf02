#pragma once

#include "gui/chart_view.h"

class Fl_Menu_Bar;
class Fl_Window;

extern Fl_Menu_Bar* main_menu_bar;

// Builds the window, its menus and chart_view, and leaves chart_view open so
// that the chart widget is created inside it.
Fl_Window* begin_main_window();

// Closes chart_view and the window and sets the window's size range.
void end_main_window(Fl_Window* window);

// The menu commands of the shell itself.
void quit_command();
// Draws the diagram in style 0 (South Indian) or 1 (North Indian).
void chart_style_command(int style);
void about_command();
