#pragma once

#include <cstdio>
#include <string>

// Where the printed charts go: standard output, or a file that appears only
// complete. A named file is written as a temporary file in the same folder
// and renamed over the name at the end, so a reader never sees half of it
// and a failed run leaves an earlier file as it was.
struct PrintOutput {
  std::FILE* stream = nullptr;
  std::string target;     // empty for standard output
  std::string replaced;   // what the temporary file is renamed to: target, or
                          // where a link at target leads
  std::string temporary;  // the file being written beside it
  bool failed = false;
  std::string error;  // why, once failed
};

// Opens the output; target empty means the given standard stream. A file put
// in the place of an existing one keeps its permission bits; a file without
// any write permission is refused. A link is followed and its target
// replaced, a device, a FIFO or a link into /dev or /proc (/dev/stdout)
// written through. Until the output is finished or abandoned, SIGTERM,
// SIGINT and SIGHUP remove the temporary file before they stop the program.
bool open_print_output(PrintOutput& output, const std::string& target,
                       std::FILE* standard_stream);

// Appends text; a failure is kept and reported by finish_print_output.
void write_print_output(PrintOutput& output, const std::string& text);

// Flushes, and for a file syncs, closes and renames it into place. On any
// failure the temporary file is removed and error says why.
bool finish_print_output(PrintOutput& output);

// The whole text to the target (the standard stream for an empty target), as
// open_print_output takes it: a file appears only complete. False, error
// saying why, when it cannot be written.
bool write_whole_output(const std::string& target, std::FILE* standard_stream,
                        const std::string& text, std::string& error);

// Drops a file output that will not be finished: the temporary file goes.
void abandon_print_output(PrintOutput& output);

// Whether the target names the file itself, through a link or another path
// as well, also before either exists: the rename would replace that file
// with the report.
bool print_output_is_file(const std::string& target, const char* file);

// The same for a file already open on descriptor fd, such as standard input.
bool print_output_is_open_file(const std::string& target, int fd);
