#pragma once

#include <string>

// What the window program's command line asks for before any window opens.
enum class WindowRequest { open_window, help, version, refused };

// The first of --help (-h) or --version (-V) among the arguments, or refused
// at the first argument that is neither they nor one of the toolkit's own
// switches (refused then names it); open_window when all are the toolkit's.
WindowRequest window_request(int argc, char** argv, std::string& refused);

// What help or version prints: the usage with the toolkit's own switches
// (FLTK's list, given by the caller) after it, or the version; for a refused
// argument, why, and the usage.
std::string window_answer(WindowRequest request, const char* toolkit_switches,
                          const std::string& refused = "");
