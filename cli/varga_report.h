#pragma once

#include <string>

#include "cli/report.h"

// The sign of each of the ten bodies in each of the sixteen vargas.

// A header row of the bodies and a row per varga, signs as the chart writes
// them, e.g. "      As  Su  Mo ..." then "D1    Cp  Sc  Li ...".
const char* append_varga_text(std::string& out, const ReportRequest& request);

// One line: {"vargas":{"D1":{"As":"Cp","Su":"Sc",...},...,"D60":{...}}}.
const char* append_varga_json(std::string& out, const ReportRequest& request);
