#include "display/planet_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/chart_state.h"
#include "display/navamsha_list.h"
#include "support/recording_canvas.h"
#include "support/sample_charts.h"

namespace {

// The ascendant, the Sun and the nodes move back too but are never marked.
void set_chart() {
  const int positions[body_count] = {0,    367,  1000, 21599, 12345,
                                     1800, 1799, 9000, 14402, 3602};
  const int speeds[body_count] = {-5, -5, -5, 10, -250, 0, 4000, -90, -11, -11};
  set_drawn_chart("", positions, speeds, 0);
}

TEST(PlanetTable, RowsInTwoHalves) {
  set_chart();
  RecordingCanvas canvas;
  draw_planet_table(canvas, 8, 420);
  std::vector<Text> expected = {
      {"As", 8, 432},    {" 0Ar00", 38, 432},  {"Aswini", 88, 432},
      {"Su", 8, 444},    {" 6Ar07", 38, 444},  {"Aswini", 88, 444},
      {"MoR", 8, 456},   {"16Ar40", 38, 456},  {"Bharani", 88, 456},
      {"Ma", 8, 468},    {"29Pi59", 38, 468},  {"Revati", 88, 468},
      {"MeR", 8, 480},   {"25Li45", 38, 480},  {"Vishakha", 88, 480},
      {"Ju", 188, 432},  {" 0Ta00", 218, 432}, {"Krittika", 268, 432},
      {"Ve", 188, 444},  {"29Ar59", 218, 444}, {"Krittika", 268, 444},
      {"SaR", 188, 456}, {" 0Vi00", 218, 456}, {"U.Phalguni", 268, 456},
      {"Ra", 188, 468},  {" 0Sg02", 218, 468}, {"Mula", 268, 468},
      {"Ke", 188, 480},  {" 0Ge02", 218, 480}, {"Mrigsira", 268, 480},
  };
  EXPECT_EQ(texts_of(canvas), expected);
  // Draws in whatever colour the blocks before it left.
  EXPECT_EQ(canvas.calls.size(), expected.size());
}

TEST(NavamshaList, TitleAndTenItemsOnOneLine) {
  set_chart();
  RecordingCanvas canvas;
  draw_navamsha_list(canvas, 8, 490);
  std::vector<Text> expected = {
      {"Navamsha Signs:", 8, 502}, {"As:1 ", 8, 514},    {"Su:2 ", 44, 514},
      {"Mo:6 ", 80, 514},          {"Ma:12 ", 116, 514}, {"Me:2 ", 152, 514},
      {"Ju:10 ", 188, 514},        {"Ve:9 ", 224, 514},  {"Sa:10 ", 260, 514},
      {"Ra:1 ", 296, 514},         {"Ke:7 ", 332, 514},
  };
  EXPECT_EQ(texts_of(canvas), expected);
  EXPECT_EQ(canvas.calls.size(), canvas.texts().size());
}

}  // namespace
