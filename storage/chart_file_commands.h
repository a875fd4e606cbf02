#pragma once

class Fl_Browser;
class Fl_Hold_Browser;
class Fl_Window;

// The newest "Select Chart" window and its list; nullptr once it is closed.
extern Fl_Window* chart_list_window;
extern Fl_Hold_Browser* chart_list;

// File > Open: the "Select Chart" list of the saved charts.
void show_chart_list();

// Fills the browser with the rows of the file: 0 when it cannot be opened,
// else 1 (also for a missing or empty name, which leaves the browser empty).
int load_chart_list(Fl_Browser* browser, const char* filename);

// Loads the list's current row (the first before any pick) and closes the list.
void open_selected_chart();

// Closes the list without loading.
void close_chart_list();

// Reads row index of the chart file into ChartState, computes and redraws;
// a refused line or an unreadable file is reported and changes nothing.
void load_chart_line(int index);

// File > Save: appends the current chart to the chart file.
void save_chart();
