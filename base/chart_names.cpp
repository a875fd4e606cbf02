#include "base/chart_names.h"

const char* const SignAbbrev[12] = {"Ar", "Ta", "Ge", "Cn", "Le", "Vi",
                                    "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};

const char* const BodyAbbrev[body_count] = {"As", "Su", "Mo", "Ma", "Me",
                                            "Ju", "Ve", "Sa", "Ra", "Ke"};

const char* const NakshatraNames[27] = {
    "Aswini",    "Bharani",  "Krittika", "Rohini",   "Mrigsira",   "Ardra",
    "Punarvasu", "Pushya",   "Aslesha",  "Magha",    "P.Phalguni", "U.Phalguni",
    "Hasta",     "Chitra",   "Swati",    "Vishakha", "Anuradha",   "Jyeshtha",
    "Mula",      "P.Shadya", "U.Shadya", "Shravana", "Dhanishtha", "Shatbisha",
    "P.Bhadra",  "U.Bhadra", "Revati"};

const char* const MonthAbbrev[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
