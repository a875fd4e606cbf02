#!/usr/bin/python3
"""Writes tests/data/ashtakoota_points.tsv: the points of the eight kootas of
Ashtakoota matching for every pair of Moon nakshatras and of Moon half-signs,
which tests/chart/ashtakoota_test.cpp checks the program's match against.

Usage: /usr/bin/python3 tools/generate_ashtakoota_reference.py

Written from the North Indian Guna Milan lists as they are published, in
words, and organised otherwise than the program's tables: one record per
nakshatra and per sign, the groups read from their lists, Tara and Bhakoot
counted, and Graha Maitri worked out from Parashara's natural friendships
of the sign lords (and checked against the published table).

Rows, points in halves, the boy first:
  n BOY GIRL tara yoni gana nadi           nakshatras 0 (Ashwini) to 26
  s BOY GIRL varna vashya maitri bhakoot   half-signs 0 (Aries 0-15) to 23
"""

import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests" / "data" / "ashtakoota_points.tsv"

NAKSHATRAS = ("Ashwini Bharani Krittika Rohini Mrigashira Ardra Punarvasu Pushya "
              "Ashlesha Magha Purva_Phalguni Uttara_Phalguni Hasta Chitra Swati "
              "Vishakha Anuradha Jyeshtha Mula Purva_Ashadha Uttara_Ashadha Shravana "
              "Dhanishta Shatabhisha Purva_Bhadrapada Uttara_Bhadrapada Revati").split()
SIGNS = ("Aries Taurus Gemini Cancer Leo Virgo Libra Scorpio Sagittarius Capricorn "
         "Aquarius Pisces").split()

VARNA = {"Brahmin": "Cancer Scorpio Pisces", "Kshatriya": "Aries Leo Sagittarius",
         "Vaishya": "Taurus Virgo Capricorn", "Shudra": "Gemini Libra Aquarius"}
VARNA_RANK = ["Shudra", "Vaishya", "Kshatriya", "Brahmin"]

# Halves of a sign as "Sign1" (0-15 degrees) and "Sign2" (15-30).
VASHYA = {"quadruped": "Aries Taurus Sagittarius2 Capricorn1",
          "human": "Gemini Virgo Libra Aquarius Sagittarius1",
          "water": "Cancer Pisces Capricorn2", "wild": "Leo", "insect": "Scorpio"}
# Rows the girl's group, columns the boy's, in the order above.
VASHYA_POINTS = {"quadruped": "2 ½ 1 0 2", "human": "½ 2 0 0 0", "water": "1 0 2 2 2",
                 "wild": "0 0 2 2 0", "insect": "1 0 1 0 2"}

YONI = ("Horse Ashwini Shatabhisha; Elephant Bharani Revati; Sheep Krittika Pushya; "
        "Serpent Rohini Mrigashira; Dog Ardra Mula; Cat Punarvasu Ashlesha; "
        "Rat Magha Purva_Phalguni; Cow Uttara_Phalguni Uttara_Bhadrapada; "
        "Buffalo Hasta Swati; Tiger Chitra Vishakha; Deer Anuradha Jyeshtha; "
        "Monkey Purva_Ashadha Shravana; Mongoose Uttara_Ashadha; "
        "Lion Dhanishta Purva_Bhadrapada")
YONI_POINTS = """Horse 4 2 2 3 2 2 2 1 0 1 1 3 2 1 · Elephant 2 4 3 3 2 2 2 2 3 1 2 3 2 0 ·
Sheep 2 3 4 2 1 2 1 3 3 1 2 0 3 1 · Serpent 3 3 2 4 2 1 1 1 1 2 2 2 0 2 ·
Dog 2 2 1 2 4 2 1 2 2 1 0 2 1 1 · Cat 2 2 2 1 2 4 0 2 2 1 3 3 2 1 ·
Rat 2 2 1 1 1 0 4 2 2 2 2 2 1 2 · Cow 1 2 3 1 2 2 2 4 3 0 3 2 2 1 ·
Buffalo 0 3 3 1 2 2 2 3 4 1 2 2 2 1 · Tiger 1 1 1 2 1 1 2 0 1 4 1 1 2 1 ·
Deer 1 2 2 2 0 3 2 3 2 1 4 2 2 1 · Monkey 3 3 0 2 2 3 2 2 2 1 2 4 3 2 ·
Mongoose 2 2 3 0 1 2 1 2 2 2 2 3 4 2 · Lion 1 0 1 2 1 1 2 1 1 1 1 2 2 4"""

LORDS = {"Mars": "Aries Scorpio", "Venus": "Taurus Libra", "Mercury": "Gemini Virgo",
         "Moon": "Cancer", "Sun": "Leo", "Jupiter": "Sagittarius Pisces",
         "Saturn": "Capricorn Aquarius"}
# Brihat Parashara Hora Shastra: each planet's friends and enemies, the
# others neutral to it.
FRIENDS = {"Sun": "Moon Mars Jupiter", "Moon": "Sun Mercury", "Mars": "Sun Moon Jupiter",
           "Mercury": "Sun Venus", "Jupiter": "Sun Moon Mars", "Venus": "Mercury Saturn",
           "Saturn": "Mercury Venus"}
ENEMIES = {"Sun": "Venus Saturn", "Moon": "", "Mars": "Mercury", "Mercury": "Moon",
           "Jupiter": "Mercury Venus", "Venus": "Sun Moon", "Saturn": "Sun Moon Mars"}
