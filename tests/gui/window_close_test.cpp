// The Chart Data dialog and the Select Chart list closed through the window
// frame's close control or with Escape: gone for good, as after Cancel, so
// that the next opening does not leave the old window behind.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Window.H>

#include <cstring>

#include "app/chart_state.h"
#include "chart/present_moment.h"
#include "dialogs/chart_data_dialog.h"
#include "storage/chart_file_commands.h"
#include "support/test_main_window.h"
#include "tests/gui/gui_helpers.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

class WindowClose : public WorkingDirTest {
 protected:
  static void SetUpTestSuite() { main_window = show_test_main_window(); }
  static void TearDownTestSuite() { close_test_main_window(main_window); }
  static inline Fl_Window* main_window = nullptr;
};

// Mended: the close control only hid the window; the handles kept it until
// the next opening overwrote them, and it was never deleted.
TEST_F(WindowClose, CloseControlAndEscapeDestroyTheDialogAndTheList) {
  write_file("charts.vnt", "");
  present_moment_chart();
  const ChartStateRecord before = ChartState;
  const struct {
    const char* title;
    void (*open)();
    Fl_Window** handle;
  } windows[] = {{"Chart Data", [] { show_chart_data_dialog(true); }, &chart_data_window},
                 {"Select Chart", show_chart_list, &chart_list_window}};
  for (const auto& w : windows) {
    for (bool escape : {false, true}) {
      SCOPED_TRACE(testing::Message() << w.title << (escape ? ", Escape" : ", close"));
      w.open();
      settle();
      ASSERT_NE(*w.handle, nullptr);
      if (year_field) year_field->value("1999");
      Fl_Widget_Tracker tracker(*w.handle);
      if (escape) {
        press_key(*w.handle, FL_Escape, "\033");
      } else {
        (*w.handle)->do_callback();  // what the close control asks
      }
      settle();
      EXPECT_TRUE(tracker.deleted());
      EXPECT_EQ(*w.handle, nullptr);
      EXPECT_EQ(year_field, nullptr);
      EXPECT_EQ(chart_list, nullptr);
      EXPECT_FALSE(window_shown(w.title));
      EXPECT_EQ(std::memcmp(&before, &ChartState, sizeof before), 0);
    }
  }
}

}  // namespace
