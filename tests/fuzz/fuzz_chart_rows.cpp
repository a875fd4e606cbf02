// The chart list loader on any bytes a chart file can hold: the rows are
// split as the list promises, and choosing row N loads exactly the line that
// row N shows, or nothing past the last row.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "chart_file/chart_line.h"
#include "chart_file/chart_rows.h"
#include "fuzz/fuzz_checks.h"

namespace {

char file_name[] = "/tmp/vantrel-fuzz-rows-XXXXXX";

void remove_file() { std::remove(file_name); }

// The rows as the list shows them: after a byte-order mark opening the file,
// the file's lines, each ending at a newline (a carriage return before it
// dropped) or at the end of the file; a line of more than 1023 bytes or
// holding a NUL byte shows 1024 characters, its first bytes (NUL bytes as
// blanks) and blanks after them; only lines that hold something are shown.
std::vector<std::string> expected_rows(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> rows;
  std::string line;
  auto end_line = [&](bool at_newline) {
    if (at_newline && !line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\0') != std::string::npos || line.size() > 1023) {
      std::replace(line.begin(), line.end(), '\0', ' ');
      line.resize(1024, ' ');
    }
    if (!line.empty()) rows.push_back(line);
    line.clear();
  };
  const bool marked = size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0;
  for (std::size_t i = marked ? 3 : 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n')
      end_line(true);
    else
      line += c;
  }
  end_line(false);
  return rows;
}

void expect_row_loads_as_shown(const std::vector<std::string>& rows, long index) {
  const bool listed = index >= 0 && static_cast<std::size_t>(index) < rows.size();
  std::string text;
  std::size_t row = 0;
  const ChartReadResult got = chart_row_at(file_name, static_cast<int>(index), text, row);
  fuzz_require((got == chart_read_ok) == listed,
               "the loader and the list disagree on a row");
  fuzz_require(!listed || text == rows[static_cast<std::size_t>(index)],
               "the loader read another line than the list shows");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const int fd = mkstemp(file_name);
  if (fd < 0) std::abort();
  close(fd);
  std::atexit(remove_file);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(file_name, "wb");
  fuzz_require(file != nullptr, "cannot write the chart file");
  fuzz_require(std::fwrite(data, 1, size, file) == size, "short write");
  std::fclose(file);

  std::vector<std::string> rows;
  const ChartReadResult result =
      read_chart_rows(file_name, [&rows](std::size_t, const char* text) {
        rows.emplace_back(text);
        return true;
      });
  fuzz_require(result == (rows.empty() ? chart_read_no_chart : chart_read_ok),
               "an existing file read as absent, or rows said to be none");
  fuzz_require(rows == expected_rows(data, size), "rows split otherwise than shown");

  const long count = static_cast<long>(rows.size());
  for (long index : {-1L, 0L, 1L, count / 2, count - 2, count - 1, count})
    expect_row_loads_as_shown(rows, index);
  return 0;
}
