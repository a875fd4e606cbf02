// The Chart Data dialog and the Select Chart list closed through the window
// frame's close control or with Escape: gone for good, as after Cancel, so
// that the next opening does not leave the old window behind.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>

#include <cstring>

#include "app/chart_state.h"
#include "app/main_window.h"
#include "app/present_moment.h"
#include "dialogs/chart_data_dialog.h"
#include "storage/chart_file_commands.h"
#include "support/test_main_window.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

bool window_shown(const char* title) {
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
    if (w->label() && std::strcmp(w->label(), title) == 0 && w->shown()) return true;
  return false;
}

// What the window manager's close control asks of a toolkit window.
void close_request(Fl_Window* window) { window->do_callback(); }

void escape_key(Fl_Window* window) {
  Fl::e_keysym = FL_Escape;
  Fl::e_state = 0;
  Fl::e_text = const_cast<char*>("\033");
  Fl::e_length = 1;
  Fl::handle(FL_KEYBOARD, window);
}

class WindowClose : public WorkingDirTest {
 protected:
  static void SetUpTestSuite() { main_window = show_test_main_window(); }
  static void TearDownTestSuite() { close_test_main_window(main_window); }
  void SetUp() override {
    WorkingDirTest::SetUp();
    present_moment_chart();
    std::memcpy(&before, &ChartState, sizeof before);
  }
  void TearDown() override {
    if (chart_data_window) chart_data_cancel();
    close_chart_list();
    Fl::check();
    WorkingDirTest::TearDown();
  }
  void expect_chart_unchanged() {
    EXPECT_EQ(std::memcmp(&before, &ChartState, sizeof before), 0);
  }

  static inline Fl_Window* main_window = nullptr;
  ChartStateRecord before;
};

// Mended: the close control only hid the window; the handles kept it until
// the next opening overwrote them, and it was never deleted.
TEST_F(WindowClose, ChartDataDialogCloseControlDestroysIt) {
  for (int opening = 0; opening < 2; ++opening) {
    show_chart_data_dialog(true);
    Fl::check();
    ASSERT_NE(chart_data_window, nullptr);
    Fl_Widget_Tracker dialog(chart_data_window);
    year_field->value("1999");
    close_request(chart_data_window);
    Fl::check();
    EXPECT_TRUE(dialog.deleted());
    EXPECT_EQ(chart_data_window, nullptr);
    EXPECT_EQ(year_field, nullptr);
    EXPECT_FALSE(window_shown("Chart Data"));
    expect_chart_unchanged();
  }
}

TEST_F(WindowClose, ChartDataDialogEscapeDestroysIt) {
  show_chart_data_dialog(false);
  Fl::check();
  Fl_Widget_Tracker dialog(chart_data_window);
  escape_key(chart_data_window);
  Fl::check();
  EXPECT_TRUE(dialog.deleted());
  EXPECT_EQ(chart_data_window, nullptr);
  EXPECT_FALSE(window_shown("Chart Data"));
  expect_chart_unchanged();
}

TEST_F(WindowClose, ChartListCloseControlDestroysIt) {
  write_file("charts.vnt", "");
  for (int opening = 0; opening < 2; ++opening) {
    show_chart_list();
    Fl::check();
    ASSERT_NE(chart_list_window, nullptr);
    Fl_Widget_Tracker list(chart_list_window);
    close_request(chart_list_window);
    Fl::check();
    EXPECT_TRUE(list.deleted());
    EXPECT_EQ(chart_list_window, nullptr);
    EXPECT_EQ(chart_list, nullptr);
    EXPECT_FALSE(window_shown("Select Chart"));
    expect_chart_unchanged();
  }
}

TEST_F(WindowClose, ChartListEscapeDestroysIt) {
  show_chart_list();
  Fl::check();
  Fl_Widget_Tracker list(chart_list_window);
  escape_key(chart_list_window);
  Fl::check();
  EXPECT_TRUE(list.deleted());
  EXPECT_EQ(chart_list_window, nullptr);
  EXPECT_FALSE(window_shown("Select Chart"));
  expect_chart_unchanged();
}

}  // namespace
