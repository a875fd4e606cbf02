#include "gui/prompts.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>

namespace {

void toolkit_alert(const char* text) { fl_alert("%s", text); }
void toolkit_message(const char* text) { fl_message("%s", text); }
int toolkit_choice(const char* text, const char* first, const char* second) {
  return fl_choice("%s", "Cancel", first, second, text);
}

std::string desktop_file_to_save(const char* title, const char* filter) {
  Fl_Native_File_Chooser chooser;
  chooser.title(title);
  chooser.type(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
  chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM);
  chooser.filter(filter);
  return chooser.show() == 0 && chooser.filename() != nullptr ? chooser.filename() : "";
}

// A modal window of two date fields, waited for as fl_input waits.
bool toolkit_date_range(const char* title, std::string& from, std::string& to) {
  Fl_Window window(240, 110, title);
  Fl_Input from_field(60, 10, 100, 25, "From:");
  Fl_Input to_field(60, 40, 100, 25, "To:");
  Fl_Button ok(40, 75, 60, 25, "OK");
  Fl_Button cancel(140, 75, 60, 25, "Cancel");
  window.end();
  from_field.value(from.c_str());
  to_field.value(to.c_str());
  ok.shortcut(FL_Enter);
  int answer = 0;
  ok.callback([](Fl_Widget*, void* chosen) { *static_cast<int*>(chosen) = 1; }, &answer);
  cancel.callback([](Fl_Widget*, void* chosen) { *static_cast<int*>(chosen) = 2; },
                  &answer);
  window.callback([](Fl_Widget*, void* chosen) { *static_cast<int*>(chosen) = 2; },
                  &answer);
  window.set_modal();
  window.show();
  while (answer == 0 && window.shown()) Fl::wait();
  from = from_field.value();
  to = to_field.value();
  return answer == 1;
}

}  // namespace

Prompts toolkit_prompts() {
  return {toolkit_alert, toolkit_message, toolkit_choice, desktop_file_to_save,
          toolkit_date_range};
}
