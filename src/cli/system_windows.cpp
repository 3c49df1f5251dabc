#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <thread>

#include "cli/stream_io.h"
#include "cli/system.h"

namespace mireto::cli {

namespace {

std::string Utf8(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return {};
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), length, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(length - 1));
  return out;
}

}  // namespace

void PrepareStandardStreams() {
  for (FILE* stream : {stdin, stdout, stderr}) {
    const int fd = _fileno(stream);
    if (fd >= 0 && IsOpen(fd)) _setmode(fd, _O_BINARY);
  }
  // Only a console has a code page; redirected output stays bytes.
  SetConsoleOutputCP(CP_UTF8);
}

std::vector<std::string> Utf8Arguments(int, char**) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8(wide[i]));
  LocalFree(wide);
  return arguments;
}

std::tm LocalTime(std::time_t t) {
  std::tm local{};
  localtime_s(&local, &t);
  return local;
}

int AvailableProcessors() {
  DWORD_PTR process = 0;
  DWORD_PTR system = 0;
  if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system) && process != 0)
    return __builtin_popcountll(process);
  const unsigned n = std::thread::hardware_concurrency();
  return n > 0 ? static_cast<int>(n) : 1;
}

namespace {
// The C library moves at most an unsigned int's worth at once.
constexpr std::size_t kMaxTransferBytes = 1u << 30;
}  // namespace

long ReadSome(int fd, char* data, std::size_t bytes) {
  return _read(fd, data, static_cast<unsigned>(std::min(bytes, kMaxTransferBytes)));
}

long WriteSome(int fd, const char* data, std::size_t bytes) {
  return _write(fd, data, static_cast<unsigned>(std::min(bytes, kMaxTransferBytes)));
}

bool IsOpen(int fd) { return _get_osfhandle(fd) != -1; }

}  // namespace mireto::cli
