// One whole vantrel-print run for a place from the atlas and a zone, as a
// process from its start to its exit, and the parts it adds in-process:
// mapping the atlas, the lookups that --city, --find and the dialog's Find
// make (a plain name, one by an alternate name, one with region and
// country, one with accents that ICU folds, one that matches nothing and
// asks for the nearest names, the longest query taken), and the zone's
// offset read from the system's tzdata.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "places/atlas.h"
#include "places/place_lookup.h"
#include "places/query_text.h"
#include "places/text_fold.h"
#include "places/zone_offset.h"

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

// Mapping the file and reading its index of sections, zones and regions.
void BM_atlas_load(benchmark::State& state) {
  for (auto _ : state) {
    Atlas atlas;
    std::string error;
    if (!load_atlas(atlas, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(atlas.places.size());
  }
}
BENCHMARK(BM_atlas_load)->Unit(benchmark::kMillisecond);

void BM_atlas_lookup(benchmark::State& state, const std::string& text) {
  Atlas atlas;
  std::string error;
  if (!load_atlas(atlas, error)) state.SkipWithError(error.c_str());
  folded_name("Zürich");  // ICU's tables, read once per process
  for (auto _ : state) benchmark::DoNotOptimize(look_up_place(atlas, text));
}
BENCHMARK_CAPTURE(BM_atlas_lookup, name, std::string("Springfield"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_atlas_lookup, alternate_name, std::string("Bombay"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_atlas_lookup, region_and_country, std::string("Mumbai, MH, IN"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_atlas_lookup, accents, std::string("Đà Nẵng"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_atlas_lookup, nearest_names, std::string("Berkly"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_atlas_lookup, longest_query_nearest, std::string(longest_query, 'x'))
    ->Unit(benchmark::kMillisecond);

void BM_zone_offset(benchmark::State& state) {
  const std::string zone = "America/Los_Angeles";
  ChartInput chart{};
  chart.year = 2007;
  chart.month = 3;
  chart.day = 22;
  chart.hour = 10;
  for (auto _ : state)
    benchmark::DoNotOptimize(zone_offset_at({zone, chart, fold_refused, true}));
}
BENCHMARK(BM_zone_offset)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
