#pragma once

#include <vector>

#include "chart/ut_minute.h"

// What changes at a transit event.
enum TransitKind : int {
  sign_ingress = 0,
  nakshatra_ingress,
  retrograde_station,  // the motion turns below 0 arc-seconds a day
  direct_station,      // and back
};

struct TransitEvent {
  UtMinute minute;  // the first minute whose chart shows the change
  int body;         // 1 Sun to 9 Ketu
  TransitKind kind;
  int from;  // sign or nakshatra index before, for ingresses
  int to;    // and after
};

// What to watch of a body: its sign, its nakshatra, its stations.
enum TransitWatch : unsigned {
  watch_sign = 1,
  watch_nakshatra = 2,
  watch_stations = 4,
};

// Every change of what is watched of body (1 Sun to 9 Ketu) between two
// consecutive minutes, for the minutes from first up to but not including
// end: the minute before first is the one compared with first. In time
// order. Stations are watched only for Mars to Saturn.
std::vector<TransitEvent> body_transits(int body, unsigned watch, UtMinute first,
                                        UtMinute end);

// The sign ingresses of the Sun to Ketu and the stations of Mars to
// Saturn, with nakshatra ingresses when asked, from first up to end, in
// time order (and body order within a minute).
std::vector<TransitEvent> find_transits(UtMinute first, UtMinute end, bool nakshatras);
