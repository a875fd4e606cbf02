#include "dialogs/chart_data_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "app/chart_state.h"
#include "app/local_clock.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/present_moment.h"
#include "chart/compute_chart.h"
#include "support/test_main_window.h"

namespace {
std::vector<std::string> alerts;
void capture_alert(const char* text) { alerts.push_back(text); }

std::tm march_7_2009_1405() {
  std::tm local{};
  local.tm_year = 109;
  local.tm_mon = 2;
  local.tm_mday = 7;
  local.tm_hour = 14;
  local.tm_min = 5;
  return local;
}

// 2 June 2001, 07:05, zone "-" 5:30, 77 E 13, 28 N 38, computed.
void set_known_chart() {
  std::tm local{};
  local.tm_year = 101;
  local.tm_mon = 5;
  local.tm_mday = 2;
  local.tm_hour = 7;
  local.tm_min = 5;
  fill_present_moment(local);
  std::strcpy(ChartState.name, "Known chart");
  std::strcpy(ChartState.place, "New Delhi");
  ChartState.zone_hours = 5;
  ChartState.zone_minutes = 30;
  ChartState.zone_dir = 1;
  ChartState.zone_offset = -5.5;
  ChartState.lon_degrees = 77;
  ChartState.lon_minutes = 13;
  ChartState.lon_dir = 1;
  ChartState.longitude = -(77 + 13 / 60.0);
  ChartState.lat_degrees = 28;
  ChartState.lat_minutes = 38;
  ChartState.lat_dir = 0;
  ChartState.latitude = 28 + 38 / 60.0;
  compute_chart();
}

ChartStateRecord snapshot() {
  ChartStateRecord copy;
  std::memcpy(&copy, &ChartState, sizeof copy);
  return copy;
}

bool chart_state_is(const ChartStateRecord& before) {
  return std::memcmp(&before, &ChartState, sizeof before) == 0;
}

bool dialog_on_screen() {
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
    if (w->label() && std::strcmp(w->label(), "Chart Data") == 0) return true;
  return false;
}

Fl_Button* button_labelled(const char* label) {
  for (int i = 0; i < chart_data_window->children(); ++i) {
    auto* button = dynamic_cast<Fl_Button*>(chart_data_window->child(i));
    if (button && button->label() && std::strcmp(button->label(), label) == 0)
      return button;
  }
  return nullptr;
}

void press(const char* label) {
  Fl_Button* button = button_labelled(label);
  ASSERT_NE(button, nullptr) << label;
  button->do_callback();
  Fl::check();
}

std::string choice_text(Fl_Choice* choice) {
  return choice->text() ? choice->text() : "";
}

class ChartDataDialog : public testing::Test {
 protected:
  static void SetUpTestSuite() { main_window = show_test_main_window(); }
  static void TearDownTestSuite() { close_test_main_window(main_window); }

  void SetUp() override {
    alerts.clear();
    saved_alert = show_alert;
    saved_clock = read_local_clock;
    show_alert = capture_alert;
    set_known_chart();
  }
  void TearDown() override {
    if (chart_data_window) press("Cancel");
    show_alert = saved_alert;
    read_local_clock = saved_clock;
  }

