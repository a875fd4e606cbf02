#!/usr/bin/python3
"""Writes tests/data/zone_offsets.tsv: offsets from UTC at local dates and
times in the system's tzdata as Python's zoneinfo reads the same TZif files,
the outside reference that tests/places/zone_test.cpp checks the program's
own reading of them against.

Usage: /usr/bin/python3 tools/generate_zone_reference.py [--seed S]

Rows: zone, local date and time, what the time is ("once", "twice" or
"never"), and the UTC offset in seconds (twice: the earlier and the later).
A draw of zones and times over the charts' years 1600 to 2400, and every
hour around the changes of the zones whose closing rule changes at a
negative or late hour (Greenland) from 2038 on, past the listed changes.
The rows drawn for "Factory", which the program refuses as no place's zone,
are left out.
"""

import argparse
import datetime
import pathlib
import random
import subprocess
import zoneinfo

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests" / "data" / "zone_offsets.tsv"
ZONEINFO = pathlib.Path("/usr/share/zoneinfo")
DRAWN = 1500
RULE_ZONES = ["America/Nuuk", "America/Scoresbysund", "America/New_York",
              "Australia/Sydney", "America/Santiago", "Europe/Dublin"]


def zone_names():
    lines = (ZONEINFO / "tzdata.zi").read_text().splitlines()
    return sorted([line.split()[1] for line in lines if line.startswith("Z ")] +
                  [line.split()[2] for line in lines if line.startswith("L ")])


def row(zone, local):
    tz = zoneinfo.ZoneInfo(zone)
    earlier = local.replace(tzinfo=tz)
    later = earlier.replace(fold=1)
    first = int(earlier.utcoffset().total_seconds())
    second = int(later.utcoffset().total_seconds())
    back = earlier.astimezone(datetime.timezone.utc).astimezone(tz).replace(tzinfo=None)
    kind = "never" if back != local else "twice" if first != second else "once"
    offsets = f"{first}\t{second}" if kind == "twice" else f"{first}" if kind == "once" else ""
    return f"{zone}\t{local:%Y-%m-%d %H:%M}\t{kind}\t{offsets}".rstrip("\t")


def around_changes(zone, year):
    """Every half hour from two hours before to two hours after each change
    of the offset in the year."""
    tz = zoneinfo.ZoneInfo(zone)
    hour = datetime.timedelta(hours=1)
    local = datetime.datetime(year, 1, 1)
    before = local.replace(tzinfo=tz).utcoffset()
    times = []
    while local.year == year:
        now = local.replace(tzinfo=tz).utcoffset()
        if now != before:
            times += [local + k * hour / 2 for k in range(-4, 5)]
        before = now
        local += hour
    return times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seed", type=int, default=21)
    draw = random.Random(parser.parse_args().seed)
    names = zone_names()
    rows = []
    for _ in range(DRAWN):
        year = draw.choice([draw.randint(1600, 2400), draw.randint(1850, 2040)])
        local = datetime.datetime(year, draw.randint(1, 12), draw.randint(1, 28),
                                  draw.randint(0, 23), draw.choice([0, 30, draw.randint(0, 59)]))
        rows.append(row(draw.choice(names), local))
    rows = [line for line in rows if not line.startswith("Factory\t")]
    for zone in RULE_ZONES:
        for year in (2038, draw.randint(2039, 2400)):
            rows += [row(zone, local) for local in around_changes(zone, year)]
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "tzdata"],
                             capture_output=True, text=True, check=True).stdout
    zi_version = (ZONEINFO / "tzdata.zi").read_text().splitlines()[0].split()[-1]
    header = (f"# Python {'.'.join(map(str, __import__('sys').version_info[:3]))} zoneinfo "
              f"on Debian's tzdata {version}\n# tzdata\t{zi_version}\n")
    OUTPUT.write_text(header + "\n".join(rows) + "\n")
    print(f"{OUTPUT.relative_to(ROOT)}: {len(rows)} rows")


if __name__ == "__main__":
    main()
