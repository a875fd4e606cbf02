#include "chart_file/chart_rows.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr char byte_order_mark[] = "\xEF\xBB\xBF";
constexpr std::size_t byte_order_mark_size = sizeof byte_order_mark - 1;

// The file as a stream only when it is a regular file: a FIFO, a device such
// as /dev/full or a folder would hang the reader, never end or read as empty.
ChartReadResult open_regular_file(const char* filename, std::FILE*& file) {
  const int fd = open(filename, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return chart_read_file_unreadable;
  struct stat info;
  const bool examined = fstat(fd, &info) == 0;
  const bool regular = examined && S_ISREG(info.st_mode);
  if (regular && (file = fdopen(fd, "r")) != nullptr) return chart_read_ok;
  close(fd);
  return examined && !regular ? chart_read_not_regular_file : chart_read_file_unreadable;
}

}  // namespace

ChartReadResult read_chart_rows(const char* filename, const ChartRowTaker& take) {
  std::FILE* file = nullptr;
  if (const ChartReadResult opened = open_regular_file(filename, file);
      opened != chart_read_ok) {
    return opened;
  }
  const ChartReadResult result = read_chart_stream(file, take);
  std::fclose(file);
  return result;
}

ChartReadResult read_chart_stream(std::FILE* file, const ChartRowTaker& take) {
  // A folder opens for reading but fails the first read: named for what it is.
  struct stat info;
  if (fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode))
    return chart_read_not_regular_file;
  // A line's first bytes, one more than a line may hold, so that a longer one
  // reads as too long.
  char row[longest_chart_line + 2];
  std::size_t length = 0;  // the line's bytes so far, all of them
  bool nul = false;
  std::size_t number = 0;
  bool any_line = false;
  bool taking = true;
  auto end_row = [&](bool at_newline) {
    std::size_t size = std::min<std::size_t>(length, longest_chart_line + 1);
    if (at_newline && length == size && size > 0 && row[size - 1] == '\r') --size;
    if (size > 0) {
      // A line holding a NUL byte is no text either: it is refused as one too
      // long, its NUL bytes shown as blanks.
      if (nul) {
        std::memset(row + size, ' ', longest_chart_line + 1 - size);
        size = longest_chart_line + 1;
      }
      row[size] = '\0';
      any_line = true;
      taking = take(number, row);
    }
    ++number;
    length = 0;
    nul = false;
  };

  char block[16384];
  bool first_block = true;
  std::size_t count = 0;
  do {
    count = std::fread(block, 1, sizeof block, file);
    std::size_t i = 0;
    if (first_block && count >= byte_order_mark_size &&
        std::memcmp(block, byte_order_mark, byte_order_mark_size) == 0) {
      i = byte_order_mark_size;
    }
    first_block = false;
    for (; i < count && taking; ++i) {
      const char c = block[i];
      if (c == '\n') {
        end_row(true);
        continue;
      }
      nul = nul || c == '\0';
      if (length <= longest_chart_line) row[length] = c == '\0' ? ' ' : c;
      ++length;
    }
  } while (count == sizeof block && taking);
  if (taking) end_row(false);

  if (taking && std::ferror(file) != 0) return chart_read_file_unreadable;
  return any_line ? chart_read_ok : chart_read_no_chart;
}

ChartReadResult chart_row_at(const char* filename, int index, std::string& text,
                             std::size_t& row) {
  ChartReadResult result = chart_read_no_line;
  int seen = 0;
  const ChartReadResult file_result =
      read_chart_rows(filename, [&](std::size_t number, const char* row_text) {
        if (seen++ < index) return true;
        if (index >= 0) {
          text = row_text;
          row = number;
          result = chart_read_ok;
        }
        return false;
      });
  return file_result == chart_read_ok || file_result == chart_read_no_chart ? result
                                                                            : file_result;
}