  static inline Fl_Window* main_window = nullptr;
  MessageBoxFunction saved_alert = nullptr;
  LocalClockReader saved_clock = nullptr;
};

TEST_F(ChartDataDialog, LayoutFollowsTheFieldTable) {
  show_chart_data_dialog(false);
  Fl::check();
  ASSERT_NE(chart_data_window, nullptr);
  EXPECT_STREQ(chart_data_window->label(), "Chart Data");
  EXPECT_EQ(chart_data_window->w(), 280);
  EXPECT_EQ(chart_data_window->h(), 240);
  EXPECT_TRUE(chart_data_window->modal());
  EXPECT_TRUE(chart_data_window->shown());

  enum Kind { text, integer, choice, button };
  const struct {
    Fl_Widget* handle;
    Kind kind;
    int x, y, w, h;
    const char* label;
  } widgets[] = {
      {name_field, text, 40, 10, 184, 25, "Name:"},
      {month_choice, choice, 60, 40, 50, 25, "Date: "},
      {day_field, integer, 120, 40, 25, 25, nullptr},
      {year_field, integer, 154, 40, 50, 25, nullptr},
      {hour_field, integer, 40, 72, 24, 25, "Time: "},
      {minute_field, integer, 72, 72, 24, 25, ":"},
      {zone_sign_choice, choice, 142, 72, 50, 25, "Zone: "},
      {zone_hours_field, integer, 200, 72, 24, 25, nullptr},
      {zone_minutes_field, integer, 232, 72, 24, 25, ":"},
      {place_field, text, 40, 108, 184, 25, "Place:"},
      {lon_degrees_field, integer, 40, 144, 30, 25, "Lon: "},
      {lon_dir_choice, choice, 72, 144, 40, 25, nullptr},
      {lon_minutes_field, integer, 120, 144, 24, 25, nullptr},
      {lat_degrees_field, integer, 170, 144, 28, 25, "Lat: "},
      {lat_dir_choice, choice, 204, 144, 40, 25, nullptr},
      {lat_minutes_field, integer, 252, 144, 24, 25, nullptr},
      {button_labelled("OK"), button, 20, 200, 60, 25, "OK"},
      {button_labelled("Now!"), button, 110, 200, 60, 25, "Now!"},
      {button_labelled("Cancel"), button, 200, 200, 60, 25, "Cancel"},
  };
  ASSERT_EQ(chart_data_window->children(), 19);
  for (int i = 0; i < 19; ++i) {
    const auto& expected = widgets[i];
    Fl_Widget* widget = chart_data_window->child(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(widget, expected.handle) << "creation order is focus order";
    EXPECT_EQ(widget->x(), expected.x);
    EXPECT_EQ(widget->y(), expected.y);
    EXPECT_EQ(widget->w(), expected.w);
    EXPECT_EQ(widget->h(), expected.h);
    EXPECT_STREQ(widget->label(), expected.label);
    switch (expected.kind) {
      case text:
        EXPECT_TRUE(dynamic_cast<Fl_Input*>(widget));
        EXPECT_FALSE(dynamic_cast<Fl_Int_Input*>(widget));
        break;
      case integer:
        EXPECT_TRUE(dynamic_cast<Fl_Int_Input*>(widget));
        break;
      case choice:
        EXPECT_TRUE(dynamic_cast<Fl_Choice*>(widget));
        break;
      case button:
        // A plain button: Enter must not press it.
        EXPECT_FALSE(dynamic_cast<Fl_Return_Button*>(widget));
        EXPECT_EQ(static_cast<Fl_Button*>(widget)->shortcut(), 0);
        break;
    }
  }

  const struct {
    Fl_Choice* choice;
    std::vector<std::string> items;
  } choices[] = {
      {month_choice,
       {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov",
        "Dec"}},
      {zone_sign_choice, {"+", "-"}},
      {lon_dir_choice, {"W", "E"}},
      {lat_dir_choice, {"N", "S"}},
  };
  for (const auto& c : choices) {
    std::vector<std::string> items;
    for (int i = 0; i < c.choice->size() - 1; ++i)
      items.push_back(c.choice->menu()[i].label());
    EXPECT_EQ(items, c.items);
  }
}

TEST_F(ChartDataDialog, NewShowsEmptyFieldsAndOkAtOnceAsksForTheYear) {
  ChartStateRecord before = snapshot();
  show_chart_data_dialog(false);
  Fl::check();
  for (Fl_Input* field :
       {static_cast<Fl_Input*>(name_field), static_cast<Fl_Input*>(place_field),
        static_cast<Fl_Input*>(day_field), static_cast<Fl_Input*>(year_field),
        static_cast<Fl_Input*>(hour_field), static_cast<Fl_Input*>(lat_minutes_field)})
    EXPECT_STREQ(field->value(), "");
  EXPECT_EQ(choice_text(month_choice), "Jan");
  EXPECT_EQ(choice_text(zone_sign_choice), "+");
  EXPECT_EQ(choice_text(lon_dir_choice), "W");
  EXPECT_EQ(choice_text(lat_dir_choice), "N");

  press("OK");
  EXPECT_EQ(alerts, std::vector<std::string>{"Enter year between\n1600-2400."});
  EXPECT_TRUE(chart_state_is(before));
  EXPECT_NE(chart_data_window, nullptr);
  EXPECT_TRUE(dialog_on_screen());
}

TEST_F(ChartDataDialog, EditShowsTheCurrentChart) {
  show_chart_data_dialog(true);
  Fl::check();
  EXPECT_STREQ(name_field->value(), "Known chart");
  EXPECT_EQ(choice_text(month_choice), "Jun");
  EXPECT_STREQ(day_field->value(), "2");
  EXPECT_STREQ(year_field->value(), "2001");
  EXPECT_STREQ(hour_field->value(), "7");
  EXPECT_STREQ(minute_field->value(), "5");
  EXPECT_EQ(choice_text(zone_sign_choice), "-");
  EXPECT_STREQ(zone_hours_field->value(), "5");
  EXPECT_STREQ(zone_minutes_field->value(), "30");
  EXPECT_STREQ(place_field->value(), "New Delhi");
  EXPECT_STREQ(lon_degrees_field->value(), "77");
  EXPECT_EQ(choice_text(lon_dir_choice), "E");
  EXPECT_STREQ(lon_minutes_field->value(), "13");
  EXPECT_STREQ(lat_degrees_field->value(), "28");
  EXPECT_EQ(choice_text(lat_dir_choice), "N");
  EXPECT_STREQ(lat_minutes_field->value(), "38");
}

TEST_F(ChartDataDialog, FailedOkKeepsDialogEntriesAndChart) {
  ChartStateRecord before = snapshot();
  show_chart_data_dialog(true);
  hour_field->value("25");
  minute_field->value("75");
  name_field->value("Changed");
  press("OK");
  EXPECT_EQ(alerts, std::vector<std::string>{"Enter hour between\n0-23"});
  EXPECT_TRUE(chart_state_is(before));
  ASSERT_NE(chart_data_window, nullptr);
  EXPECT_TRUE(dialog_on_screen());
  EXPECT_STREQ(hour_field->value(), "25");
  EXPECT_STREQ(minute_field->value(), "75");
  EXPECT_STREQ(name_field->value(), "Changed");

  // An integer text that would wrap into range is refused as well.
  hour_field->value("4294967303");
  minute_field->value("5");
  press("OK");
  EXPECT_EQ(alerts.back(), "Enter hour between\n0-23");
  EXPECT_TRUE(chart_state_is(before));
  EXPECT_TRUE(dialog_on_screen());
}

TEST_F(ChartDataDialog, OkStoresComputesRedrawsAndCloses) {
  show_chart_data_dialog(false);
  name_field->value("Typed chart");
  month_choice->value(2);
  day_field->value("5");
  year_field->value("1990");
  hour_field->value("7");
  minute_field->value("05");
  zone_hours_field->value("5");
  place_field->value("Greenwich");
  lon_dir_choice->value(1);
  lat_degrees_field->value("51");
  lat_minutes_field->value("28");
  ChartState.julian_day = -1;
  for (int& position : ChartState.positions) position = -1;
  Fl::check();
  ASSERT_EQ(chart_view->damage(), 0);

  button_labelled("OK")->do_callback();
  EXPECT_TRUE(alerts.empty());
  EXPECT_EQ(chart_view->damage() & FL_DAMAGE_ALL, FL_DAMAGE_ALL);
  Fl::check();
  EXPECT_EQ(chart_data_window, nullptr);
  EXPECT_FALSE(dialog_on_screen());

  EXPECT_STREQ(ChartState.name, "Typed chart");
  EXPECT_STREQ(ChartState.place, "Greenwich");
  EXPECT_STREQ(ChartState.date_line, "Mar 5, 1990 07:05 Zone: 05:00");
  EXPECT_EQ(ChartState.lon_dir, 1);
  EXPECT_EQ(ChartState.latitude, 51 + 28 / 60.0);
  EXPECT_GT(ChartState.julian_day, 2447950.0);
  EXPECT_LT(ChartState.julian_day, 2447960.0);
  for (int position : ChartState.positions) {
    EXPECT_GE(position, 0);
    EXPECT_LT(position, 21600);
  }
}

TEST_F(ChartDataDialog, NowFillsDateAndTimeAndCancelKeepsThemUncomputed) {
  read_local_clock = march_7_2009_1405;
  ChartStateRecord before = snapshot();
  show_chart_data_dialog(true);
  press("Now!");
  EXPECT_EQ(choice_text(month_choice), "Mar");
  EXPECT_STREQ(day_field->value(), "7");
  EXPECT_STREQ(year_field->value(), "2009");
  EXPECT_STREQ(hour_field->value(), "14");
  EXPECT_STREQ(minute_field->value(), "5");
  EXPECT_STREQ(name_field->value(), "Known chart");
  EXPECT_STREQ(zone_minutes_field->value(), "30");
  EXPECT_TRUE(dialog_on_screen());

  press("Cancel");
  EXPECT_EQ(chart_data_window, nullptr);
  EXPECT_FALSE(dialog_on_screen());
  EXPECT_TRUE(alerts.empty());
  EXPECT_EQ(ChartState.month, 3);
  EXPECT_EQ(ChartState.day, 7);
  EXPECT_EQ(ChartState.year, 2009);
  EXPECT_EQ(ChartState.hour, 14);
  EXPECT_EQ(ChartState.minute, 5);

  // Everything else, the results and the header's date line included, is as before.
  ChartStateRecord expected = before;
  expected.month = 3;
  expected.day = 7;
  expected.year = 2009;
  expected.hour = 14;
  expected.minute = 5;
  EXPECT_TRUE(chart_state_is(expected));
  EXPECT_EQ(ChartState.julian_day, before.julian_day);
  EXPECT_STREQ(ChartState.date_line, before.date_line);
}

TEST_F(ChartDataDialog, CancelKeepsTheChart) {
  ChartStateRecord before = snapshot();
  show_chart_data_dialog(true);
  year_field->value("1999");
  name_field->value("Not stored");
  press("Cancel");
  EXPECT_FALSE(dialog_on_screen());
  EXPECT_TRUE(chart_state_is(before));
}
}  // namespace
