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
#include "app/message_boxes.h"
#include "app/present_moment.h"
#include "display/draw_chart.h"
#include "support/test_main_window.h"

namespace {

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    present_moment_chart();
    window = show_test_main_window(&chart_widget);
  }

  void TearDown() override {
    close_test_main_window(window);
    show_message = saved_message;
  }

  void pick(const char* path) {
    const Fl_Menu_Item* item = main_menu_bar->find_item(path);
    ASSERT_NE(item, nullptr) << path;
    main_menu_bar->picked(item);
    settle();
  }

  bool marked(const char* path) { return main_menu_bar->find_item(path)->value() != 0; }

  Fl_Window* window = nullptr;
  draw_chart* chart_widget = nullptr;
  MessageBoxFunction saved_message = show_message;
};

TEST_F(MainWindowTest, WindowAndChartAreaHaveTheirSizesAndSettings) {
  EXPECT_STREQ(window->label(), "Vantrel");
  EXPECT_EQ(window->w(), 440);
  EXPECT_EQ(window->h(), 480);
  EXPECT_EQ(window->resizable(), chart_view);

  EXPECT_EQ(main_menu_bar->x(), 0);
  EXPECT_EQ(main_menu_bar->y(), 0);
  EXPECT_EQ(main_menu_bar->w(), 440);
  EXPECT_EQ(main_menu_bar->h(), 20);

  EXPECT_EQ(chart_view->x(), 0);
  EXPECT_EQ(chart_view->y(), 20);
  EXPECT_EQ(chart_view->w(), 438);
  EXPECT_EQ(chart_view->h(), 458);
  EXPECT_EQ(chart_view->type(), Fl_Scroll::VERTICAL);
  EXPECT_EQ(chart_view->color(), 255u);
  EXPECT_TRUE(chart_view->scrollbar.visible());
  EXPECT_FALSE(chart_view->hscrollbar.visible());

  EXPECT_EQ(chart_widget->parent(), chart_view);
  EXPECT_EQ(chart_widget->x(), 8);
  EXPECT_EQ(chart_widget->y(), 20);
  EXPECT_EQ(chart_widget->w(), 440);
  EXPECT_EQ(chart_widget->h(), 1008);
  EXPECT_STREQ(chart_widget->label(), "chart");
  EXPECT_EQ(chart_widget->align(), FL_ALIGN_TOP);
  EXPECT_EQ(chart_widget->color(), FL_WHITE);
}

TEST_F(MainWindowTest, WindowTellsTheWindowSystemItsSizeRange) {
  XSizeHints hints{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(fl_display, fl_xid(window), &hints, &supplied));
  ASSERT_TRUE(hints.flags & PMinSize);
  ASSERT_TRUE(hints.flags & PMaxSize);
  EXPECT_EQ(hints.min_width, 440);
  EXPECT_EQ(hints.min_height, 480);
  EXPECT_EQ(hints.max_width, 440);
  EXPECT_EQ(hints.max_height, 1008);
}

TEST_F(MainWindowTest, MenusStandInTheirOrderWithADividerAfterSave) {
  std::vector<std::string> labels;
  std::string divided;
  const Fl_Menu_Item* items = main_menu_bar->menu();
  for (int i = 0; i < main_menu_bar->size(); ++i) {
    const char* label = items[i].label();
    labels.push_back(label ? label : "-");
    if (label && (items[i].flags & FL_MENU_DIVIDER)) divided += label;
  }
  const std::vector<std::string> expected = {
      "File",        "New", "Edit",    "Open",           "Save",
      "Quit",        "-",   "Options", "Chart Style...", "North Chart",
      "South Chart", "-",   "-",       "Help",           "About",
      "-",           "-"};
  EXPECT_EQ(labels, expected);
  EXPECT_EQ(divided, "Save");
  for (int i = 0; i < main_menu_bar->size(); ++i) EXPECT_EQ(items[i].shortcut(), 0);
}

TEST_F(MainWindowTest, ChartStyleItemsMarkTheirChoiceAndSwitchTheDiagram) {
  const char* north = "Options/Chart Style.../North Chart";
  const char* south = "Options/Chart Style.../South Chart";
  EXPECT_TRUE(marked(south));
  EXPECT_FALSE(marked(north));
  EXPECT_EQ(ChartState.chart_style, 0);

  pick(north);
  EXPECT_TRUE(marked(north));
  EXPECT_FALSE(marked(south));
  EXPECT_EQ(ChartState.chart_style, 1);

  pick(south);
  EXPECT_TRUE(marked(south));
  EXPECT_FALSE(marked(north));
  EXPECT_EQ(ChartState.chart_style, 0);
}

std::string captured;
void capture(const char* text) { captured = text; }

TEST_F(MainWindowTest, AboutNamesTheProgramAndItsVersion) {
  show_message = capture;
  pick("Help/About");
  EXPECT_EQ(captured.rfind("Vantrel\nVersion 1.1\n", 0), 0u) << captured;
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

TEST_F(MainWindowTest, AboutBoxIsModalAndReturnsWhenAnswered) {
  Fl::add_timeout(0.2, close_other_windows, window);
  about_command();
  Fl::remove_timeout(close_other_windows);
  EXPECT_TRUE(window->shown());
}

TEST_F(MainWindowTest, CloseRequestHidesTheWindowAndEndsTheEventLoop) {
  window->do_callback();  // what a window manager's WM_DELETE_WINDOW does
  EXPECT_FALSE(window->shown());
  EXPECT_EQ(Fl::run(), 0);
}

}  // namespace
