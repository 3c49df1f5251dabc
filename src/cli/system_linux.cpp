#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "cli/stream_io.h"
#include "cli/system.h"

namespace mireto::cli {

void PrepareStandardStreams() {}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

std::tm LocalTime(std::time_t t) {
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

int AvailableProcessors() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0) return CPU_COUNT(&set);
  const unsigned n = std::thread::hardware_concurrency();
  return n > 0 ? static_cast<int>(n) : 1;
}

long ReadSome(int fd, char* data, std::size_t bytes) { return static_cast<long>(::read(fd, data, bytes)); }

long WriteSome(int fd, const char* data, std::size_t bytes) { return static_cast<long>(::write(fd, data, bytes)); }

bool IsOpen(int fd) { return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

}  // namespace mireto::cli
