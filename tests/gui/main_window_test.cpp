// gtest before the X11 headers, whose macros (None, Bool) clash with it.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xutil.h>

#include <string>
#include <vector>

#include "app/chart_state.h"
#include "app/main_window.h"
#include "chart/present_moment.h"
#include "support/test_main_window.h"
#include "tests/gui/gui_helpers.h"

namespace {

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    present_moment_chart();
    window = show_test_main_window();
  }
  void TearDown() override { close_test_main_window(window); }

  Fl_Window* window = nullptr;
};

TEST_F(MainWindowTest, WindowAndChartAreaHaveTheirSizesAndSettings) {
  EXPECT_STREQ(window->label(), "Vantrel");
  EXPECT_EQ(window->w(), 440);
  EXPECT_EQ(window->h(), 480);
  EXPECT_EQ(window->resizable(), chart_view);
  EXPECT_EQ(chart_view->x(), 0);
  EXPECT_EQ(chart_view->y(), 20);
  EXPECT_EQ(chart_view->w(), 438);
  EXPECT_EQ(chart_view->h(), 458);
  EXPECT_EQ(chart_view->type(), Fl_Scroll::VERTICAL);
  EXPECT_EQ(chart_view->color(), 255u);

  // The toolkit keeps no size range of its own: the window system's hints hold it.
  XSizeHints hints{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(fl_display, fl_xid(window), &hints, &supplied));
  ASSERT_EQ(hints.flags & (PMinSize | PMaxSize), PMinSize | PMaxSize);
  EXPECT_EQ(std::vector<int>(
                {hints.min_width, hints.min_height, hints.max_width, hints.max_height}),
            std::vector<int>({440, 480, 440, 1008}));
}

TEST_F(MainWindowTest, MenusStandInTheirOrderWithADividerAfterSave) {
  std::vector<std::string> labels;
  std::string divided;
  const Fl_Menu_Item* items = main_menu_bar->menu();
  for (int i = 0; i < main_menu_bar->size(); ++i) {
    const char* label = items[i].label();
    labels.push_back(label ? label : "-");
    if (label && (items[i].flags & FL_MENU_DIVIDER)) divided += label;
    EXPECT_EQ(items[i].shortcut(), 0) << labels.back();
  }
  EXPECT_EQ(labels, std::vector<std::string>({"File", "New", "Edit", "Open", "Save",
                                              "Quit", "-", "Options", "Chart Style...",
                                              "North Chart", "South Chart", "-", "-",
                                              "Help", "About", "-", "-"}));
  EXPECT_EQ(divided, "Save");
}

TEST_F(MainWindowTest, ChartStyleItemsMarkTheirChoiceAndSwitchTheDiagram) {
  const char* north = "Options/Chart Style.../North Chart";
  const char* south = "Options/Chart Style.../South Chart";
  auto marks = [&] {
    return std::vector<int>({main_menu_bar->find_item(north)->value() != 0,
                             main_menu_bar->find_item(south)->value() != 0,
                             ChartState.chart_style});
  };
  EXPECT_EQ(marks(), std::vector<int>({0, 1, 0}));
  main_menu_bar->picked(main_menu_bar->find_item(north));
  EXPECT_EQ(marks(), std::vector<int>({1, 0, 1}));
  main_menu_bar->picked(main_menu_bar->find_item(south));
  EXPECT_EQ(marks(), std::vector<int>({0, 1, 0}));
}

// The real information box, answered from a timer as a user would.
void close_other_windows(void* main_window) {
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
    if (w != main_window) {
      w->hide();
      return;
    }
  }
  Fl::repeat_timeout(0.05, close_other_windows, main_window);
}

TEST_F(MainWindowTest, AboutNamesTheProgramAndItsVersionInAModalBox) {
  {
    CapturedBoxes boxes;
    main_menu_bar->picked(main_menu_bar->find_item("Help/About"));
    ASSERT_EQ(CapturedBoxes::messages.size(), 1u);
    EXPECT_EQ(CapturedBoxes::messages[0].rfind("Vantrel\nVersion 1.1\n", 0), 0u);
  }
  Fl::add_timeout(0.2, close_other_windows, window);
  about_command();
  EXPECT_FALSE(Fl::has_timeout(close_other_windows, window)) << "no box was shown";
  Fl::remove_timeout(close_other_windows);
  EXPECT_TRUE(window->shown());
}

TEST_F(MainWindowTest, CloseRequestHidesTheWindowAndEndsTheEventLoop) {
  window->do_callback();  // what a window manager's WM_DELETE_WINDOW does
  EXPECT_FALSE(window->shown());
  EXPECT_EQ(Fl::run(), 0);
}

}  // namespace
