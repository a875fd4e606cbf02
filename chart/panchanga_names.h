#pragma once

#include "chart/panchanga_limbs.h"

// The names of the panchanga's limbs, by their numbers from 1 (nakshatras
// are named by NakshatraNames), and of the weekdays.

extern const char* const YogaNames[27];
extern const char* const VaraNames[7];  // 0 Sunday to 6 Saturday

// Tithi 1 to 30: Pratipada to Chaturdashi, then Purnima (15) or Amavasya (30).
const char* tithi_name(int tithi);

// "Shukla" for tithis 1 to 15, the waxing fortnight; "Krishna" for 16 to 30.
const char* paksha_name(int tithi);

// Karana 1 to 60: Kimstughna, the seven movable ones eight times over, then
// Shakuni, Chatushpada and Naga.
const char* karana_name(int karana);

// A limb's name by its number: a tithi's without its paksha.
const char* limb_name(Limb limb, int number);
