#pragma once

// File > Open: the "Select Chart" list of the saved charts.
void show_chart_list();

// File > Save: appends the current chart to the chart file.
void save_chart();
