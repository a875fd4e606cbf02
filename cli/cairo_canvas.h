#pragma once

#include <cairo.h>

#include <memory>
#include <string>

#include "chart/chart.h"

// Cairo's objects, released on every path out of the scope that made them.
using CairoSurface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using CairoContext = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;
using CairoFontOptions =
    std::unique_ptr<cairo_font_options_t, decltype(&cairo_font_options_destroy)>;

// The whole chart on a Cairo surface as the window draws it: black on white,
// DejaVu Sans at the window's size, lines one pixel wide on the window's
// pixels, scale times the window's pixels each way. Cairo's status after.
cairo_status_t draw_cairo_chart(cairo_surface_t* surface, const Chart& chart,
                                int chart_style, int varga, int scale);

// A Cairo write function appending to the std::string at out.
cairo_status_t append_cairo_bytes(void* out, const unsigned char* data,
                                  unsigned int length);
