#pragma once

#include <vector>

#include "chart/ut_minute.h"

// The four limbs of the panchanga that the Sun and the Moon give; the
// fifth, the vara, follows sunrise.
enum Limb : int {
  tithi_limb = 0,  // 1 to 30: the Moon's elongation from the Sun by 12 degrees
  nakshatra_limb,  // 1 to 27: the Moon's nakshatra
  yoga_limb,       // 1 to 27: the sum of both longitudes by 13 degrees 20'
  karana_limb,     // 1 to 60: half a tithi
};
constexpr int limb_count = 4;

// The limb's number shown by a chart whose Sun and Moon stand at these
// sidereal arc-minutes (0 to 21599).
int limb_number(Limb limb, int sun, int moon);

// The number that follows, round the circle: tithi 30 is followed by 1.
int next_limb_number(Limb limb, int number);

// 1 to 4: the quarter of its nakshatra that the Moon stands in.
int nakshatra_pada(int moon);

// A limb's number and its end: the first UT minute whose chart shows the
// next number, the minute before showing this one.
struct LimbSpan {
  int number;
  UtMinute end;
  bool operator==(const LimbSpan&) const = default;
};

// Each limb's numbers in force from minute first on, in order, as the charts
// of consecutive minutes (body_state_at) show them: the first is the one
// given (what first's chart shows), each later one the number after the one
// before. A chart that shows an earlier number again for a minute, as the
// Sun's whole arc-minute can make it, starts no span. Each limb's last span
// is the one in force at until - 1, with its end.
struct LimbSpans {
  std::vector<LimbSpan> limbs[limb_count];
};
LimbSpans limb_spans(UtMinute first, const int (&numbers)[limb_count], UtMinute until);
