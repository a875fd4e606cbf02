#pragma once

// The chart's drawing area and where each block stands in it, in the
// widget's own pixels: the window, the printer's pictures and the text
// report all take them from here.
constexpr int chart_width = 440;
constexpr int chart_height = 1008;
// Every text's size in pixels. The window's Helvetica is fontconfig's sans,
// which is DejaVu Sans on Debian.
constexpr int chart_font_size = 11;

struct BlockOrigin {
  int x;
  int y;
};

constexpr BlockOrigin header_origin = {8, 12};
constexpr BlockOrigin diagram_origin = {8, 52};
constexpr BlockOrigin planet_table_origin = {8, 420};
constexpr BlockOrigin navamsha_origin = {8, 490};
constexpr BlockOrigin dasha_origin = {8, 520};
