// One whole vantrel-print run for a place from the atlas and a zone, as a
// process from its start to its exit, and the parts it adds in-process: the
// atlas lookup (reading the file included) and the zone's offset once the
// time-zone database is loaded.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "cli/atlas.h"
#include "cli/find_places.h"
#include "cli/time_zone.h"

extern char** environ;

namespace {

void BM_print_run_city_and_zone(benchmark::State& state) {
  const char* const argv[] = {VANTREL_PRINT_PROGRAM,
                              "--city",
                              "Berkeley, CA, US",
                              "--zone",
                              "America/Los_Angeles",
                              "--date",
                              "2007-03-22",
                              "--time",
                              "10:00",
                              nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t child = 0;
    int status = -1;
    if (posix_spawn(&child, argv[0], &actions, nullptr, const_cast<char* const*>(argv),
                    environ) != 0 ||
        waitpid(child, &status, 0) != child || status != 0) {
      state.SkipWithError("vantrel-print failed");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_print_run_city_and_zone)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_atlas_lookup(benchmark::State& state) {
  for (auto _ : state) {
    AtlasPlace place;
    std::string error;
    benchmark::DoNotOptimize(find_one_place("Berkeley, CA, US", place, error));
    benchmark::DoNotOptimize(place);
  }
}
BENCHMARK(BM_atlas_lookup)->Unit(benchmark::kMillisecond);

void BM_zone_offset(benchmark::State& state) {
  const std::string zone = "America/Los_Angeles";
  ChartInput chart{};
  chart.year = 2007;
  chart.month = 3;
  chart.day = 22;
  chart.hour = 10;
  for (auto _ : state) {
    ZoneOffset offset;
    std::string error;
    benchmark::DoNotOptimize(zone_offset_at({zone, chart, fold_refused}, offset, error));
    benchmark::DoNotOptimize(offset);
  }
}
BENCHMARK(BM_zone_offset)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
