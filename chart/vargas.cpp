#include "chart/vargas.h"

#include "base/units.h"
#include "chart/position_derivations.h"

const Varga Vargas[varga_count] = {
    {1, "Rasi"},
    {2, "Hora"},
    {3, "Drekkana"},
    {4, "Chaturthamsha"},
    {7, "Saptamsha"},
    {9, "Navamsha"},
    {10, "Dashamsha"},
    {12, "Dwadashamsha"},
    {16, "Shodashamsha"},
    {20, "Vimshamsha"},
    {24, "Chaturvimshamsha"},
    {27, "Saptavimshamsha"},
    {30, "Trimshamsha"},
    {40, "Khavedamsha"},
    {45, "Akshavedamsha"},
    {60, "Shashtyamsha"},
};

namespace {

// clang-format off
enum Sign : int { aries, taurus, gemini, cancer, leo, virgo, libra, scorpio, sagittarius,
                  capricorn, aquarius, pisces };
// clang-format on

// The equal parts of a varga: the first part of sign s falls in
// own * s + first[s mod group], each later part `step` signs on. group 2
// tells odd signs (s even) from even ones, group 3 movable, fixed and dual
// signs.
struct PartCount {
  int division;
  int own;  // 1: from the sign itself, 0: from a fixed sign, n: on through
            // the zodiac, Taurus' first part after Aries' last
  int group;
  int first[3];
  int step;
};

constexpr PartCount PartCounts[] = {
    {1, 1, 2, {0, 0}, 1},
    {3, 1, 2, {0, 0}, 4},
    {4, 1, 2, {0, 0}, 3},
    {7, 1, 2, {0, 6}, 1},   // even signs from the seventh
    {10, 1, 2, {0, 8}, 1},  // even signs from the ninth
    {12, 1, 2, {0, 0}, 1},
    {16, 0, 3, {aries, leo, sagittarius}, 1},
    {20, 0, 3, {aries, sagittarius, leo}, 1},
    {24, 0, 2, {leo, cancer}, 1},
    {27, 27, 2, {aries, aries}, 1},
    {40, 0, 2, {aries, libra}, 1},
    {45, 0, 3, {aries, leo, sagittarius}, 1},
    {60, 1, 2, {0, 0}, 1},
};

// D2: the halves of odd signs are Leo's then Cancer's, of even signs the
// other way round.
constexpr Sign HoraSigns[2][2] = {{leo, cancer}, {cancer, leo}};

// D30: the unequal parts of odd and even signs, each to the degree it ends.
struct Trimshamsha {
  int end_degree;
  Sign sign;
};
constexpr Trimshamsha TrimshamshaParts[2][5] = {
    {{5, aries}, {10, aquarius}, {18, sagittarius}, {25, gemini}, {30, libra}},
    {{5, taurus}, {12, virgo}, {20, pisces}, {25, capricorn}, {30, scorpio}},
};

int minutes_in_sign(int p) { return p % arc_minutes_per_sign; }

// The part of its sign a body is in, 0 to n - 1.
int part_of(int p, int n) { return minutes_in_sign(p) * n / arc_minutes_per_sign; }

int trimshamsha_sign(int p) {
  const int degrees = degrees_in_sign(p);
  for (const Trimshamsha& part : TrimshamshaParts[sign_of(p) % 2])
    if (degrees < part.end_degree) return part.sign;
  return -1;  // unreachable: the last part ends at 30 degrees
}

const PartCount* part_count_of(int n) {
  for (const PartCount& row : PartCounts)
    if (row.division == n) return &row;
  return nullptr;
}

}  // namespace

const Varga* varga_of(int n) {
  for (const Varga& varga : Vargas)
    if (varga.division == n) return &varga;
  return nullptr;
}

int varga_sign(int p, int n) {
  const int s = sign_of(p);
  if (n == 2) return HoraSigns[s % 2][part_of(p, n)];
  if (n == 9) return navamsha_sign_of(p) - 1;  // the navamsha the chart lists
  if (n == 30) return trimshamsha_sign(p);
  const PartCount* row = part_count_of(n);
  if (row == nullptr) return -1;
  return (row->own * s + row->first[s % row->group] + row->step * part_of(p, n)) % 12;
}

int varga_position(int p, int n) {
  const int sign = varga_sign(p, n);
  if (sign < 0) return -1;
  return sign * arc_minutes_per_sign + minutes_in_sign(p) * n % arc_minutes_per_sign;
}

Chart varga_chart(const Chart& chart, int n) {
  if (n == 1 || varga_of(n) == nullptr) return chart;
  Chart varga = chart;
  for (int i = 0; i < body_count; ++i)
    varga.positions[i] = varga_position(chart.positions[i], n);
  derive_chart_facts(varga);
  // The periods run from the natal Moon, not from its place in a varga.
  varga.dashas = chart.dashas;
  return varga;
}

std::string varga_label(const Varga& varga) {
  return "D" + std::to_string(varga.division);
}

std::string varga_title(const Varga& varga) {
  return varga_label(varga) + " " + varga.name;
}
