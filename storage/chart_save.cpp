#include "storage/chart_save.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

// Held until the file is closed. Every save takes it, from any program, so no
// other line lands between the length taken and a cut.
bool lock_file(int fd) {
  while (flock(fd, LOCK_EX) != 0)
    if (errno != EINTR) return false;
  return true;
}

// One write, so that the line never mixes with another writer's. A failed
// write is cut back on the open file: cut by name, it could take a line
// another writer appended meanwhile, or stretch a file put in its place.
bool write_line(int fd, const char* text) {
  struct stat before;
  if (fstat(fd, &before) != 0 || !S_ISREG(before.st_mode)) return false;
  const std::size_t size = std::strlen(text);
  if (write(fd, text, size) == static_cast<ssize_t>(size)) return true;
  if (ftruncate(fd, before.st_size) != 0) return false;  // still just a failed save
  return false;
}

}  // namespace

bool append_chart_line(const char* filename, const ChartLine& line) {
  // By default a file-size limit ends the program in the middle of the line;
  // ignored, it is a write that fails like a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  // Without O_NONBLOCK, opening a FIFO waits for a reader.
  const int fd =
      open(filename, O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const bool written = lock_file(fd) && write_line(fd, line.text);
  return close(fd) == 0 && written;
}
