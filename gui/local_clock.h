#pragma once

#include <ctime>

// Reads the system clock as broken-down local time. Tests put a fixed
// reading in its place.
using LocalClockReader = std::tm (*)();
extern LocalClockReader read_local_clock;

std::tm system_local_time();
