#pragma once

#include <string>

// The bash completion of vantrel-print, written from its option table: the
// options, the formats and other choices, file names for files and the
// system's time-zone names for --zone. Installed for bash-completion, whose
// helpers it calls.
std::string bash_completion_script();