# Points by how each lord takes the other: both friends 5, friend and
# neutral 4, both neutral 3, friend and enemy 1, neutral and enemy 1/2.
BY_VIEWS = {"FF": 10, "FN": 8, "NN": 6, "EF": 2, "EN": 1, "EE": 0}
MAITRI_PUBLISHED = """Sun 5 5 5 4 5 0 0 · Moon 5 5 4 1 4 ½ ½ · Mars 5 4 5 ½ 5 3 ½ ·
Mercury 4 1 ½ 5 ½ 5 4 · Jupiter 5 4 5 ½ 5 ½ 3 · Venus 0 ½ 3 5 ½ 5 5 ·
Saturn 0 ½ ½ 4 3 5 5"""

GANA = {"Deva": "Ashwini Mrigashira Punarvasu Pushya Hasta Swati Anuradha Shravana Revati",
        "Manushya": "Bharani Rohini Ardra Purva_Phalguni Uttara_Phalguni Purva_Ashadha "
                    "Uttara_Ashadha Purva_Bhadrapada Uttara_Bhadrapada"}
# (boy, girl); any other pair of different ganas 0.
GANA_POINTS = {("Deva", "Manushya"): 5, ("Manushya", "Deva"): 6, ("Deva", "Rakshasa"): 1}

NADI = {"Adi": "Ashwini Ardra Punarvasu Uttara_Phalguni Hasta Jyeshtha Mula Shatabhisha "
               "Purva_Bhadrapada",
        "Madhya": "Bharani Mrigashira Pushya Purva_Phalguni Chitra Anuradha Purva_Ashadha "
                  "Dhanishta Uttara_Bhadrapada"}


def halves(text):
    return 1 if text == "½" else 2 * int(text)


def group_of(lists, name, other):
    return next((group for group, names in lists.items() if name in names.split()), other)


def matrix(text):
    return {row.split()[0]: [halves(x) for x in row.split()[1:]] for row in text.split("·")}


def nakshatra_row(boy, girl):
    def tara(count_from, count_to):
        counted = (NAKSHATRAS.index(count_to) - NAKSHATRAS.index(count_from)) % 27 + 1
        return 0 if counted % 9 in (3, 5, 7) else 3

    animals = {name: animal for animal, *names in (part.split() for part in YONI.split(";"))
               for name in names}
    yoni = matrix(YONI_POINTS)
    order = list(yoni)
    gana_boy, gana_girl = (group_of(GANA, name, "Rakshasa") for name in (boy, girl))
    gana = 12 if gana_boy == gana_girl else 2 * GANA_POINTS.get((gana_boy, gana_girl), 0)
    nadi = 0 if group_of(NADI, boy, "Antya") == group_of(NADI, girl, "Antya") else 16
    return [tara(girl, boy) + tara(boy, girl),
            yoni[animals[boy]][order.index(animals[girl])], gana, nadi]


def maitri(lord, other):
    if lord == other:
        return 10

    def view(a, b):
        return "F" if b in FRIENDS[a].split() else "E" if b in ENEMIES[a].split() else "N"

    return BY_VIEWS["".join(sorted(view(lord, other) + view(other, lord)))]


def half_sign_row(boy, girl):
    boy_sign, girl_sign = SIGNS[boy // 2], SIGNS[girl // 2]

    def vashya(half):
        name = SIGNS[half // 2]
        return group_of(VASHYA, name, None) or group_of(VASHYA, name + str(half % 2 + 1), None)

    varna = VARNA_RANK.index(group_of(VARNA, boy_sign, None)) >= \
        VARNA_RANK.index(group_of(VARNA, girl_sign, None))
    counted = (girl // 2 - boy // 2) % 12 + 1
    return [2 if varna else 0,
            halves(VASHYA_POINTS[vashya(girl)].split()[list(VASHYA).index(vashya(boy))]),
            maitri(group_of(LORDS, boy_sign, None), group_of(LORDS, girl_sign, None)),
            14 if counted in (1, 3, 4, 7, 10, 11) else 0]


def main():
    # Every name listed is one of the 27 or 12, so that none falls to a default.
    for names in (*GANA.values(), *NADI.values(), YONI.replace(";", "")):
        assert set(names.split()) - set(NAKSHATRAS) <= set(matrix(YONI_POINTS)), names
    for names in (*VARNA.values(), *LORDS.values(), *VASHYA.values()):
        assert {name.rstrip("12") for name in names.split()} <= set(SIGNS), names
    published = matrix(MAITRI_PUBLISHED)
    for lord, row in published.items():
        assert row == [maitri(lord, other) for other in published], lord
    lines = ["# Ashtakoota points in halves, the boy first; written by "
             "tools/generate_ashtakoota_reference.py"]
    lines += ["# " + line.strip() for line in __doc__.splitlines()[-2:]]
    for boy in range(27):
        for girl in range(27):
            points = nakshatra_row(NAKSHATRAS[boy], NAKSHATRAS[girl])
            lines.append("\t".join(map(str, ["n", boy, girl] + points)))
    for boy in range(24):
        for girl in range(24):
            lines.append("\t".join(map(str, ["s", boy, girl] + half_sign_row(boy, girl))))
    OUTPUT.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
