#pragma once

#include <string>

#include "chart/chart.h"

// The sixteen divisional charts (vargas): each cuts every sign into parts and
// gives each part a sign of its own.

struct Varga {
  int division;      // parts per sign: the n of "Dn"
  const char* name;  // "Rasi" for D1
};

constexpr int varga_count = 16;
// D1 Rasi, D2 Hora, ... D60 Shashtyamsha, by division.
extern const Varga Vargas[varga_count];

// "D9", and "D9 Navamsha" as the diagram's header and the menu name it.
std::string varga_label(const Varga& varga);
std::string varga_title(const Varga& varga);

// The varga of division n; nullptr when there is none (D5, D8, ...).
const Varga* varga_of(int n);

// The sign, 0 Aries to 11 Pisces, that varga n gives a body at p
// arc-minutes (0 to 21599); a body on the edge of two parts is in the later.
// -1 when n is no varga of the table.
int varga_sign(int p, int n);

// The body's position in the diagram of varga n: varga_sign as its sign_of,
// and its arc-minutes into the sign times n, modulo 30 degrees, as its
// degrees_in_sign (its place in an equal part stretched over a whole sign;
// D30 counts the same way). -1 when n is no varga of the table.
int varga_position(int p, int n);

// The chart with its ten positions moved to varga n and its body facts
// derived again from them; speeds, so the retrograde marks, and the natal
// dashas stay. D1, or an n of no varga, gives the chart as it is.
Chart varga_chart(const Chart& chart, int n);
