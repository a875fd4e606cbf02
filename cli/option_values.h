#pragma once

#include <string>

#include "base/chart_input.h"
#include "base/signed_angle.h"

// The values vantrel-print's options take, each read whole: a value is
// accepted only in one of its forms, never in part.

// The years the ephemeris covers, and those a dasha listing of a chart of
// those years reaches (120 years past its last).
constexpr int first_ephemeris_year = 1600;
constexpr int last_ephemeris_year = 2400;
constexpr int last_listing_year = 2520;

// YYYY-MM-DD with a month from 1 to 12.
bool parse_date(const char* text, int& year, int& month, int& day);

// A day that the calendar has, for dates the dialog's checks do not see.
bool is_calendar_day(int year, int month, int day);

// A calendar date from 1600 to the last year; later ones would leave the
// ephemeris or the day count's integers.
bool parse_listing_date(const char* text, int& year, int& month, int& day, int last_year);

// The first day of a range of days, 1600 to 2400, and the day after its
// last, 1600 to 2401-01-01: the ephemeris's years.
bool parse_range_start(const char* text, int& year, int& month, int& day);
bool parse_range_end(const char* text, int& year, int& month, int& day);

// Why a range of days from one date up to another cannot be listed: the end
// not after the start, or more than a hundred calendar years between them.
enum class DayRangeFault { none, end_not_after_start, over_a_century };
DayRangeFault day_range_fault(int from_year, int from_month, int from_day, int to_year,
                              int to_month, int to_day);

// H:MM or HH:MM.
bool parse_clock(const char* text, int& hours, int& minutes);

// Local time minus Universal Time, east positive as usually written, into
// the chart's zone, where ahead of Universal Time is "-"; a zero offset is
// "+". H:MM or HH:MM with or without a sign ("+05:30", "5:30"), or with a
// sign H, HH or HHMM ("+5", "+05", "+0530"); each may follow "UTC"
// ("UTC+5:30", "UTC-3"), which then needs the sign.
bool parse_utc_offset(const char* text, ChartInput& chart);

// A longitude (DDD{E|W}MM) or latitude (DD{N|S}MM), or decimal degrees as
// ISO 6709 writes them (east and north positive) to the nearest whole
// minute, half a minute away from zero, read exactly from the digits. The
// chart's longitude is West positive.
bool parse_coordinate(const char* text, bool longitude, SignedAngle& value);

// Decimal digits only.
bool parse_whole_number(const char* text, int& value);

// A text option that an empty value would leave unset.
bool take_text(const char* text, std::string& value);
