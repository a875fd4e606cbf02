#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/message_boxes.h"

using Texts = std::vector<std::string>;

inline bool window_shown(const char* title) {
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
    if (w->label() && std::strcmp(w->label(), title) == 0 && w->shown()) return true;
  return false;
}

inline Fl_Button* button_labelled(Fl_Window* window, const char* label) {
  for (int i = 0; window && i < window->children(); ++i) {
    auto* button = dynamic_cast<Fl_Button*>(window->child(i));
    if (button && button->label() && std::strcmp(button->label(), label) == 0)
      return button;
  }
  return nullptr;
}

inline void press_key(Fl_Window* window, int key, const char* text = "") {
  Fl::e_keysym = key;
  Fl::e_state = 0;
  Fl::e_text = const_cast<char*>(text);
  Fl::e_length = static_cast<int>(std::strlen(text));
  Fl::handle(FL_KEYBOARD, window);
}

// Each child of a window as "kind x,y wxh label [choice items]", to compare whole
// layouts.
inline Texts describe_children(Fl_Window* window) {
  Texts texts;
  for (int i = 0; i < window->children(); ++i) {
    Fl_Widget* w = window->child(i);
    const char* kind = dynamic_cast<Fl_Int_Input*>(w)       ? "integer"
                       : dynamic_cast<Fl_Input*>(w)         ? "text"
                       : dynamic_cast<Fl_Choice*>(w)        ? "choice"
                       : dynamic_cast<Fl_Hold_Browser*>(w)  ? "hold browser"
                       : dynamic_cast<Fl_Return_Button*>(w) ? "return button"
                       : dynamic_cast<Fl_Button*>(w)        ? "button"
                                                            : "other";
    char text[96];
    std::snprintf(text, sizeof text, "%s %d,%d %dx%d %s", kind, w->x(), w->y(), w->w(),
                  w->h(), w->label() ? w->label() : "");
    texts.push_back(text);
    if (auto* choice = dynamic_cast<Fl_Choice*>(w)) {
      for (int item = 0; item < choice->size() - 1; ++item)
        texts.back() += std::string(item ? " " : " [") + choice->menu()[item].label();
      texts.back() += "]";
    }
    auto* button = dynamic_cast<Fl_Button*>(w);
    if (button && button->shortcut()) texts.back() += " (shortcut)";
  }
  return texts;
}

// While it lives, alerts and messages are kept as texts instead of waiting
// for a click in a modal box.
class CapturedBoxes {
 public:
  CapturedBoxes() {
    alerts.clear();
    messages.clear();
    show_alert = [](const char* text) { alerts.emplace_back(text); };
    show_message = [](const char* text) { messages.emplace_back(text); };
  }
  ~CapturedBoxes() {
    show_alert = saved_alert;
    show_message = saved_message;
  }
  static inline std::vector<std::string> alerts, messages;

 private:
  MessageBoxFunction saved_alert = show_alert, saved_message = show_message;
};
