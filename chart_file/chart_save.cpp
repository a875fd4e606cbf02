#include "chart_file/chart_save.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <string>

namespace {

// Another program may hold the lock for good (flock charts.vnt sleep 60): it
// is asked for again every 50 ms, for 3 seconds at most.
constexpr int lock_attempts = 60;
constexpr long lock_pause_ns = 50'000'000;

ChartSaveResult cause_of(int error_number) {
  switch (error_number) {
    case EISDIR:
      return chart_save_directory;
    case ENOENT:
    case ENOTDIR:
      return chart_save_missing_folder;
    case EACCES:
    case EPERM:
    case EROFS:
      return chart_save_permission;
    case ENOSPC:
    case EDQUOT:
      return chart_save_disk_full;
    case EFBIG:
      return chart_save_size_limit;
    case EWOULDBLOCK:
      return chart_save_busy;
    default:
      return chart_save_failed;
  }
}

// Held until the file is closed. Every save takes it, from any program, so no
// other line lands between the length taken and a cut.
ChartSaveResult lock_file(int fd) {
  for (int attempt = 0; attempt < lock_attempts; ++attempt) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return chart_saved;
    if (errno != EWOULDBLOCK && errno != EINTR) return cause_of(errno);
    const timespec pause{0, lock_pause_ns};
    nanosleep(&pause, nullptr);
  }
  return chart_save_busy;
}

// True when the file's last byte is not a newline: the next line would be
// glued onto it.
bool lacks_final_newline(int fd, off_t size) {
  char last = '\n';
  return size > 0 && pread(fd, &last, 1, size - 1) == 1 && last != '\n';
}

// One write, so that the line never mixes with another writer's. A failed
// write is cut back on the open file: cut by name, it could take a line
// another writer appended meanwhile, or stretch a file put in its place.
ChartSaveResult write_line(int fd, const char* text) {
  struct stat before;
  if (fstat(fd, &before) != 0) return cause_of(errno);
  if (!S_ISREG(before.st_mode)) return chart_save_not_regular_file;
  std::string bytes = lacks_final_newline(fd, before.st_size) ? "\n" : "";
  bytes += text;
  errno = 0;
  const ssize_t written = write(fd, bytes.data(), bytes.size());
  if (written == static_cast<ssize_t>(bytes.size())) return chart_saved;
  // A write cut short by a full disk or a size limit tells why only when the
  // rest is tried.
  if (written >= 0) {
    const auto rest = bytes.size() - static_cast<std::size_t>(written);
    errno = 0;
    if (write(fd, bytes.data() + written, rest) == static_cast<ssize_t>(rest))
      return chart_saved;
  }
  const ChartSaveResult cause = cause_of(errno);
  if (ftruncate(fd, before.st_size) != 0) return cause;  // still just a failed save
  return cause;
}

}  // namespace

ChartSaveResult append_chart_line(const char* filename, const ChartLine& line) {
  // By default a file-size limit ends the program in the middle of the line;
  // ignored, it is a write that fails like a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  // Without O_NONBLOCK, opening a FIFO waits for a reader.
  // Read as well, for the last byte; a file we may only write is still saved
  // to.
  constexpr int flags = O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC;
  int fd = open(filename, O_RDWR | flags, 0666);
  if (fd < 0 && errno == EACCES) fd = open(filename, O_WRONLY | flags, 0666);
  if (fd < 0) return errno == ENXIO ? chart_save_not_regular_file : cause_of(errno);
  ChartSaveResult result = lock_file(fd);
  if (result == chart_saved) result = write_line(fd, line.text);
  if (close(fd) != 0 && result == chart_saved) result = cause_of(errno);
  return result;
}

const char* chart_save_cause(ChartSaveResult result) {
  switch (result) {
    case chart_saved:
      return nullptr;
    case chart_save_directory:
      return "the chart file is a folder";
    case chart_save_missing_folder:
      return "the chart file's folder does not exist";
    case chart_save_permission:
      return "no permission to write the chart file";
    case chart_save_disk_full:
      return "the disk is full";
    case chart_save_size_limit:
      return "the chart file would pass the file size limit";
    case chart_save_busy:
      return "the chart file is busy";
    case chart_save_not_regular_file:
      return "the chart file is not a regular file";
    case chart_save_failed:
      break;
  }
  return "the system refused the write";
}
