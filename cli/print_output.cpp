#include "cli/print_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

// The temporary file being written, for the signal handler to remove: a
// program stopped midway leaves no temporary behind.
struct TemporaryToRemove {
  char path[PATH_MAX + 1];
  volatile std::sig_atomic_t pending;
};
// The program's one piece of state outside any object: a signal handler
// reaches nothing else.
TemporaryToRemove temporary_to_remove;
constexpr int StopSignals[] = {SIGTERM, SIGINT, SIGHUP};

void remove_temporary_and_stop(int signal_number) {
  if (temporary_to_remove.pending) unlink(temporary_to_remove.path);
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

void watch_temporary(const std::string& temporary) {
  if (temporary.size() > PATH_MAX) return;
  std::memcpy(temporary_to_remove.path, temporary.c_str(), temporary.size() + 1);
  temporary_to_remove.pending = 1;
  for (int signal_number : StopSignals)
    std::signal(signal_number, remove_temporary_and_stop);
}

void forget_temporary() { temporary_to_remove.pending = 0; }

void fail(PrintOutput& output, const std::string& what, int error_number) {
  if (output.failed) return;
  output.failed = true;
  output.error = what + ": " + std::strerror(error_number);
}

bool starts_with(const char* text, const char* start) {
  return std::strncmp(text, start, std::strlen(start)) == 0;
}

// What a link leads through: the chain of /dev/stdout is /proc/self/fd/1,
// then the file the shell opened.
struct LinkChain {
  bool system_folders = false;  // a link in /dev or /proc on the way
  int descriptor = -1;          // N of a /proc/self/fd/N on the way
  std::string end;              // where it leads: no link, or nothing there yet
};

LinkChain follow_links(std::string path) {
  LinkChain chain;
  constexpr const char* own_descriptors = "/proc/self/fd/";
  for (int hop = 0; hop < 40; ++hop) {
    if (starts_with(path.c_str(), "/dev/") || starts_with(path.c_str(), "/proc/"))
      chain.system_folders = true;
    if (chain.descriptor < 0 && starts_with(path.c_str(), own_descriptors)) {
      // The whole rest is the descriptor's number, or this is no descriptor.
      const char* digits = path.c_str() + std::strlen(own_descriptors);
      const char* end = path.c_str() + path.size();
      int number = -1;
      if (std::from_chars(digits, end, number).ptr == end) chain.descriptor = number;
    }
    char next[PATH_MAX + 1];
    const ssize_t length = readlink(path.c_str(), next, PATH_MAX);
    chain.end = path;
    if (length < 0) return chain;
    next[length] = '\0';
    const std::size_t slash = path.rfind('/');
    path = next[0] == '/' || slash == std::string::npos
               ? std::string(next)
               : path.substr(0, slash + 1) + next;
  }
  return chain;
}

// Where a file is put in place: the target, or where a link at the target
// leads. Empty when it is written through instead: a device or FIFO, a link
// into /dev or /proc (/dev/stdout leads to the descriptor that standard
// output already holds open, a file the shell redirected to, which a rename
// would leave empty), or a link that leads nowhere yet.
std::string replaced_path(const std::string& target) {
  struct stat info;
  std::string path = target;
  if (lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    if (follow_links(target).system_folders) return {};
    char* resolved = realpath(target.c_str(), nullptr);
    if (resolved == nullptr) return {};
    path = resolved;
    std::free(resolved);
  }
  if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))
    return {};
  return path;
}

// A name of our own in the folder of path: the rename then stays within one
// file system and so replaces the file in one step. The name is the file's
// own with a suffix, its start cut so that it stays within a name's bytes.
// The output's temporary is named only once the file is made.
int create_temporary(PrintOutput& output, const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = path.substr(folder.size());
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    std::string suffix = ".tmp-" + std::to_string(getpid());
    suffix += '-';
    suffix += std::to_string(attempt);
    std::string temporary = folder;
    temporary += name.substr(0, NAME_MAX - suffix.size());
    temporary += suffix;
    fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) output.temporary = temporary;
    if (fd < 0 && errno != EEXIST) break;
  }
  return fd;
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
  output.replaced = replaced_path(target);
  if (output.replaced.empty()) {
    // A descriptor of our own (/dev/stdout) is written on itself, after what
    // the shell wrote there; anything else is appended to.
    const int descriptor = follow_links(target).descriptor;
    if (descriptor >= 0) {
      const int copy = dup(descriptor);
      output.stream = copy >= 0 ? fdopen(copy, "w") : nullptr;
      if (output.stream == nullptr && copy >= 0) close(copy);
    } else {
      output.stream = std::fopen(target.c_str(), "a");
    }
    if (output.stream != nullptr) return true;
    fail(output, "cannot write " + target, errno);
    return false;
  }
  struct stat existing;
  const bool exists = stat(output.replaced.c_str(), &existing) == 0;
  // Renaming over a file only the folder lets us change would defeat the
  // file's own protection.
  if (exists && S_ISREG(existing.st_mode) && (existing.st_mode & 0222) == 0) {
    fail(output, "cannot write " + target, EACCES);
    return false;
  }
  const int fd = create_temporary(output, output.replaced);
  if (fd < 0) {
    fail(output, "cannot write " + target, errno);
    return false;
  }
  watch_temporary(output.temporary);
  const bool mode_kept = !exists || fchmod(fd, existing.st_mode & 0777) == 0;
  output.stream = mode_kept ? fdopen(fd, "w") : nullptr;
  if (output.stream == nullptr) {
    const int error_number = errno;
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
      std::rename(output.temporary.c_str(), output.replaced.c_str()) != 0)
    fail(output, "cannot replace " + name, errno);
  if (output.failed) {
    if (!through) unlink(output.temporary.c_str());
    forget_temporary();
    return false;
  }
  forget_temporary();
  output.temporary.clear();
  return true;
}

bool write_whole_output(const std::string& target, std::FILE* standard_stream,
                        const std::string& text, std::string& error) {
  PrintOutput output;
  if (open_print_output(output, target, standard_stream)) {
    write_print_output(output, text);
    if (finish_print_output(output)) return true;
  }
  error = output.error;
  return false;
}

void abandon_print_output(PrintOutput& output) {
  if (output.target.empty()) return;
  if (output.stream != nullptr) std::fclose(output.stream);
  output.stream = nullptr;
  if (!output.temporary.empty()) unlink(output.temporary.c_str());
  forget_temporary();
  output.temporary.clear();
}

bool print_output_is_file(const std::string& target, const char* file) {
  if (target.empty()) return false;
  struct stat output_info;
  struct stat file_info;
  if (stat(target.c_str(), &output_info) == 0 && stat(file, &file_info) == 0)
    return output_info.st_dev == file_info.st_dev &&
           output_info.st_ino == file_info.st_ino;
  // Not both there yet: the same once folders and links on the way are
  // followed, a last link that leads nowhere yet too, since writing through
  // it creates the file it names.
  std::error_code output_failed;
  std::error_code file_failed;
  const auto output_path =
      std::filesystem::weakly_canonical(follow_links(target).end, output_failed);
  const auto file_path =
      std::filesystem::weakly_canonical(follow_links(file).end, file_failed);
  return !output_failed && !file_failed && output_path == file_path;
}

bool print_output_is_open_file(const std::string& target, int fd) {
  struct stat output_info;
  struct stat file_info;
  return !target.empty() && stat(target.c_str(), &output_info) == 0 &&
         fstat(fd, &file_info) == 0 && output_info.st_dev == file_info.st_dev &&
         output_info.st_ino == file_info.st_ino;
}
