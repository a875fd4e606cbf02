// body_positions for one moment against a loop that makes only the same
// sin and cos calls on the same arguments: the difference is what the
// ephemeris costs beyond its trigonometry. Then the same call over moments
// spread across the chart's years, where the series cost more than near 2000.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "base/chart_names.h"
#include "bench/median_reporter.h"
#include "ephemeris/body_positions.h"
#include "ephemeris/lunar_tables.h"
#include "ephemeris/moon_and_node.h"
#include "ephemeris/planet_aberration.h"
#include "ephemeris/planet_series.h"
#include "ephemeris/time_and_calendar.h"
#include "ephemeris/vsop87d_tables.h"

namespace {

// 1 January 2025, 0:00 universal time.
constexpr double moment_t = 0.2500068446269678;
constexpr double one_hour = 1.1407711613050422e-6;

struct TrigArguments {
  std::vector<double> cos_args;
  std::vector<double> sin_args;
};

void add_series(TrigArguments& out, const BodySeriesSet& set, double t) {
  const double tau = t / 10.0;
  for (const SeriesTable& table : set.tables) {
    for (int i = 0; i < table.count; ++i) {
      const SeriesTerm& term = table.rows[i];
      out.cos_args.push_back((term.frequency * 0.001) * tau + term.phase * 1e-8);
    }
  }
}

void add_aberration(TrigArguments& out, const PlanetAberration& aberration, double t) {
  const double u = t / 100.0;
  for (int i = 0; i < aberration.term_count; ++i) {
    out.cos_args.push_back(aberration.terms[i].frequency * u + aberration.terms[i].phase);
  }
}

void add_planet(TrigArguments& out, const BodySeriesSet& set,
                const PlanetAberration& aberration, const HeliocentricCoordinates& earth,
                double t) {
  add_series(out, set, t);
  const HeliocentricCoordinates planet = heliocentric_coordinates(t, set);
  out.cos_args.insert(out.cos_args.end(), {planet.b, earth.b, planet.l, earth.l});
  out.sin_args.insert(out.sin_args.end(), {planet.l, earth.l});
  add_aberration(out, aberration, t);
}

void add_moon_and_node(TrigArguments& out, double t) {
  const MoonArguments a = moon_arguments(t);
  for (const MoonTerm& row : MoonTerms)
    out.sin_args.push_back(moon_term_argument(a, row) * degrees_to_radians);
  out.sin_args.insert(out.sin_args.end(), {(t * 131.849 + 119.75) * degrees_to_radians,
                                           (a.mean_longitude - a.f) * degrees_to_radians,
                                           (t * 479264.29 + 53.09) * degrees_to_radians});
  for (int i = 0; i < node_term_count; ++i)
    out.sin_args.push_back(node_term_argument(i, t) * degrees_to_radians);
  out.sin_args.insert(out.sin_args.end(), {(125.0 - t * 1934.1) * degrees_to_radians,
                                           (220.2 - t * 1935.5) * degrees_to_radians,
                                           (t * 35999.1 + 357.5) * degrees_to_radians});
}

// Every sin and cos argument of one tropical_longitudes call.
void add_moment(TrigArguments& out, double t) {
  const HeliocentricCoordinates earth = heliocentric_coordinates(t, EarthSeries);
  add_series(out, EarthSeries, t);
  const double u = t / 100.0;
  out.sin_args.push_back((2.18 - u * 3375.7) + (u * 0.36) * u);
  out.sin_args.push_back((u * 125666.39 + 3.51) + (u * 0.1) * u);
  add_aberration(out, SunAberration, t);
  add_moon_and_node(out, t);
  add_planet(out, MercurySeries, MercuryAberration, earth, t);
  add_planet(out, VenusSeries, VenusAberration, earth, t);
  add_planet(out, MarsSeries, MarsAberration, earth, t);
  add_planet(out, JupiterSeries, JupiterAberration, earth, t);
  add_planet(out, SaturnSeries, SaturnAberration, earth, t);
}

const TrigArguments& chart_arguments() {
  static const TrigArguments arguments = [] {
    TrigArguments out;
    add_moment(out, moment_t);
    add_moment(out, moment_t - one_hour);
    return out;
  }();
  return arguments;
}

void BM_body_positions(benchmark::State& state) {
  double longitudes[body_count] = {};
  double motions[body_count] = {};
  double t = moment_t;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    body_positions(t, longitudes, motions);
    benchmark::DoNotOptimize(longitudes);
    benchmark::DoNotOptimize(motions);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_body_positions)->Repetitions(7)->ReportAggregatesOnly(true);

// The same call over 800 moments spread evenly from 1600 to 2400 (t from -4
// to 4 centuries), visited out of order: the series cost depends on t.
void BM_body_positions_spread(benchmark::State& state) {
  constexpr int moment_count = 800;
  std::vector<double> moments;
  for (int i = 0; i < moment_count; ++i)
    moments.push_back(-4.0 + 8.0 * ((i * 37 % moment_count) + 0.5) / moment_count);
  double longitudes[body_count] = {};
  double motions[body_count] = {};
  std::size_t next = 0;
  for (auto _ : state) {
    double t = moments[next];
    next = next + 1 == moments.size() ? 0 : next + 1;
    benchmark::DoNotOptimize(t);
    body_positions(t, longitudes, motions);
    benchmark::DoNotOptimize(longitudes);
    benchmark::DoNotOptimize(motions);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_body_positions_spread)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_trig_calls_only(benchmark::State& state) {
  const TrigArguments& arguments = chart_arguments();
  const double* cos_args = arguments.cos_args.data();
  const double* sin_args = arguments.sin_args.data();
  const std::size_t cos_count = arguments.cos_args.size();
  const std::size_t sin_count = arguments.sin_args.size();
  for (auto _ : state) {
    benchmark::DoNotOptimize(cos_args);
    benchmark::DoNotOptimize(sin_args);
    double sum = 0.0;
    for (std::size_t i = 0; i < cos_count; ++i) sum = std::cos(cos_args[i]) + sum;
    for (std::size_t i = 0; i < sin_count; ++i) sum = std::sin(sin_args[i]) + sum;
    benchmark::DoNotOptimize(sum);
  }
  state.counters["cos"] = static_cast<double>(cos_count);
  state.counters["sin"] = static_cast<double>(sin_count);
}
BENCHMARK(BM_trig_calls_only)->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  MedianReporter reporter;
  if (!run_benchmarks(argc, argv, reporter)) return 1;
  double positions = 0;
  double trig = 0;
  if (reporter.pair("BM_body_positions", "BM_trig_calls_only", positions, trig)) {
    std::printf(
        "\nbody_positions %.0f ns; its %zu sin and cos calls alone %.0f ns; ratio %.3f "
        "(target at most 1.3)\n",
        positions, chart_arguments().cos_args.size() + chart_arguments().sin_args.size(),
        trig, positions / trig);
  }
  double spread = 0;
  if (reporter.pair("BM_body_positions", "BM_body_positions_spread", positions, spread)) {
    std::printf("body_positions at 1 January 2025 %.0f ns; over 1600 to 2400 %.0f ns\n",
                positions, spread);
  }
  return 0;
}
