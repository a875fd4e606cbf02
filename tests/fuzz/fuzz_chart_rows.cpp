// The chart list loader on any bytes a chart file can hold: the rows are
// split as the list promises, and choosing row N loads exactly the line that
// row N shows, or nothing for a row that holds no chart.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_checks.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"

namespace {

char file_name[] = "/tmp/vantrel-fuzz-rows-XXXXXX";

void remove_file() { std::remove(file_name); }

// The rows as the list shows them: a row ends at a newline, a NUL, the end
// of the file, or when it holds 1023 characters (the character then read is
// dropped).
std::vector<std::string> expected_rows(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> rows;
  std::string row;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n' || c == '\0' || row.size() == 1023) {
      rows.push_back(row);
      row.clear();
      continue;
    }
    row += c;
  }
  rows.push_back(row);
  return rows;
}

void expect_row_loads_as_shown(const ChartRows& rows, long index) {
  ChartStateRecord direct;
  std::memset(&direct, 0x3c, sizeof direct);
  ChartStateRecord loaded;
  std::memcpy(&loaded, &direct, sizeof direct);

  ChartReadResult want = chart_read_no_line;
  if (index >= 0 && static_cast<std::size_t>(index) < rows.size() && !rows[index].empty())
    want = read_chart_line(rows[index].c_str(), direct);
  const ChartReadResult got = load_chart_row(file_name, static_cast<int>(index), loaded);
  fuzz_require(got == want, "the loader and the list disagree on a row");
  fuzz_require(std::memcmp(&direct, &loaded, sizeof direct) == 0,
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

  ChartRows rows;
  fuzz_require(read_chart_rows(file_name, rows), "an existing file read as absent");
  fuzz_require(rows == expected_rows(data, size), "rows split otherwise than shown");

  const long count = static_cast<long>(rows.size());
  for (long index : {-1L, 0L, 1L, count / 2, count - 2, count - 1, count})
    expect_row_loads_as_shown(rows, index);
  return 0;
}
