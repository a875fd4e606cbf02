#pragma once

#include "chart_file/chart_line.h"

class Fl_Browser;
class Fl_Hold_Browser;
class Fl_Window;

// The newest "Select Chart" window and its list; nullptr once it is closed.
extern Fl_Window* chart_list_window;
extern Fl_Hold_Browser* chart_list;

// File > Open: the "Select Chart" list of the saved charts.
void show_chart_list();

// Fills the browser with the rows of the file that hold a line. Any result
// but chart_read_ok leaves it empty: the file cannot be read, is no regular
// file, or holds no line.
ChartReadResult load_chart_list(Fl_Browser* browser, const char* filename);

// Loads the list's current row (the first before any pick) and closes the list.
void open_selected_chart();

// Closes the list without loading.
void close_chart_list();

// Reads row index of the chart file into ChartState, computes and redraws;
// a refused line or an unreadable file is reported and changes nothing.
void load_chart_line(int index);

// File > Save: appends the current chart to the chart file.
void save_chart();
