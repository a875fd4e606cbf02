#pragma once

#include <ctime>

// Reads the system clock as broken-down local time. The window is given one
// when it is made: tests give it a fixed reading.
using LocalClockReader = std::tm (*)();

std::tm system_local_time();
