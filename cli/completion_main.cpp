// Writes vantrel-print's bash completion at build time, so that the
// installed file follows the option table.
#include <cstdio>

#include "cli/bash_completion.h"

int main() {
  return std::fputs(bash_completion_script().c_str(), stdout) >= 0 &&
                 std::fflush(stdout) == 0
             ? 0
             : 1;
}
