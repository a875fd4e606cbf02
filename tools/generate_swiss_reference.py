#!/usr/bin/env python3
"""Writes tests/data/swiss_ephemeris_lahiri.tsv, sidereal (Lahiri) longitudes of
the eight bodies from the Swiss Ephemeris on its JPL-based files, the outside
reference that tests/chart/swiss_reference_test.cpp checks the chart against.

Needed only here, never to build or run the program (Debian packages):
  apt-get install -y gcc libswe-dev swe-basic-data swe-standard-data

Usage: tools/generate_swiss_reference.py [--count N] [--seed S] [--output FILE]
The defaults write the committed table; another seed or count gives other
moments to measure with, the same way.

The moments are whole UT minutes, one drawn from each of COUNT equal slices of
1600-01-01 00:00 to 2400-12-31 23:59, so the table spans the program's years.
A small C program, built with gcc against libswe in a temporary folder, gives
the longitudes; the same libswe and data files give the same bytes.
"""

import argparse
import datetime
import pathlib
import random
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests" / "data" / "swiss_ephemeris_lahiri.tsv"
EPHE_PATH = "/usr/share/libswe/ephe"
DATA_PACKAGES = ["libswe-dev", "swe-basic-data", "swe-standard-data"]
FIRST = datetime.datetime(1600, 1, 1)
END = datetime.datetime(2401, 1, 1)  # the first minute past the span
BODIES = ["sun", "moon", "mars", "mercury", "jupiter", "venus", "saturn", "true_node"]

# Reads "year month day hour minute" lines (UT) and prints, per line, Delta T
# in seconds, the eight longitudes in degrees and the data files it read.
HELPER = r"""
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <swephexp.h>

static const int bodies[8] = {SE_SUN, SE_MOON, SE_MARS, SE_MERCURY,
                              SE_JUPITER, SE_VENUS, SE_SATURN, SE_TRUE_NODE};

static void fail(const char* what, const char* serr) {
  fprintf(stderr, "%s: %s\n", what, serr);
  exit(1);
}

int main(int argc, char** argv) {
  char text[AS_MAXCH], serr[AS_MAXCH] = "";
  int year, month, day, hour, minute;
  swe_set_ephe_path(argv[1]);
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
  printf("%s\n", swe_version(text));
  while (scanf("%d %d %d %d %d", &year, &month, &day, &hour, &minute) == 5) {
    double jd = swe_julday(year, month, day, hour + minute / 60.0, SE_GREG_CAL);
    double nutation[6], x[6], mean_ayanamsha;
    const int flags = SEFLG_SWIEPH | SEFLG_SIDEREAL;
    if (swe_calc_ut(jd, SE_ECL_NUT, SEFLG_SWIEPH, nutation, serr) < 0)
      fail("nutation", serr);
    if (swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH | SEFLG_NONUT, &mean_ayanamsha, serr) < 0)
      fail("ayanamsha", serr);
    printf("%.3f", swe_deltat_ex(jd, SEFLG_SWIEPH, serr) * 86400.0);
    for (int i = 0; i < 8; ++i) {
      int32 got = swe_calc_ut(jd, bodies[i], flags, x, serr);
      if (got < 0 || (got & (SEFLG_SWIEPH | SEFLG_SIDEREAL)) != flags)
        fail("sidereal", serr);  /* no quiet fall-back to the Moshier series */
      double longitude = x[0];
      if (bodies[i] != SE_TRUE_NODE) {
        longitude += nutation[2];
        /* The same as the longitude of the true equinox less the mean
           ayanamsha, or the table's header would not hold. */
        if (!(swe_calc_ut(jd, bodies[i], SEFLG_SWIEPH, x, serr) & SEFLG_SWIEPH))
          fail("tropical", serr);
        double d = fmod(x[0] - mean_ayanamsha - longitude + 540.0, 360.0) - 180.0;
        if (fabs(d) > 1e-7) fail("convention", "true equinox less mean ayanamsha");
      }
      printf(" %.12f", fmod(longitude + 360.0, 360.0));
    }
    for (int file = 0; file < 2; ++file) {
      double start, end;
      int denum;
      const char* name = swe_get_current_file_data(file, &start, &end, &denum);
      if (!name) fail("data file", "none read");
      printf(" %s DE%d", strrchr(name, '/') + 1, denum);
    }
    printf("\n");
  }
  swe_close();
  return 0;
}
"""


def moments(count, seed):
    """COUNT whole minutes, the i-th drawn from the i-th slice of the span."""
    draw = random.Random(seed)
    minutes = int((END - FIRST).total_seconds()) // 60
    for i in range(count):
        low, high = i * minutes // count, (i + 1) * minutes // count
        yield FIRST + datetime.timedelta(minutes=draw.randrange(low, high))


