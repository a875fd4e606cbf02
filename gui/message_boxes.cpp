#include "gui/message_boxes.h"

#include <FL/fl_ask.H>

namespace {
void toolkit_alert(const char* text) { fl_alert("%s", text); }
void toolkit_message(const char* text) { fl_message("%s", text); }
int toolkit_choice(const char* text, const char* first, const char* second) {
  return fl_choice("%s", "Cancel", first, second, text);
}
}  // namespace

MessageBoxFunction show_alert = toolkit_alert;
MessageBoxFunction show_message = toolkit_message;
ChoiceBoxFunction ask_choice = toolkit_choice;
