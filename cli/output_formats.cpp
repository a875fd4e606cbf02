#include "cli/output_formats.h"

#include <iterator>
#include <vector>

#include "cli/json_report.h"
#include "cli/pdf_report.h"
#include "cli/png_report.h"
#include "cli/svg_report.h"
#include "cli/text_lines.h"
#include "cli/text_report.h"

// The first row is the default.
const OutputFormat OutputFormats[] = {
    {"text", append_text_report, append_transit_text, append_panchanga_days_text, "\n",
     false, false, true, &Report::text},
    {"json", append_json_report, append_transit_json, append_panchanga_days_json, "",
     false, false, true, &Report::json},
    {"svg", append_svg_report, nullptr, nullptr, nullptr, false, false, false, nullptr},
    {"png", append_png_report, nullptr, nullptr, nullptr, true, true, false, nullptr},
    {"pdf", append_pdf_report, nullptr, nullptr, nullptr, true, false, false, nullptr},
};

const int output_format_count = static_cast<int>(std::size(OutputFormats));

const OutputFormat* format_named(std::string_view name) {
  for (const OutputFormat& format : OutputFormats)
    if (name == format.name) return &format;
  return nullptr;
}

std::string format_names(const char* separator, const char* last_separator,
                         bool OutputFormat::*property) {
  std::vector<std::string> names;
  for (const OutputFormat& format : OutputFormats)
    if (property == nullptr || format.*property) names.emplace_back(format.name);
  return joined_words(names, separator, last_separator);
}
