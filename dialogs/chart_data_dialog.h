#pragma once

// The modal "Chart Data" window: empty for File > New, filled from
// ChartState for File > Edit.
void show_chart_data_dialog(bool prefill);

void chart_data_ok();
void chart_data_now();
void chart_data_cancel();
