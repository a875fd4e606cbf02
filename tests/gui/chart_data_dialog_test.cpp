#include "dialogs/chart_data_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

#include "app/chart_state.h"
#include "app/date_line.h"
#include "app/local_clock.h"
#include "app/main_window.h"
#include "chart/compute_chart.h"
#include "support/sample_charts.h"
#include "support/test_main_window.h"
#include "tests/gui/gui_helpers.h"
#include "tests/storage/line_helpers.h"

namespace {
bool chart_state_is(const ChartStateRecord& expected) {
  return std::memcmp(&expected, &ChartState, sizeof expected) == 0;
}

void press(const char* label) {
  Fl_Button* button = button_labelled(chart_data_window, label);
  ASSERT_NE(button, nullptr) << label;
  button->do_callback();
  settle();
}

// The sixteen fields in their order: a choice by its item, an input by its text.
Texts field_texts() {
  Texts texts;
  for (int i = 0; i < 16; ++i) {
    Fl_Widget* field = chart_data_window->child(i);
    if (auto* choice = dynamic_cast<Fl_Choice*>(field))
      texts.push_back(choice->text() ? choice->text() : "");
    else
      texts.push_back(static_cast<Fl_Input*>(field)->value());
  }
  return texts;
}

void fill(const Texts& texts) {
  for (int i = 0; i < 16; ++i) {
    Fl_Widget* field = chart_data_window->child(i);
    if (auto* choice = dynamic_cast<Fl_Choice*>(field))
      choice->value(choice->find_index(texts[i].c_str()));
    else
      static_cast<Fl_Input*>(field)->value(texts[i].c_str());
  }
}

class ChartDataDialog : public testing::Test {
 protected:
  static void SetUpTestSuite() { main_window = show_test_main_window(); }
  static void TearDownTestSuite() { close_test_main_window(main_window); }

  void SetUp() override {
    ChartState = chart_inputs("Known chart", 6, 2, 2001, 7, 5, 1, 5, 30, 77, 1, 13, 28, 0,
                              38, "New Delhi");
    format_date_line(ChartState);
    compute_chart();
  }
  void TearDown() override {
    if (chart_data_window) press("Cancel");
    read_local_clock = saved_clock;
  }

