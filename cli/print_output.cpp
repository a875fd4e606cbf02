#include "cli/print_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

void fail(PrintOutput& output, const std::string& what, int error_number) {
  if (output.failed) return;
  output.failed = true;
  output.error = what + ": " + std::strerror(error_number);
}

// A name of our own in the target's folder: the rename then stays within one
// file system and so replaces the target in one step.
int create_temporary(PrintOutput& output) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    output.temporary = output.target + ".tmp-" + std::to_string(getpid()) + "-" +
                       std::to_string(attempt);
    int fd =
        open(output.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

bool open_print_output(PrintOutput& output, const std::string& target,
                       std::FILE* standard_stream) {
  output = PrintOutput{};
  output.target = target;
  if (target.empty()) {
    output.stream = standard_stream;
    return true;
  }
  // A device or FIFO is written through, never replaced by a file of ours:
  // renaming over /dev/null as root would take it from the whole system.
  struct stat named;
  if (stat(target.c_str(), &named) == 0 && !S_ISREG(named.st_mode) &&
      !S_ISDIR(named.st_mode)) {
    output.stream = std::fopen(target.c_str(), "w");
    if (output.stream != nullptr) return true;
    fail(output, "cannot write " + target, errno);
    return false;
  }
  int fd = create_temporary(output);
  if (fd < 0) {
    int error_number = errno;
    output.temporary.clear();
    fail(output, "cannot write " + target, error_number);
    return false;
  }
  struct stat existing;
  const bool mode_kept =
      stat(target.c_str(), &existing) != 0 || fchmod(fd, existing.st_mode & 0777) == 0;
  output.stream = mode_kept ? fdopen(fd, "w") : nullptr;
  if (output.stream == nullptr) {
    int error_number = errno;
    close(fd);
    abandon_print_output(output);
    fail(output, "cannot write " + target, error_number);
    return false;
  }
  return true;
}

void write_print_output(PrintOutput& output, const std::string& text) {
  if (output.failed || text.empty()) return;
  if (std::fwrite(text.data(), 1, text.size(), output.stream) != text.size())
    fail(output, "cannot write " + (output.target.empty() ? "output" : output.target),
         errno);
}

bool finish_print_output(PrintOutput& output) {
  const std::string name = output.target.empty() ? "output" : output.target;
  if (!output.failed && std::fflush(output.stream) != 0)
    fail(output, "cannot write " + name, errno);
  if (output.target.empty()) return !output.failed;

  // The data must be on disk before the name points at it; a device or FIFO
  // written through has neither.
  const bool through = output.temporary.empty();
  if (!output.failed && !through && fsync(fileno(output.stream)) != 0)
    fail(output, "cannot write " + name, errno);
  if (std::fclose(output.stream) != 0) fail(output, "cannot write " + name, errno);
  output.stream = nullptr;
  if (!output.failed && !through &&
      std::rename(output.temporary.c_str(), output.target.c_str()) != 0)
    fail(output, "cannot replace " + name, errno);
  if (output.failed) {
    if (!through) unlink(output.temporary.c_str());
    return false;
  }
  output.temporary.clear();
  return true;
}

void abandon_print_output(PrintOutput& output) {
  if (output.target.empty()) return;
  if (output.stream != nullptr) std::fclose(output.stream);
  output.stream = nullptr;
  if (!output.temporary.empty()) unlink(output.temporary.c_str());
  output.temporary.clear();
}

namespace {
bool same_file(const std::string& target, const struct stat& file_info) {
  struct stat output_info;
  return !target.empty() && stat(target.c_str(), &output_info) == 0 &&
         output_info.st_dev == file_info.st_dev && output_info.st_ino == file_info.st_ino;
}
}  // namespace

bool print_output_is_file(const std::string& target, const char* file) {
  struct stat file_info;
  return stat(file, &file_info) == 0 && same_file(target, file_info);
}

bool print_output_is_open_file(const std::string& target, int fd) {
  struct stat file_info;
  return fstat(fd, &file_info) == 0 && same_file(target, file_info);
}
