#pragma once

#include <FL/Fl_Widget.H>

// The one widget that paints the whole chart of ChartState.
class draw_chart : public Fl_Widget {
 public:
  draw_chart(int x, int y, int width, int height);

 protected:
  void draw() override;
};
