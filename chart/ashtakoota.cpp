#include "chart/ashtakoota.h"

#include "chart/position_derivations.h"

namespace {

// Each rule gives half points from the boy's and the girl's Moon.
using KootaRule = int (*)(int boy_moon, int girl_moon);

// Varna by the Moon's sign, highest first: Brahmin 3, Kshatriya 2, Vaishya 1,
// Shudra 0.
constexpr int SignVarna[12] = {2, 1, 0, 3, 2, 1, 0, 3, 2, 1, 0, 3};

int varna_points(int boy_moon, int girl_moon) {
  return SignVarna[sign_of(boy_moon)] >= SignVarna[sign_of(girl_moon)] ? 2 : 0;
}

enum Vashya : int { quadruped, human, water, wild, insect };

// Each sign's first and second fifteen degrees: only Sagittarius and
// Capricorn change group within the sign.
constexpr Vashya SignVashya[12][2] = {
    {quadruped, quadruped}, {quadruped, quadruped}, {human, human}, {water, water},
    {wild, wild},           {human, human},         {human, human}, {insect, insect},
    {human, quadruped},     {quadruped, water},     {human, human}, {water, water}};

// Half points: rows the girl's group, columns the boy's.
// clang-format off
constexpr int VashyaPoints[5][5] = {
    {4, 1, 2, 0, 4},
    {1, 4, 0, 0, 0},
    {2, 0, 4, 4, 4},
    {0, 0, 4, 4, 0},
    {2, 0, 2, 0, 4},
};
// clang-format on

Vashya vashya_of(int moon) {
  return SignVashya[sign_of(moon)][degrees_in_sign(moon) / 15];
}

int vashya_points(int boy_moon, int girl_moon) {
  return VashyaPoints[vashya_of(girl_moon)][vashya_of(boy_moon)];
}

// Counting from one nakshatra to the other, both counted, in cycles of nine:
// the 3rd, 5th and 7th of a cycle give nothing, the others 1 1/2.
int tara_from(int from_nakshatra, int to_nakshatra) {
  const int counted = (to_nakshatra - from_nakshatra + 27) % 27 + 1;
  const int in_cycle = counted % 9;
  return in_cycle == 3 || in_cycle == 5 || in_cycle == 7 ? 0 : 3;
}

int tara_points(int boy_moon, int girl_moon) {
  const int boy = nakshatra_of(boy_moon);
  const int girl = nakshatra_of(girl_moon);
  return tara_from(girl, boy) + tara_from(boy, girl);
}

// clang-format off
enum Yoni : int {
  horse, elephant, sheep, serpent, dog, cat, rat,
  cow, buffalo, tiger, deer, monkey, mongoose, lion
};
// clang-format on

// Aswini to Revati.
constexpr Yoni NakshatraYoni[27] = {
    horse, elephant, sheep,    serpent, serpent, dog,     cat,   sheep, cat,
    rat,   rat,      cow,      buffalo, tiger,   buffalo, tiger, deer,  deer,
    dog,   monkey,   mongoose, monkey,  lion,    horse,   lion,  cow,   elephant};

// Whole points, symmetric, in the order of the animals.
// clang-format off
constexpr int YoniPoints[14][14] = {
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 1, 3, 2, 1},
    {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},
    {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},
    {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},
    {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},
    {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},
    {1, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},
    {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},
    {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},
};
// clang-format on

int yoni_points(int boy_moon, int girl_moon) {
  return 2 * YoniPoints[NakshatraYoni[nakshatra_of(boy_moon)]]
                       [NakshatraYoni[nakshatra_of(girl_moon)]];
}

// The lord of each sign, Aries to Pisces.
constexpr BodyIndex SignLord[12] = {
    mars_body,  venus_body, mercury_body, moon_body,   sun_body,    mercury_body,
    venus_body, mars_body,  jupiter_body, saturn_body, saturn_body, jupiter_body};

