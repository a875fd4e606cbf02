#pragma once

#include <vector>

#include "chart/chart.h"
#include "chart/ut_minute.h"

// A stretch of Saturn in the 12th, 1st or 2nd sign counted from the natal
// Moon's sign: from the minute of the ingress that opens it (or the chart's
// moment, when it runs then) to the minute of the one that closes it.
struct SadeSatiStretch {
  UtMinute start;
  UtMinute end;
};

// The stretches that begin from the chart's moment to 100 years of 365.25
// days after it, retrograde returns each a stretch of their own; the last
// runs to its real end.
std::vector<SadeSatiStretch> sade_sati(const Chart& chart);
