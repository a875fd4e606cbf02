#include "dialogs/chart_data_dialog.h"

void show_chart_data_dialog(bool) {}
void chart_data_ok() {}
void chart_data_now() {}
void chart_data_cancel() {}
