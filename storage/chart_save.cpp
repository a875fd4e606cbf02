#include "storage/chart_save.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

// -1 for a file that cannot be cut back, such as a device.
off_t regular_file_length(std::FILE* file) {
  struct stat info;
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  return info.st_size;
}

}  // namespace

bool append_chart_line(const char* filename, const ChartLine& line) {
  std::FILE* file = std::fopen(filename, "a");
  if (file == nullptr) return false;
  const off_t previous_length = regular_file_length(file);

  bool written = std::fputs(line.text, file) != EOF;
  // A full disk is reported only when the buffer goes out.
  written = std::fflush(file) == 0 && written;
  written = std::ferror(file) == 0 && written;
  // Closing may try the unwritten rest once more, so the cut comes after it.
  written = std::fclose(file) == 0 && written;

  if (!written && previous_length >= 0 && truncate(filename, previous_length) != 0) {
    return false;  // cut failed as well: still just a failed save
  }
  return written;
}
