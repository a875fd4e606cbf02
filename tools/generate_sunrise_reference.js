#!/usr/bin/env node
// Writes tests/data/sunrise_reference.tsv: sunrise and sunset at places from
// the equator to 64 degrees of latitude, on days across the year and across
// 1600 to 2400, by both of the program's rules, from an independent library:
// the outside reference of tests/chart/sunrise_test.cpp.
//
// Source: the npm package astronomy-engine 2.1.19 (Don Cross, MIT), installed
// with npm into a temporary folder only here, when the table is written; the
// build and the tests never fetch anything, and nothing of the package is
// committed.
//
// Usage: node tools/generate_sunrise_reference.js [--seed S] [--output FILE]
// The same seed and package version give the same bytes.
//
// SearchRiseSet takes the upper limb with the library's own refraction and the
// Sun's true semi-diameter, so neither rule; SearchAltitude finds when the
// centre of the disc passes a given geometric altitude, without refraction:
// 0 degrees for the rule "centre" and -50' (34' of refraction and 16' of
// semi-diameter) for the rule "limb", each at sea level.

'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const PACKAGE = 'astronomy-engine@2.1.19';
const OUTPUT = path.join(__dirname, '..', 'tests', 'data', 'sunrise_reference.tsv');
const RULE_ALTITUDES = {centre: 0, limb: -50 / 60};

// Name, latitude north and longitude east in degrees, standard offset in
// minutes east: both hemispheres, both sides of Greenwich.
const PLACES = [
  ['Quito', -0.22, -78.5125, -300],
  ['Singapore', 1.2833, 103.85, 480],
  ['Chennai', 13.0833, 80.2833, 330],
  ['Kolkata', 22.5667, 88.3667, 330],
  ['New Delhi', 28.6, 77.2, 330],
  ['Sydney', -33.8667, 151.2167, 600],
  ['New York', 40.7167, -74.0, -300],
  ['London', 51.5, -0.1333, 0],
  ['Moscow', 55.75, 37.6167, 180],
  ['Reykjavik', 64.1333, -21.9333, 0],
];
const DAYS_PER_PLACE = 6;

// A small seeded generator (mulberry32), so the days are the same every run.
function generator(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

function installed() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'sunrise-reference-'));
  childProcess.execFileSync('npm', ['install', '--silent', '--no-save', '--prefix', folder,
                                    PACKAGE], {stdio: 'inherit'});
  const module = path.join(folder, 'node_modules', 'astronomy-engine');
  const version = JSON.parse(fs.readFileSync(path.join(module, 'package.json'))).version;
  if (`astronomy-engine@${version}` !== PACKAGE) throw new Error(`installed ${version}`);
  return {folder, library: require(module)};
}

function two(n) { return String(n).padStart(2, '0'); }

function dateText(date) {
  return `${date.getUTCFullYear()}-${two(date.getUTCMonth() + 1)}-${two(date.getUTCDate())}`;
}

// UT to a tenth of a second, or "none".
function utText(time) {
  if (!time) return 'none';
  const tenths = Math.round(time.date.getTime() / 100);
  const date = new Date(Math.floor(tenths / 10) * 1000);
  return `${dateText(date)} ${two(date.getUTCHours())}:${two(date.getUTCMinutes())}:` +
         `${two(date.getUTCSeconds())}.${((tenths % 10) + 10) % 10}`;
}

// The program's day: the first rising within the local civil day, then the
// first setting within a day after it, or within the civil day where the Sun
// does not rise.
function sunTimes(A, place, day, rule) {
  const observer = new A.Observer(place[1], place[2], 0);
  const midnight = A.MakeTime(new Date(day.getTime() - place[3] * 60000));
  const altitude = RULE_ALTITUDES[rule];
  const sunrise = A.SearchAltitude(A.Body.Sun, observer, +1, midnight, 1, altitude);
  // From a minute past the sunrise: a search that starts on its own root,
  // where the Sun barely rises, may answer with that root.
  const sunset = sunrise
      ? A.SearchAltitude(A.Body.Sun, observer, -1, sunrise.AddDays(1 / 1440), 1 - 1 / 1440,
                         altitude)
      : A.SearchAltitude(A.Body.Sun, observer, -1, midnight, 1, altitude);
  return [sunrise, sunset];
}

function days(random) {
  const all = [];
  PLACES.forEach((place, p) => {
    for (let i = 0; i < DAYS_PER_PLACE; ++i) {
      // Each place at both solstices, the rest anywhere; every other place
      // takes the June one by the limb rule.
      const year = 1600 + Math.floor(random() * 801);
      const dayOfYear = i < 2 ? [171, 354][i] : Math.floor(random() * 365);
      const day = new Date(Date.UTC(year, 0, 1 + dayOfYear));
      all.push([place, day, (i + p) % 2 === 0 ? 'centre' : 'limb']);
    }
  });
  return all;
}

function main() {
  const args = process.argv.slice(2);
  const option = (name, fallback) => {
    const at = args.indexOf(name);
    return at >= 0 ? args[at + 1] : fallback;
  };
  const seed = Number(option('--seed', '1600'));
  const output = option('--output', OUTPUT);
  const {folder, library: A} = installed();
  const lines = [
    '# Sunrise and sunset from astronomy-engine 2.1.19 (npm, Don Cross, MIT): the outside',
    '# reference of tests/chart/sunrise_test.cpp. Written by',
    `# tools/generate_sunrise_reference.js --seed ${seed}.`,
    '# Each is SearchAltitude(Body.Sun, observer at sea level, direction, ...): the moment',
    '# the centre of the Sun\'s disc, topocentric and apparent, passes a geometric altitude',
    '# (no refraction): 0 degrees for the rule centre, -0.833333 degrees (34\' of refraction',
    '# and 16\' of semi-diameter) for the rule limb. The sunrise is the first within the',
    '# local civil day of the date (midnight at the standard offset, minutes east), the',
    '# sunset the first within a day after the sunrise, or within the civil day where',
    '# the Sun does not rise. Times are UT to the tenth of a second, or none. The',
    '# library adds Delta T; the program takes UT as dynamical time.',
    '# place\tlatitude\tlongitude\toffset\tdate\trule\tsunrise\tsunset',
  ];
  for (const [place, day, rule] of days(generator(seed))) {
    const [sunrise, sunset] = sunTimes(A, place, day, rule);
    lines.push([place[0], place[1], place[2], place[3], dateText(day), rule, utText(sunrise),
                utText(sunset)].join('\t'));
  }
  fs.writeFileSync(output, lines.join('\n') + '\n');
  fs.rmSync(folder, {recursive: true, force: true});
}

main();
