// The whole chart of one fixed moment in a real window, in both styles; the
// pictures are kept as test artifacts.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/chart_state.h"
#include "app/main_window.h"
#include "chart/compute_chart.h"
#include "support/sample_charts.h"
#include "support/test_main_window.h"

namespace {

class ChartPicturesTest : public testing::Test {
 protected:
  void SetUp() override {
    ChartState = delhi_test_chart();
    std::strcpy(ChartState.date_line, "Mar 5, 1990 07:05 Zone: -5:30");
    compute_chart();
    window = show_test_main_window();
    window->size(440, 1008);  // the tallest the window may be
    settle();
  }
  void TearDown() override { close_test_main_window(window); }

  void show_style(int style, const char* picture) {
    ChartState.chart_style = static_cast<std::uint8_t>(style);
    chart_view->redraw();
    settle();
    const char* folder = std::getenv("VANTREL_ARTIFACTS");
    if (!folder) return;
    char command[512];
    std::snprintf(command, sizeof command, "import -window %lu '%s/%s.png'",
                  static_cast<unsigned long>(fl_xid(window)), folder, picture);
    EXPECT_EQ(std::system(command), 0) << command;
  }

  // The colour at a point of the window, as drawn on screen.
  bool is_black(int x, int y) {
    window->make_current();
    unsigned char rgb[3];
    fl_read_image(rgb, x, y, 1, 1);
    return rgb[0] < 64 && rgb[1] < 64 && rgb[2] < 64;
  }

  Fl_Window* window = nullptr;
};

TEST_F(ChartPicturesTest, SouthAndNorthDiagramsAppearInTheWindow) {
  // The widget stands at (8, 20) in the window; the diagram at (8, 52) in it.
  const int left = 8 + 8, top = 20 + 52;
  show_style(0, "chart_south");
  EXPECT_TRUE(is_black(left, top));
  EXPECT_TRUE(is_black(left + 90, top + 45));    // the South grid's first rule
  EXPECT_FALSE(is_black(left + 60, top + 150));  // inside a cell, clear of text

  show_style(1, "chart_north");
  EXPECT_TRUE(is_black(left, top));
  EXPECT_TRUE(is_black(left + 90, top + 90));   // the diagonals meet the diamond
  EXPECT_FALSE(is_black(left + 90, top + 45));  // no South rule any more
}

}  // namespace
