#pragma once

#include <cstddef>

// What the display shows of one body, derived from its sidereal position p
// in whole arc-minutes (0 to 21599): integer arithmetic only.

// 0 Aries to 11 Pisces, an index into SignAbbrev.
int sign_of(int p);
// Whole degrees within the sign, 0 to 29.
int degrees_in_sign(int p);
// Arc-minutes within the degree, 0 to 59.
int minutes_in_degree(int p);
// 0 Aswini to 26 Revati, an index into NakshatraNames.
int nakshatra_of(int p);
// Whole part: the nakshatra; fraction: the part of it already traversed.
double nakshatra_measure(int p);
// Sign number 1 (Aries) to 12 of the ninth-part of a sign holding p.
int navamsha_sign_of(int p);

// Only the Moon and Mars to Saturn are ever marked, when they move backward,
// however slowly; the ascendant, the Sun and the nodes never are.
bool is_retrograde_marked(int body, bool backward);

// Degrees, sign and minutes, e.g. "25Li45" or " 6Ar07": always 6 characters.
constexpr std::size_t position_text_size = 8;
void format_position(char (&area)[position_text_size], int p);
