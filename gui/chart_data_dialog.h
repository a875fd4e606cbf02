#pragma once

class Fl_Button;
class Fl_Choice;
class Fl_Input;
class Fl_Int_Input;
class Fl_Window;

// The modal "Chart Data" window: empty for File > New, filled from
// ChartState for File > Edit.
void show_chart_data_dialog(bool prefill);

void chart_data_ok();
void chart_data_now();
void chart_data_cancel();
// Looks the Place text up in the atlas: one place fills the fields at once,
// several are listed to choose from, none is said.
void chart_data_find();

struct AtlasPlace;
// Writes a found place into the fields: its name, its coordinates and the
// zone at the dialog's date and time (asking when that time happened twice).
void fill_chart_data_place(const AtlasPlace& place);

// The newest dialog and its fields, reached by the button callbacks; null
// once the dialog is destroyed.
extern Fl_Window* chart_data_window;
extern Fl_Input* name_field;
extern Fl_Choice* month_choice;
extern Fl_Int_Input* day_field;
extern Fl_Int_Input* year_field;
extern Fl_Int_Input* hour_field;
extern Fl_Int_Input* minute_field;
extern Fl_Choice* zone_sign_choice;
extern Fl_Int_Input* zone_hours_field;
extern Fl_Int_Input* zone_minutes_field;
extern Fl_Input* place_field;
extern Fl_Int_Input* lon_degrees_field;
extern Fl_Choice* lon_dir_choice;
extern Fl_Int_Input* lon_minutes_field;
extern Fl_Int_Input* lat_degrees_field;
extern Fl_Choice* lat_dir_choice;
extern Fl_Int_Input* lat_minutes_field;
