#include "storage/chart_file_commands.h"

void show_chart_list() {}
void save_chart() {}