def package_version(name):
    return subprocess.run(["dpkg-query", "-W", "-f", "${Version}", name],
                          check=True, capture_output=True, text=True).stdout


def degrees(value):
    text = f"{float(value):.6f}"
    return "0.000000" if text == "360.000000" else text


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--seed", type=int, default=1600)
    parser.add_argument("--output", type=pathlib.Path, default=OUTPUT)
    args = parser.parse_args()

    versions = {name: package_version(name) for name in DATA_PACKAGES}
    times = list(moments(args.count, args.seed))
    with tempfile.TemporaryDirectory() as folder:
        source = pathlib.Path(folder) / "reference.c"
        program = pathlib.Path(folder) / "reference"
        source.write_text(HELPER)
        subprocess.run(["gcc", "-O1", "-o", program, source, "-lswe", "-lm"], check=True)
        request = "".join(f"{t.year} {t.month} {t.day} {t.hour} {t.minute}\n" for t in times)
        answer = subprocess.run([program, EPHE_PATH], input=request, check=True,
                                capture_output=True, text=True).stdout.splitlines()
    swe_version, rows = answer[0], [line.split() for line in answer[1:]]
    if len(rows) != len(times):
        sys.exit("the helper answered fewer moments than asked")
    files = sorted({f for row in rows for f in row[9::2]})
    ephemerides = sorted({f for row in rows for f in row[10::2]})
    delta_t = [(float(row[0]), t.year) for row, t in zip(rows, times)]

    lines = [
        "# Sidereal longitudes (Lahiri) of the Sun, Moon, Mars, Mercury, Jupiter, Venus,",
        "# Saturn and the true node, from the Swiss Ephemeris: the outside reference of",
        "# tests/chart/swiss_reference_test.cpp. Written by",
        f"# tools/generate_swiss_reference.py --count {args.count} --seed {args.seed}.",
        f"# Source: Swiss Ephemeris {swe_version} (Debian libswe-dev"
        f" {versions['libswe-dev']}),",
        f"# data files {', '.join(files)}",
        f"# (JPL {', '.join(ephemerides)}, compressed) from Debian swe-basic-data"
        f" {versions['swe-basic-data']} and",
        f"# swe-standard-data {versions['swe-standard-data']}, in {EPHE_PATH}.",
        "# Ayanamsha: swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0).",
        "# Positions: swe_calc_ut(jd_ut, body, SEFLG_SWIEPH | SEFLG_SIDEREAL), apparent",
        "# geocentric (light-time, aberration, light deflection) on the ecliptic of date;",
        "# the node is SE_TRUE_NODE, the osculating one.",
        "# Time: each moment is UT, Gregorian, as the program takes it. swe_calc_ut adds",
        "# Swiss Ephemeris' Delta T (here from {:.0f} s in {} to {:.0f} s in {});".format(
            *min(delta_t), *max(delta_t)),
        "# the program applies no Delta T and takes UT as dynamical time, so its bodies",
        "# stand where they were Delta T earlier: the Moon by about 0.55\" per second of it.",
        "# Nutation: with SEFLG_SIDEREAL Swiss Ephemeris subtracts from the longitude of",
        "# the true equinox of date an ayanamsha that includes the nutation in longitude",
        "# (a true ayanamsha, as swe_get_ayanamsa_ex_ut gives without SEFLG_NONUT), so its",
        "# sidereal longitudes hold no nutation; SEFLG_NONUT changes none of them. The",
        "# program adds a mean ayanamsha (no nutation) to longitudes of the true equinox",
        "# for the Sun to Saturn, and keeps the node on the mean equinox. So that the",
        "# table measures the ephemeris and not that choice (up to 17.2\"), the Sun to",
        "# Saturn columns add the nutation in longitude (SE_ECL_NUT) to Swiss Ephemeris'",
        "# sidereal value: the longitude of the true equinox less the mean Lahiri",
        "# ayanamsha (swe_get_ayanamsa_ex_ut with SEFLG_NONUT), which the generator checks.",
        "# The true node column is Swiss Ephemeris' sidereal value as it is.",
        "# Columns: UT year month day hour minute, then longitudes in degrees, 0 to 360:",
        "# year\tmonth\tday\thour\tminute\t" + "\t".join(BODIES),
    ]
    for t, row in zip(times, rows):
        fields = [str(t.year), str(t.month), str(t.day), str(t.hour), str(t.minute)]
        lines.append("\t".join(fields + [degrees(v) for v in row[1:9]]))
    args.output.parent.mkdir(parents=True, exist_ok=True)
    args.output.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
