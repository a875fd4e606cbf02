#pragma once

#include <string>

// What the window program's command line asks for before any window opens.
enum class WindowRequest { open_window, help, version };

// The first of --help (-h) or --version (-V) among the arguments; every
// other argument is left to the toolkit.
WindowRequest window_request(int argc, const char* const* argv);

// What help or version prints: the usage with the toolkit's own switches
// (FLTK's list, given by the caller) after it, or the version.
std::string window_answer(WindowRequest request, const char* toolkit_switches);
