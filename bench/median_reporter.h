#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Prints as usual and keeps each benchmark's median CPU time in nanoseconds
// for the ratios printed after the table (the single run's time when there
// are no repetitions).
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  MedianReporter()
      : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string& name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        cpu_ns[name] = run.GetAdjustedCPUTime();
      } else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1) {
        cpu_ns[name] = run.GetAdjustedCPUTime();
      }
    }
  }

  // The median of both, or false when either did not run.
  bool pair(const char* first, const char* second, double& first_ns,
            double& second_ns) const {
    const auto a = cpu_ns.find(first);
    const auto b = cpu_ns.find(second);
    if (a == cpu_ns.end() || b == cpu_ns.end()) return false;
    first_ns = a->second;
    second_ns = b->second;
    return true;
  }

  std::map<std::string, double> cpu_ns;
};

// Runs the benchmarks the command line selects through reporter; false for
// arguments Google Benchmark does not know.
inline bool run_benchmarks(int argc, char** argv, MedianReporter& reporter) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return true;
}
