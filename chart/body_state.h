#pragma once

#include "chart/ut_minute.h"

// One body at one minute, exactly as the chart of that minute has it.
struct BodyState {
  int position;     // sidereal arc-minutes, 0 to 21599
  double motion;    // arc-seconds per day, not truncated
  double sidereal;  // degrees: tropical longitude plus ayanamsha, unreduced
};

// Body 1 (Sun) to 9 (Ketu) at the minute, computed as chart_of computes the
// chart of ut_chart_input(minute), but for that one body.
BodyState body_state_at(int body, UtMinute minute);
