// The chart in time: a year of transit events with the nakshatras, Sade Sati
// over a chart's hundred years, and a year of panchanga days, each one whole
// search per iteration.

#include <benchmark/benchmark.h>

#include "chart/chart.h"
#include "chart/panchanga.h"
#include "chart/sade_sati.h"
#include "chart/transits.h"

namespace {

void BM_transits_one_year(benchmark::State& state) {
  const UtMinute first = ut_minute_of(2025, 1, 1, 0, 0);
  const UtMinute end = ut_minute_of(2026, 1, 1, 0, 0);
  for (auto _ : state) benchmark::DoNotOptimize(find_transits(first, end, true));
}
BENCHMARK(BM_transits_one_year)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_sade_sati_100_years(benchmark::State& state) {
  ChartInput input{};
  input.year = 1990, input.month = 3, input.day = 5, input.hour = 7, input.minute = 5;
  const Chart chart = chart_of(input);
  for (auto _ : state) benchmark::DoNotOptimize(sade_sati(chart));
}
BENCHMARK(BM_sade_sati_100_years)->Unit(benchmark::kMillisecond)->Repetitions(5);

// Every day of 2025 at New Delhi: sunrise, sunset and the four limbs' spans.
void BM_panchanga_days_one_year(benchmark::State& state) {
  const GeoPlace delhi{-77.2, 28.6};
  const ZoneMinutesEast india = [](UtMinute) { return 330; };
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        panchanga_days({2025, 1, 1}, {2026, 1, 1}, delhi, india, centre_rule));
  }
}
BENCHMARK(BM_panchanga_days_one_year)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
