#pragma once

#include <string>

// The whole chart of ChartState as the window draws it, through Cairo:
// black on white, DejaVu Sans at the window's size, lines one pixel wide on
// the window's pixels. Each returns nullptr when drawn, else Cairo's reason.

// A PNG picture of scale (1 to 4) times the window's pixels each way.
const char* append_png_report(std::string& out, int scale);

// A one-page PDF of the chart's size in points, with real text and vector
// lines; no creation date, so the same chart gives the same bytes.
const char* append_pdf_report(std::string& out);
