#include "cli/varga_report.h"

#include <nlohmann/json.hpp>

#include <string>
#include <utility>

#include "base/chart_names.h"
#include "chart/vargas.h"

namespace {

const char* varga_sign_text(const Chart& chart, int body, const Varga& varga) {
  return SignAbbrev[varga_sign(chart.positions[body], varga.division)];
}

// The labels' column holds "D60" and a blank; each body's column two blanks
// and its two letters.
void append_row(std::string& out, std::string label,
                const char* const (&cells)[body_count]) {
  label.resize(4, ' ');
  out += label;
  for (const char* cell : cells) out += std::string("  ") + cell;
  out += '\n';
}

}  // namespace

const char* append_varga_text(std::string& out, const ReportRequest& request) {
  const Chart& chart = request.chart;
  append_row(out, "", BodyAbbrev);
  for (const Varga& varga : Vargas) {
    const char* signs[body_count];
    for (int body = 0; body < body_count; ++body)
      signs[body] = varga_sign_text(chart, body, varga);
    append_row(out, varga_label(varga), signs);
  }
  return nullptr;
}

const char* append_varga_json(std::string& out, const ReportRequest& request) {
  const Chart& chart = request.chart;
  nlohmann::ordered_json vargas;
  for (const Varga& varga : Vargas) {
    nlohmann::ordered_json& signs = vargas[varga_label(varga)];
    for (int body = 0; body < body_count; ++body)
      signs[BodyAbbrev[body]] = varga_sign_text(chart, body, varga);
  }
  nlohmann::ordered_json document;
  document["vargas"] = std::move(vargas);
  out += document.dump() + '\n';
  return nullptr;
}
