#pragma once

#include <cairo.h>

#include <string>

#include "chart/chart.h"

// The whole chart on a Cairo surface as the window draws it: black on white,
// DejaVu Sans at the window's size, lines one pixel wide on the window's
// pixels, scale times the window's pixels each way. Cairo's status after.
cairo_status_t draw_cairo_chart(cairo_surface_t* surface, const Chart& chart,
                                int chart_style, int scale);

// A Cairo write function appending to the std::string at out.
cairo_status_t append_cairo_bytes(void* out, const unsigned char* data,
                                  unsigned int length);
