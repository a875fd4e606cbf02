#pragma once

#include "chart_file/chart_line.h"

// How an append to the chart file went.
enum ChartSaveResult : int {
  chart_saved = 0,
  chart_save_directory,         // the name is a folder
  chart_save_missing_folder,    // a folder on the way does not exist
  chart_save_permission,        // not allowed to write there
  chart_save_disk_full,         // no room left on the file system
  chart_save_size_limit,        // the file would pass the size limit
  chart_save_busy,              // another program holds the file's lock
  chart_save_not_regular_file,  // a device, a FIFO, a socket
  chart_save_failed,            // any other failure of the system
};

// Appends the line to the file, creating it when absent, under an exclusive
// lock (flock) on the file. A file whose last line has no newline, as some
// editors leave it, gets one first, in the same write. The lock is waited
// for a few seconds at most. Only chart_saved means the whole line reached
// the file; on any failure the file is cut back to its length before, so no
// partial line is left for the next line to run into. A file-size limit is
// a failed save: SIGXFSZ is ignored from the first call on.
ChartSaveResult append_chart_line(const char* filename, const ChartLine& line);

// Why a save failed, e.g. "the chart file is busy"; nullptr for chart_saved.
const char* chart_save_cause(ChartSaveResult result);