  static inline Fl_Window* main_window = nullptr;
  CapturedBoxes boxes;
  LocalClockReader saved_clock = read_local_clock;
};

TEST_F(ChartDataDialog, LayoutFollowsTheFieldTable) {
  show_chart_data_dialog(false);
  settle();
  ASSERT_NE(chart_data_window, nullptr);
  EXPECT_STREQ(chart_data_window->label(), "Chart Data");
  EXPECT_EQ(chart_data_window->w(), 280);
  EXPECT_EQ(chart_data_window->h(), 240);
  EXPECT_TRUE(chart_data_window->modal());

  // Plain buttons without a shortcut: Enter must not press OK.
  EXPECT_EQ(
      describe_children(chart_data_window),
      Texts(
          {"text 40,10 184x25 Name:",
           "choice 60,40 50x25 Date:  [Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec]",
           "integer 120,40 25x25 ", "integer 154,40 50x25 ", "integer 40,72 24x25 Time: ",
           "integer 72,72 24x25 :", "choice 142,72 50x25 Zone:  [+ -]",
           "integer 200,72 24x25 ", "integer 232,72 24x25 :", "text 40,108 184x25 Place:",
           "integer 40,144 30x25 Lon: ", "choice 72,144 40x25  [W E]",
           "integer 120,144 24x25 ",
           "integer 170,144 28x25 Lat: ", "choice 204,144 40x25  [N S]",
           "integer 252,144 24x25 ", "button 20,200 60x25 OK",
           "button 110,200 60x25 Now!", "button 200,200 60x25 Cancel"}));
}

TEST_F(ChartDataDialog, NewShowsEmptyFieldsAndOkAtOnceAsksForTheYear) {
  const ChartStateRecord before = ChartState;
  show_chart_data_dialog(false);
  settle();
  EXPECT_EQ(field_texts(), Texts({"", "Jan", "", "", "", "", "+", "", "", "", "", "W", "",
                                  "", "N", ""}));
  press("OK");
  EXPECT_EQ(CapturedBoxes::alerts, Texts{"Enter year between\n1600-2400."});
  EXPECT_TRUE(chart_state_is(before));
  EXPECT_TRUE(window_shown("Chart Data"));
}

TEST_F(ChartDataDialog, EditShowsTheChartAndFailedOkOrCancelKeepsIt) {
  const ChartStateRecord before = ChartState;
  show_chart_data_dialog(true);
  settle();
  EXPECT_EQ(field_texts(), Texts({"Known chart", "Jun", "2", "2001", "7", "5", "-", "5",
                                  "30", "New Delhi", "77", "E", "13", "28", "N", "38"}));
  const Texts entries = {"Changed", "Jun",       "2",  "2001", "25", "75", "-", "5",
                         "30",      "New Delhi", "77", "E",    "13", "28", "N", "38"};
  fill(entries);
  press("OK");
  EXPECT_EQ(CapturedBoxes::alerts, Texts{"Enter hour between\n0-23"});
  EXPECT_TRUE(chart_state_is(before));
  ASSERT_TRUE(window_shown("Chart Data"));
  EXPECT_EQ(field_texts(), entries);
  press("Cancel");
  EXPECT_EQ(chart_data_window, nullptr);
  EXPECT_FALSE(window_shown("Chart Data"));
  EXPECT_TRUE(chart_state_is(before));
}

TEST_F(ChartDataDialog, OkStoresEveryFieldComputesRedrawsAndCloses) {
  show_chart_data_dialog(false);
  fill({"Typed chart", "Nov", "5", "1990", "7", "05", "-", "5", "30", "Greenwich", "016",
        "E", "13", "51", "S", "28"});
  ChartState.julian_day = -1;
  for (int& position : ChartState.positions) position = -1;
  settle();
  ASSERT_EQ(chart_view->damage(), 0);

  button_labelled(chart_data_window, "OK")->do_callback();
  EXPECT_EQ(chart_view->damage() & FL_DAMAGE_ALL, FL_DAMAGE_ALL);
  settle();
  EXPECT_TRUE(CapturedBoxes::alerts.empty());
  EXPECT_FALSE(window_shown("Chart Data"));
  EXPECT_EQ(chart_data_window, nullptr);
  EXPECT_EQ(inputs_of(ChartState),
            inputs_of(chart_inputs("Typed chart", 11, 5, 1990, 7, 5, 1, 5, 30, 16, 1, 13,
                                   51, 1, 28, "Greenwich")));
  EXPECT_STREQ(ChartState.date_line, "Nov 5, 1990 07:05 Zone: -5:30");
  const ChartStateRecord stored = ChartState;
  compute_chart();
  EXPECT_TRUE(chart_state_is(stored)) << "computed when stored";
}

// Mended: a paste of about 100 KB into Name or Place aborted the program in
// the toolkit. A paste is taken up to the 23 bytes a name or place keeps.
TEST_F(ChartDataDialog, LongPasteIsCutToWhatTheFieldKeeps) {
  show_chart_data_dialog(true);
  settle();
  const std::string paste = "Pasted " + std::string(100000, 'x');
  const struct {
    Fl_Input* field;
    int mark;  // the selection runs from here to the end
    std::string kept;
  } cases[] = {{name_field, 11, "Known chartPasted xxxxx"},
               {place_field, 0, "Pasted " + std::string(16, 'x')}};
  for (const auto& c : cases) {
    c.field->position(c.field->size(), c.mark);
    Fl::copy(paste.data(), static_cast<int>(paste.size()), 0);
    Fl::paste(*c.field, 0);
    EXPECT_EQ(std::string(c.field->value()), c.kept);
  }
}

TEST_F(ChartDataDialog, NowFillsDateAndTimeAndCancelKeepsThemUncomputed) {
  read_local_clock = [] {
    std::tm local{};
    local.tm_year = 2009 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 7;
    local.tm_hour = 14;
    local.tm_min = 5;
    return local;
  };
  ChartState.minute = 59;
  ChartStateRecord expected = ChartState;
  show_chart_data_dialog(false);
  press("Now!");
  EXPECT_EQ(field_texts(), Texts({"", "Mar", "7", "2009", "14", "5", "+", "", "", "", "",
                                  "W", "", "", "N", ""}));
  press("Cancel");
  EXPECT_FALSE(window_shown("Chart Data"));
  EXPECT_TRUE(CapturedBoxes::alerts.empty());
  // The five fields change; the results and the header's date line stay.
  expected.month = 3;
  expected.day = 7;
  expected.year = 2009;
  expected.hour = 14;
  expected.minute = 5;
  EXPECT_TRUE(chart_state_is(expected));
}
}  // namespace
