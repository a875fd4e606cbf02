#pragma once

#include <FL/Fl_Window.H>

#include <ctime>

#include "entry/chart_data_entries.h"
#include "entry/place_fill.h"
#include "gui/pick_list.h"
#include "gui/prompts.h"

class Fl_Choice;
class Fl_Input;
class Fl_Int_Input;

// What the Chart Data dialog asks of the window that opens it.
class ChartDataOwner {
 public:
  virtual ~ChartDataOwner() = default;
  // OK's checked inputs, to be computed and shown.
  virtual void compute_chart(const ChartInput& input) = 0;
  // Hides the dialog; the toolkit deletes it once its callback returns.
  virtual void close_chart_data_dialog() = 0;
  // The one pick list, for Find's places.
  virtual PickList& open_pick_list(const PickListLayout& layout, PickList::Take take) = 0;
  virtual std::tm read_clock() const = 0;
  virtual const Prompts& owner_prompts() const = 0;
};

// The modal "Chart Data" window: empty for File > New, filled from the
// window's chart for File > Edit. It owns its fields; OK hands the checked
// inputs to the window, which computes and shows them.
class ChartDataDialog : public Fl_Window {
 public:
  // Filled from shown when prefill, else empty.
  ChartDataDialog(ChartDataOwner& owner, const ChartInput& shown, bool prefill);

  void chart_data_ok();
  // Fills the date, time and zone fields from the clock; the chart stays.
  void chart_data_now();
  void chart_data_cancel();
  // Looks the Place text up in the atlas: one place fills the fields at
  // once, several are listed to choose from, none is said.
  void chart_data_find();
  // Writes a found place into the fields: its name, its coordinates and the
  // zone at the dialog's date and time (asking when that time happened twice).
  void fill_chart_data_place(const AtlasPlace& place);

  // What the fields hold.
  ChartDataEntries read_entries() const;

  // The fields, in the order of focus.
  Fl_Input* name_field;
  Fl_Choice* month_choice;
  Fl_Int_Input* day_field;
  Fl_Int_Input* year_field;
  Fl_Int_Input* hour_field;
  Fl_Int_Input* minute_field;
  Fl_Choice* zone_sign_choice;
  Fl_Int_Input* zone_hours_field;
  Fl_Int_Input* zone_minutes_field;
  Fl_Input* place_field;
  Fl_Int_Input* lon_degrees_field;
  Fl_Choice* lon_dir_choice;
  Fl_Int_Input* lon_minutes_field;
  Fl_Int_Input* lat_degrees_field;
  Fl_Choice* lat_dir_choice;
  Fl_Int_Input* lat_minutes_field;

 private:
  void write_zone(const PlaceFill& fill);

  ChartDataOwner& owner_;
};
