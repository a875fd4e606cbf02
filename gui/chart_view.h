#pragma once

class Fl_Scroll;

// The main window's scrolling chart area. Commands that change the chart
// reach it through here rather than through the window that builds it.
extern Fl_Scroll* chart_view;

// Repaints the chart after ChartState has changed.
void redraw_chart_view();
