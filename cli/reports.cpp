#include <iterator>
#include <vector>

#include "cli/dasha_report.h"
#include "cli/match_report.h"
#include "cli/panchanga_report.h"
#include "cli/report.h"
#include "cli/sade_sati_report.h"
#include "cli/text_lines.h"
#include "cli/transit_report.h"
#include "cli/varga_report.h"

// In the order of the window's Reports menu.
const Report Reports[] = {
    {"panchanga", "Panchanga", append_panchanga_text_report, append_panchanga_json_report,
     ReportNeeds::chart_only, false, true},
    {"vargas", "Divisional Signs", append_varga_text, append_varga_json,
     ReportNeeds::chart_only, false, false},
    {"dashas", "Dashas", append_dashas_text_report, append_dashas_json_report,
     ReportNeeds::chart_only, true, false},
    {"transits", "Transits", append_transits_text_report, append_transits_json_report,
     ReportNeeds::range, false, false},
    {"sade-sati", "Sade Sati", append_sade_sati_text_report, append_sade_sati_json_report,
     ReportNeeds::chart_only, false, false},
    {"match", "Match", append_match_text, append_match_json, ReportNeeds::partner, false,
     false},
};

const int report_count = static_cast<int>(std::size(Reports));

const Report* report_named(const std::string& name) {
  for (const Report& report : Reports)
    if (name == report.name) return &report;
  return nullptr;
}

std::string report_names(const char* separator, const char* last_separator) {
  std::vector<std::string> names;
  for (const Report& report : Reports) names.emplace_back(report.name);
  return joined_words(names, separator, last_separator);
}
