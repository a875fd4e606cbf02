#include "ephemeris/vsop87d_tables.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct NamedSet {
  const char* name;
  const BodySeriesSet* set;
};

const NamedSet AllSets[] = {
    {"Earth", &EarthSeries}, {"Mercury", &MercurySeries}, {"Venus", &VenusSeries},
    {"Mars", &MarsSeries},   {"Jupiter", &JupiterSeries}, {"Saturn", &SaturnSeries},
};

void expect_row(const SeriesTerm& row, int amplitude, int phase, int frequency) {
  EXPECT_EQ(row.amplitude, amplitude);
  EXPECT_EQ(row.phase, phase);
  EXPECT_EQ(row.frequency, frequency);
}

std::string file_text(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The longitude series' constants stand apart from their rows; the B and R
// tables take none, R0 keeps its constant term as its first row.
TEST(Vsop87dTables, RowCountsAndConstants) {
  const int counts[6][series_table_count] = {
      {29, 14, 6, 29, 10, 1, 30, 15, 7},  {59, 29, 14, 30, 19, 10, 60, 30, 10},
      {35, 21, 6, 21, 13, 5, 33, 17, 4},  {49, 24, 14, 22, 14, 7, 50, 25, 15},
      {49, 24, 9, 15, 10, 5, 40, 20, 10}, {49, 31, 15, 25, 13, 6, 50, 32, 16},
  };
  const double constants[6][3] = {
      {1.75347, 6283.319667, 0.000529},   {4.402507, 26088.147062, 0.00053},
      {3.176147, 10213.529431, 0.000541}, {6.203477, 3340.856275, 0.00058},
      {0.599547, 529.934808, 0.000472},   {0.874014, 213.542956, 0.001164},
  };
  int total = 0;
  for (int body = 0; body < 6; ++body) {
    for (int k = 0; k < series_table_count; ++k) {
      SCOPED_TRACE(std::string(AllSets[body].name) + " table " + std::to_string(k));
      const SeriesTable& table = AllSets[body].set->tables[k];
      ASSERT_NE(table.rows, nullptr);
      EXPECT_EQ(table.count, counts[body][k]);
      EXPECT_EQ(AllSets[body].set->constants[k], k < 3 ? constants[body][k] : 0.0);
      total += table.count;
    }
  }
  EXPECT_EQ(total, 1196);
}

TEST(Vsop87dTables, TellingRows) {
  const SeriesTable* earth = EarthSeries.tables;
  expect_row(earth[0].rows[0], 3341656, 466925680, 6283075);
  expect_row(earth[0].rows[1], 34894, 462610241, 12566151);
  expect_row(earth[0].rows[2], 3417, 282886579, 3523);
  expect_row(earth[0].rows[3], 3497, 274411800, 5753384);
  expect_row(earth[1].rows[0], 206058, 267823455, 6283075);
  expect_row(earth[2].rows[0], 8719, 107209665, 6283075);
  expect_row(earth[3].rows[0], 279, 319870156, 84334661);
  expect_row(earth[5].rows[0], 1, 162703209, 84334661);
  expect_row(earth[6].rows[0], 100013988, 0, 0);
  expect_row(earth[6].rows[1], 1670699, 309846350, 6283075);
  expect_row(earth[7].rows[2], 702, 314159265, 0);
  expect_row(MercurySeries.tables[0].rows[0], 40989414, 148302034, 26087903);
  expect_row(MercurySeries.tables[6].rows[0], 39528271, 0, 0);
  expect_row(VenusSeries.tables[0].rows[0], 1353968, 559313319, 10213285);
  expect_row(MarsSeries.tables[0].rows[0], 18656368, 505037100, 3340612);
  expect_row(JupiterSeries.tables[0].rows[0], 9695898, 506191793, 529690);
  expect_row(JupiterSeries.tables[6].rows[0], 520887429, 0, 0);
  expect_row(SaturnSeries.tables[0].rows[0], 11107659, 396205090, 213299);
  expect_row(SaturnSeries.tables[6].rows[0], 955758135, 0, 0);
  // For these three the file's first L2 row is periodic and stands for the
  // constant; the series' true constant term follows it as an ordinary row.
  expect_row(MarsSeries.tables[2].rows[0], 54187, 0, 0);
  expect_row(MarsSeries.tables[2].rows[1], 13908, 245742359, 6681224);
  expect_row(JupiterSeries.tables[2].rows[0], 30629, 293021440, 529690);
  expect_row(JupiterSeries.tables[2].rows[1], 38965, 0, 0);
  expect_row(SaturnSeries.tables[2].rows[0], 91920, 7425261, 213299);
  expect_row(SaturnSeries.tables[2].rows[1], 90592, 0, 0);
}

TEST(Vsop87dTables, RegeneratedSourceMatchesTheCommittedOne) {
  const std::filesystem::path data = VANTREL_SHARED_DIR "/data/vsop87d";
  if (!std::filesystem::is_directory(data)) {
    GTEST_SKIP() << "no VSOP87D files at " << data << "; tables not regenerated";
  }
  const std::filesystem::path source_dir = VANTREL_SOURCE_DIR;
  const std::filesystem::path output =
      std::filesystem::temp_directory_path() /
      ("vantrel_vsop87d_tables_" + std::to_string(getpid()) + ".cpp");
  const std::string command = "python3 \"" +
                              (source_dir / "tools/generate_vsop87d_tables.py").string() +
                              "\" \"" + data.string() + "\" \"" + output.string() + "\"";
  const int status = std::system(command.c_str());
  ASSERT_EQ(status, 0) << command;
  const std::string regenerated = file_text(output);
  std::filesystem::remove(output);
  ASSERT_FALSE(regenerated.empty());
  EXPECT_TRUE(regenerated == file_text(source_dir / "ephemeris/vsop87d_tables.cpp"))
      << "ephemeris/vsop87d_tables.cpp differs from the generator's output";
}

}  // namespace
