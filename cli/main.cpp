#include <cstdio>

#include "cli/print_command.h"

int main(int argc, char** argv) {
  return run_print_command(argc, argv, stdin, stdout, stderr);
}