// Half points, symmetric, rows and columns the lords Sun to Saturn in the
// chart's body order.
// clang-format off
constexpr int MaitriPoints[7][7] = {
    {10, 10, 10,  8, 10,  0,  0},
    {10, 10,  8,  2,  8,  1,  1},
    {10,  8, 10,  1, 10,  6,  1},
    { 8,  2,  1, 10,  1, 10,  8},
    {10,  8, 10,  1, 10,  1,  6},
    { 0,  1,  6, 10,  1, 10, 10},
    { 0,  1,  1,  8,  6, 10, 10},
};
// clang-format on

int graha_maitri_points(int boy_moon, int girl_moon) {
  return MaitriPoints[SignLord[sign_of(boy_moon)] - sun_body]
                     [SignLord[sign_of(girl_moon)] - sun_body];
}

enum Gana : int { deva, manushya, rakshasa };

// Aswini to Revati.
constexpr Gana NakshatraGana[27] = {
    deva, manushya, rakshasa, manushya, deva,     manushya, deva,
    deva, rakshasa, rakshasa, manushya, manushya, deva,     rakshasa,
    deva, rakshasa, deva,     rakshasa, rakshasa, manushya, manushya,
    deva, rakshasa, rakshasa, manushya, manushya, deva};

// Half points: rows the boy's gana, columns the girl's.
// clang-format off
constexpr int GanaPoints[3][3] = {
    {12, 10,  2},
    {12, 12,  0},
    { 0,  0, 12},
};
// clang-format on

int gana_points(int boy_moon, int girl_moon) {
  return GanaPoints[NakshatraGana[nakshatra_of(boy_moon)]]
                   [NakshatraGana[nakshatra_of(girl_moon)]];
}

// Half points by the girl's sign counted from the boy's, 1 (the same sign)
// to 12: the 2nd and 12th, 5th and 9th, 6th and 8th from each other give
// nothing.
constexpr int BhakootPoints[12] = {14, 0, 14, 14, 0, 0, 14, 0, 0, 14, 14, 0};

int bhakoot_points(int boy_moon, int girl_moon) {
  return BhakootPoints[(sign_of(girl_moon) - sign_of(boy_moon) + 12) % 12];
}

enum Nadi : int { adi, madhya, antya };

// Aswini to Revati.
constexpr Nadi NakshatraNadi[27] = {
    adi,   madhya, antya, antya, madhya, adi,   adi,   madhya, antya,
    antya, madhya, adi,   adi,   madhya, antya, antya, madhya, adi,
    adi,   madhya, antya, antya, madhya, adi,   adi,   madhya, antya};

int nadi_points(int boy_moon, int girl_moon) {
  const bool same =
      NakshatraNadi[nakshatra_of(boy_moon)] == NakshatraNadi[nakshatra_of(girl_moon)];
  return same ? 0 : 16;
}

struct Koota {
  const char* name;
  KootaRule rule;
  int maximum;
};

constexpr Koota Kootas[koota_count] = {{"Varna", varna_points, 1},
                                       {"Vashya", vashya_points, 2},
                                       {"Tara", tara_points, 3},
                                       {"Yoni", yoni_points, 4},
                                       {"Graha Maitri", graha_maitri_points, 5},
                                       {"Gana", gana_points, 6},
                                       {"Bhakoot", bhakoot_points, 7},
                                       {"Nadi", nadi_points, 8}};

}  // namespace

AshtakootaMatch ashtakoota_of_moons(int boy_moon, int girl_moon) {
  AshtakootaMatch match{};
  for (int k = 0; k < koota_count; ++k) {
    const Koota& koota = Kootas[k];
    match.kootas[k] = {koota.name, koota.rule(boy_moon, girl_moon), koota.maximum};
    match.total_half_points += match.kootas[k].half_points;
  }
  return match;
}

AshtakootaMatch ashtakoota_match(const Chart& boy, const Chart& girl) {
  return ashtakoota_of_moons(boy.positions[moon_body], girl.positions[moon_body]);
}
