#include "gui/chart_data_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "base/chart_names.h"
#include "base/utf8_text.h"
#include "gui/pick_list.h"
#include "gui/present_moment.h"
#include "places/place_lookup.h"

namespace {
const char* const ZoneSignItems[] = {"+", "-"};
const char* const LonDirItems[] = {"W", "E"};
const char* const LatDirItems[] = {"N", "S"};
// The labels' size: at the toolkit's 12 "Name:" and "Time:" run past the
// window's left edge.
constexpr int label_size = 11;

// A name or place field that takes a paste only up to the bytes the chart
// keeps. FLTK 1.3.8's Fl_Input_::replace corrupts the heap on a paste of
// about 100 KB and aborts the program (a bare toolkit program does the
// same), so no long paste may reach it.
class TextField : public Fl_Input {
 public:
  using Fl_Input::Fl_Input;

  int handle(int event) override {
    if (event == FL_PASTE) {
      const int left = size() - std::abs(position() - mark());
      constexpr int kept = static_cast<int>(stored_text_bytes);
      const int room = left < kept ? kept - left : 0;
      if (Fl::e_length > room)
        Fl::e_length = static_cast<int>(whole_characters_length(Fl::e_text, room));
    }
    return Fl_Input::handle(event);
  }
};

void write_int(Fl_Int_Input* field, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  field->value(text);
}

Fl_Input* text_field(int x, int y, int w, int h, const char* label, bool prefill,
                     const char* text) {
  auto* field = new TextField(x, y, w, h, label);
  field->labelsize(label_size);
  if (prefill) field->value(text);
  return field;
}

Fl_Int_Input* int_field(int x, int y, int w, int h, const char* label, bool prefill,
                        int value) {
  auto* field = new Fl_Int_Input(x, y, w, h, label);
  field->labelsize(label_size);
  if (prefill) write_int(field, value);
  return field;
}

template <std::size_t count>
Fl_Choice* choice(int x, int y, int w, int h, const char* label,
                  const char* const (&items)[count], bool prefill, int index) {
  auto* field = new Fl_Choice(x, y, w, h, label);
  field->labelsize(label_size);
  for (const char* item : items) field->add(item);
  field->value(prefill ? index : 0);
  return field;
}

void write_angle(const SignedAngle& angle, Fl_Int_Input* whole, Fl_Choice* side,
                 Fl_Int_Input* sixtieths) {
  write_int(whole, angle.whole);
  side->value(angle.negative ? 1 : 0);
  write_int(sixtieths, angle.sixtieths);
}

ChartDataDialog& dialog_of(Fl_Widget* widget) {
  Fl_Window* window = widget->as_window() ? widget->as_window() : widget->window();
  return *static_cast<ChartDataDialog*>(window);
}

void ok_button(Fl_Widget* widget, void*) { dialog_of(widget).chart_data_ok(); }
void now_button(Fl_Widget* widget, void*) { dialog_of(widget).chart_data_now(); }
void cancel_button(Fl_Widget* widget, void*) { dialog_of(widget).chart_data_cancel(); }
void find_button(Fl_Widget* widget, void*) { dialog_of(widget).chart_data_find(); }

}  // namespace

ChartDataDialog::ChartDataDialog(ChartDataOwner& owner, const ChartInput& chart,
                                 bool prefill)
    : Fl_Window(280, 240, "Chart Data"), owner_(owner) {
  // The frame's close control and Escape would only hide the window: they
  // cancel instead.
  callback(cancel_button);

  name_field = text_field(40, 10, 184, 25, "Name:", prefill, chart.name);
  month_choice = choice(60, 40, 50, 25, "Date: ", MonthAbbrev, prefill, chart.month - 1);
  day_field = int_field(120, 40, 25, 25, nullptr, prefill, chart.day);
  year_field = int_field(154, 40, 50, 25, nullptr, prefill, chart.year);
  hour_field = int_field(40, 72, 24, 25, "Time: ", prefill, chart.hour);
  minute_field = int_field(72, 72, 24, 25, ":", prefill, chart.minute);
  zone_sign_choice =
      choice(142, 72, 50, 25, "Zone: ", ZoneSignItems, prefill, chart.zone_dir);
  zone_hours_field = int_field(200, 72, 24, 25, nullptr, prefill, chart.zone_hours);
  zone_minutes_field = int_field(232, 72, 24, 25, ":", prefill, chart.zone_minutes);
  place_field = text_field(40, 108, 184, 25, "Place:", prefill, chart.place);
  (new Fl_Button(228, 108, 48, 25, "Find"))->callback(find_button);
  lon_degrees_field = int_field(40, 144, 30, 25, "Lon: ", prefill, chart.lon_degrees);
  lon_dir_choice = choice(72, 144, 40, 25, nullptr, LonDirItems, prefill, chart.lon_dir);
  lon_minutes_field = int_field(120, 144, 24, 25, nullptr, prefill, chart.lon_minutes);
  lat_degrees_field = int_field(170, 144, 28, 25, "Lat: ", prefill, chart.lat_degrees);
  lat_dir_choice = choice(204, 144, 40, 25, nullptr, LatDirItems, prefill, chart.lat_dir);
  lat_minutes_field = int_field(252, 144, 24, 25, nullptr, prefill, chart.lat_minutes);

  // Plain buttons: Enter must not press OK.
  (new Fl_Button(20, 200, 60, 25, "OK"))->callback(ok_button);
  (new Fl_Button(110, 200, 60, 25, "Now!"))->callback(now_button);
  (new Fl_Button(200, 200, 60, 25, "Cancel"))->callback(cancel_button);

  end();
  set_modal();
}

