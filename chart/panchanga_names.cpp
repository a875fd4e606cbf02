#include "chart/panchanga_names.h"

#include "base/chart_names.h"

namespace {

const char* const TithiNames[14] = {"Pratipada",  "Dwitiya",    "Tritiya",  "Chaturthi",
                                    "Panchami",   "Shashthi",   "Saptami",  "Ashtami",
                                    "Navami",     "Dashami",    "Ekadashi", "Dwadashi",
                                    "Trayodashi", "Chaturdashi"};

const char* const MovableKaranaNames[7] = {"Bava",   "Balava", "Kaulava", "Taitila",
                                           "Garaja", "Vanija", "Vishti"};

const char* const FixedKaranaNames[3] = {"Shakuni", "Chatushpada", "Naga"};

}  // namespace

const char* const YogaNames[27] = {
    "Vishkambha", "Priti",  "Ayushman",  "Saubhagya", "Shobhana", "Atiganda", "Sukarma",
    "Dhriti",     "Shula",  "Ganda",     "Vriddhi",   "Dhruva",   "Vyaghata", "Harshana",
    "Vajra",      "Siddhi", "Vyatipata", "Variyana",  "Parigha",  "Shiva",    "Siddha",
    "Sadhya",     "Shubha", "Shukla",    "Brahma",    "Indra",    "Vaidhriti"};

const char* const VaraNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};

const char* tithi_name(int tithi) {
  if (tithi == 15) return "Purnima";
  if (tithi == 30) return "Amavasya";
  return TithiNames[(tithi - 1) % 15];
}

const char* paksha_name(int tithi) { return tithi <= 15 ? "Shukla" : "Krishna"; }

const char* karana_name(int karana) {
  if (karana == 1) return "Kimstughna";
  if (karana >= 58) return FixedKaranaNames[karana - 58];
  return MovableKaranaNames[(karana - 2) % 7];
}

const char* limb_name(Limb limb, int number) {
  switch (limb) {
    case tithi_limb:
      return tithi_name(number);
    case nakshatra_limb:
      return NakshatraNames[number - 1];
    case yoga_limb:
      return YogaNames[number - 1];
    default:
      return karana_name(number);
  }
}
