#pragma once

#include <FL/Fl_Widget.H>

#include "gui/chart_state.h"

// The one widget that paints the whole chart of the window's chart state,
// through the same blocks as the printer's pictures.
class draw_chart : public Fl_Widget {
 public:
  draw_chart(int x, int y, int width, int height, const ChartState& shown);

 protected:
  void draw() override;

 private:
  const ChartState& shown_;
};