ChartDataEntries ChartDataDialog::read_entries() const {
  ChartDataEntries entries;
  entries.name = name_field->value();
  entries.month_index = month_choice->value();
  entries.day = day_field->value();
  entries.year = year_field->value();
  entries.hour = hour_field->value();
  entries.minute = minute_field->value();
  entries.zone_sign_index = zone_sign_choice->value();
  entries.zone_hours = zone_hours_field->value();
  entries.zone_minutes = zone_minutes_field->value();
  entries.place = place_field->value();
  entries.lon_degrees = lon_degrees_field->value();
  entries.lon_dir_index = lon_dir_choice->value();
  entries.lon_minutes = lon_minutes_field->value();
  entries.lat_degrees = lat_degrees_field->value();
  entries.lat_dir_index = lat_dir_choice->value();
  entries.lat_minutes = lat_minutes_field->value();
  return entries;
}

void ChartDataDialog::chart_data_ok() {
  ChartInput input = read_chart_data(read_entries());
  if (const char* message = accept_chart_input(input)) {
    owner_.owner_prompts().alert(message);
    return;
  }
  owner_.compute_chart(input);
  owner_.close_chart_data_dialog();
}

void ChartDataDialog::chart_data_now() {
  const std::tm local = owner_.read_clock();
  const ChartInput now = present_moment_input(local);
  month_choice->value(now.month - 1);
  write_int(day_field, now.day);
  write_int(year_field, now.year);
  write_int(hour_field, now.hour);
  write_int(minute_field, now.minute);
  // The clock's date and time are of the clock's zone.
  write_angle(zone_angle(now), zone_hours_field, zone_sign_choice, zone_minutes_field);
}

void ChartDataDialog::chart_data_cancel() { owner_.close_chart_data_dialog(); }

void ChartDataDialog::chart_data_find() {
  Atlas atlas;
  std::string error;
  if (!load_atlas(atlas, error)) {
    owner_.owner_prompts().alert(error.c_str());
    return;
  }
  const std::string text = place_field->value();
  PlaceMatches matches = look_up_place(atlas, text);
  if (matches.outcome != PlaceMatches::found) {
    owner_.owner_prompts().alert(no_place_message(text).c_str());
    return;
  }
  if (matches.places.size() == 1) {
    fill_chart_data_place(matches.places.front());
    return;
  }
  auto places = std::make_shared<std::vector<AtlasPlace>>(std::move(matches.places));
  // The list is modal over the dialog, which stays while it is shown.
  PickList& list = owner_.open_pick_list(PlaceListLayout, [this, places](int index) {
    fill_chart_data_place((*places)[static_cast<std::size_t>(index)]);
  });
  for (const AtlasPlace& place : *places)
    list.list->add(
        (place_label(place) + "\t" + std::to_string(place.population)).c_str());
  list.finish(nullptr);
}

void ChartDataDialog::fill_chart_data_place(const AtlasPlace& place) {
  const PlaceFill fill = fill_for_place(place, read_entries());
  place_field->value(fill.place.c_str());
  write_angle(fill.longitude, lon_degrees_field, lon_dir_choice, lon_minutes_field);
  write_angle(fill.latitude, lat_degrees_field, lat_dir_choice, lat_minutes_field);
  write_zone(fill);
}

// The zone fields from the fill, asking when the time happened twice; left
// as they are (and said why) when no zone is known.
void ChartDataDialog::write_zone(const PlaceFill& fill) {
  SignedAngle zone = fill.zone;
  if (fill.zone_fill == PlaceFill::zone_twice) {
    const int chosen = owner_.owner_prompts().choice(
        fill.message.c_str(), fill.earlier_text.c_str(), fill.later_text.c_str());
    if (chosen == 0) return;
    zone = chosen == 1 ? fill.earlier : fill.later;
  } else if (fill.zone_fill == PlaceFill::zone_kept) {
    owner_.owner_prompts().alert(fill.message.c_str());
    return;
  }
  write_angle(zone, zone_hours_field, zone_sign_choice, zone_minutes_field);
}
