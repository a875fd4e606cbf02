#include "gui/local_clock.h"

std::tm system_local_time() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}
