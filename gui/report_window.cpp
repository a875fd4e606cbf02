#include "gui/report_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

#include <utility>

#include "cli/print_output.h"

namespace {

// The toolkit's display selects with the mouse only: the keys a reader
// expects are added.
class ReportText : public Fl_Text_Display {
 public:
  using Fl_Text_Display::Fl_Text_Display;

  int handle(int event) override {
    if (event == FL_KEYBOARD && (Fl::event_state() & FL_CTRL) != 0) {
      if (Fl::event_key() == 'a') {
        buffer()->select(0, buffer()->length());
        return 1;
      }
      if (Fl::event_key() == 'c') {
        char* selected = buffer()->selection_text();
        const int length = static_cast<int>(std::char_traits<char>::length(selected));
        Fl::copy(selected, length, 1);
        Fl::copy(selected, length, 0);
        free(selected);
        return 1;
      }
    }
    return Fl_Text_Display::handle(event);
  }
};

ReportWindow& window_of(Fl_Widget* widget) {
  Fl_Window* window = widget->as_window() ? widget->as_window() : widget->window();
  return *static_cast<ReportWindow*>(window);
}

void save_as_callback(Fl_Widget* widget, void*) { window_of(widget).save_as(); }
void close_callback(Fl_Widget* widget, void*) { window_of(widget).close_report(); }

constexpr int text_size = 12;

}  // namespace

ReportWindow::ReportWindow(const std::string& title, const std::string& text,
                           const Prompts& prompts, OnClose on_close)
    : Fl_Double_Window(640, 480),
      title_(title),
      text_(text),
      buffer_(new Fl_Text_Buffer),
      prompts_(prompts),
      on_close_(std::move(on_close)) {
  label(title_.c_str());
  callback(close_callback);
  display = new ReportText(0, 0, 640, 445);
  display->textfont(FL_COURIER);
  display->textsize(text_size);
  display->buffer(buffer_);
  buffer_->text(text_.c_str());
  auto* save = new Fl_Button(540, 450, 90, 25, "Save As...");
  save->callback(save_as_callback);
  resizable(display);
  end();
}

ReportWindow::~ReportWindow() {
  // The display reads its buffer until it is gone; a widget deleted leaves
  // its group.
  delete display;
  delete buffer_;
}

bool ReportWindow::save_to(const std::string& path, std::string& error) const {
  return write_whole_output(path, nullptr, text_, error);
}

void ReportWindow::save_as() {
  const std::string path = prompts_.file_to_save("Save Report As", "Text\t*.txt");
  if (path.empty()) return;
  std::string error;
  if (!save_to(path, error)) prompts_.alert(("Error saving report!\n" + error).c_str());
}

void ReportWindow::close_report() {
  hide();
  on_close_(this);
  // Called from the window's own callback: the toolkit deletes it later.
  Fl::delete_widget(this);
}
