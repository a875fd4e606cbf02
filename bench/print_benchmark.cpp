// vantrel-print --format json --file against the chart computation alone, on
// the same charts spread over 1600 to 2400: what reading the lines, their
// checks, the dasha listing and the writing add to the astronomy.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "bench/median_reporter.h"
#include "chart/chart.h"
#include "chart_file/chart_line.h"
#include "chart_file/chart_rows.h"
#include "cli/print_command.h"

namespace {

// Made at build time by tools/make_chart_file.sh.
const char* const chart_file = VANTREL_BENCH_CHARTS;

const std::vector<ChartInput>& file_charts() {
  static const std::vector<ChartInput> charts = [] {
    std::vector<ChartInput> out;
    read_chart_rows(chart_file, [&out](std::size_t, const char* row) {
      ChartInput chart = {};
      if (read_chart_line(row, chart) == chart_read_ok) out.push_back(chart);
      return true;
    });
    return out;
  }();
  return charts;
}

// One iteration computes every chart of the file, dasha listing included.
void BM_chart_computation(benchmark::State& state) {
  const std::vector<ChartInput>& charts = file_charts();
  if (charts.empty()) state.SkipWithError("no charts");
  for (auto _ : state) {
    for (const ChartInput& input : charts) {
      const Chart chart = chart_of(input);
      benchmark::DoNotOptimize(chart.positions);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(charts.size()));
}
BENCHMARK(BM_chart_computation)->Repetitions(5)->ReportAggregatesOnly(true);

// One iteration is the whole command over the same file, into /dev/null.
void BM_json_file(benchmark::State& state) {
  std::FILE* discard = std::fopen("/dev/null", "w");
  if (discard == nullptr) state.SkipWithError("no /dev/null");
  const char* argv[] = {"vantrel-print", "--format", "json",
                        "--file",        chart_file, nullptr};
  for (auto _ : state) {
    if (run_print_command(5, argv, nullptr, discard, discard) != print_status_ok)
      state.SkipWithError("vantrel-print failed");
  }
  if (discard != nullptr) std::fclose(discard);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(file_charts().size()));
}
BENCHMARK(BM_json_file)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  MedianReporter reporter;
  if (!run_benchmarks(argc, argv, reporter)) return 1;
  double computation = 0;
  double json = 0;
  if (reporter.pair("BM_chart_computation", "BM_json_file", computation, json)) {
    const double charts = static_cast<double>(file_charts().size());
    std::printf(
        "\n%.0f charts: computation alone %.1f us a chart; --format json --file %.1f us "
        "a chart; ratio %.2f (target at most 1.4)\n",
        charts, computation / charts / 1000.0, json / charts / 1000.0,
        json / computation);
  }
  return 0;
}
