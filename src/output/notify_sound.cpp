#include "output/notify_sound.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <thread>

#include <QCoreApplication>
#include <QDir>

#ifdef _WIN32
#include <windows.h>
#include <mmsystem.h>
#else
#include <alsa/asoundlib.h>
#include <canberra.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace mireto {

namespace {

std::uint32_t LittleEndian32(const unsigned char* bytes) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

// A notification clip lasts seconds; a file this large is not one.
constexpr std::size_t kMaxClipBytes = 16 * 1024 * 1024;

// The bytes of path when it is a regular file of at most kMaxClipBytes.
// Opening a FIFO or a device could block for ever (a FIFO waits for a
// writer), so the file is opened without blocking and checked through the
// same descriptor before anything is read.
std::optional<std::string> ReadRegularFile(const std::string& path) {
#ifdef _WIN32
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  std::string bytes(kMaxClipBytes + 1, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
#else
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    return std::nullopt;
  }
  std::string bytes(kMaxClipBytes + 1, '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t n = read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    filled += static_cast<std::size_t>(n);
  }
  close(fd);
  bytes.resize(filled);
#endif
  if (bytes.size() > kMaxClipBytes) return std::nullopt;
  return bytes;
}

// Reads a RIFF file's bytes in order; a read past the end fails.
class ChunkReader {
 public:
  explicit ChunkReader(std::string_view bytes) : bytes_(bytes) {}
  const unsigned char* take(std::size_t count) {
    if (count > bytes_.size() - position_) return nullptr;
    const auto* start = reinterpret_cast<const unsigned char*>(bytes_.data() + position_);
    position_ += count;
    return start;
  }
  bool skip(std::uint64_t count) {
    if (count > bytes_.size() - position_) return false;
    position_ += static_cast<std::size_t>(count);
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

}  // namespace

std::optional<std::chrono::milliseconds> WavDuration(const std::string& path) {
  const auto bytes = ReadRegularFile(path);
  if (!bytes) return std::nullopt;
  ChunkReader file(*bytes);
  const unsigned char* riff = file.take(12);
  if (riff == nullptr || std::string_view(reinterpret_cast<const char*>(riff), 4) != "RIFF" ||
      std::string_view(reinterpret_cast<const char*>(riff) + 8, 4) != "WAVE") {
    return std::nullopt;
  }
  std::uint32_t bytesPerSecond = 0;
  // Walk the chunks: "fmt " gives the byte rate, "data" the clip's size.
  for (;;) {
    const unsigned char* header = file.take(8);
    if (header == nullptr) return std::nullopt;
    const std::string_view id(reinterpret_cast<const char*>(header), 4);
    const std::uint32_t size = LittleEndian32(header + 4);
    const std::uint64_t padded = std::uint64_t{size} + (size & 1);
    if (id == "fmt ") {
      constexpr std::size_t kFormatBytes = 16;
      const unsigned char* format = size < kFormatBytes ? nullptr : file.take(kFormatBytes);
      if (format == nullptr) return std::nullopt;
      bytesPerSecond = LittleEndian32(format + 8);
      if (!file.skip(padded - kFormatBytes)) return std::nullopt;
    } else if (id == "data") {
      if (bytesPerSecond == 0) return std::nullopt;
      return std::chrono::milliseconds{std::uint64_t{size} * 1000 / bytesPerSecond + 1};
    } else if (!file.skip(padded)) {
      return std::nullopt;
    }
  }
}

void PlaybackSignal::finish() {
  {
    std::lock_guard lock(mutex_);
    finished_ = true;
  }
  changed_.notify_all();
}

void PlaybackSignal::abandon() {
  {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
  }
  changed_.notify_all();
}

bool PlaybackSignal::abandoned() const {
  std::lock_guard lock(mutex_);
  return abandoned_;
}

bool PlaybackSignal::waitFinished(std::chrono::steady_clock::time_point deadline) {
  std::unique_lock lock(mutex_);
  return changed_.wait_until(lock, deadline, [this] { return finished_; });
}

void PlaybackSignal::waitFinishedOrAbandoned() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return finished_ || abandoned_; });
}

bool PlayWavBlocking(const std::string& path, const SoundPlayer& player,
                     std::chrono::milliseconds grace) {
  const auto length = WavDuration(path);
  if (!length) return false;
  const auto deadline = std::chrono::steady_clock::now() + *length + grace;
  auto signal = std::make_shared<PlaybackSignal>();
  // The player runs detached: if it never returns, only its thread waits.
  std::thread([player, path, signal] {
    player(path, signal);
    signal->finish();
  }).detach();
  if (signal->waitFinished(deadline)) return true;
  signal->abandon();
  return false;
}

#ifdef _WIN32

void PlayWithEventSoundService(const std::string& path, std::shared_ptr<PlaybackSignal> signal) {
  // Synchronous: returns when the sound has ended; the platform falls back to
  // its default sound or silence when the file cannot be played.
  PlaySoundA(path.c_str(), nullptr, 0);
  signal->finish();
}

std::string NotifySoundPath() { return std::string("c:\\windows\\media\\") + "notify.wav"; }

#else

namespace {

void OnCanberraFinished(ca_context*, std::uint32_t, int, void* userdata) {
  static_cast<PlaybackSignal*>(userdata)->finish();
}

// ALSA writes a line to standard error for every device it fails to open, and
// the sound service tries several: on a machine without audio that is a
// screenful for each sound. The failure reaches the caller as a status
// anyway, so the library's own report is dropped.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void QuietAlsa() {
  static std::once_flag quieted;
  std::call_once(quieted, [] { snd_lib_error_set_handler(IgnoreAlsaError); });
}

}  // namespace

void PlayWithEventSoundService(const std::string& path, std::shared_ptr<PlaybackSignal> signal) {
  QuietAlsa();
  ca_context* context = nullptr;
  if (ca_context_create(&context) != CA_SUCCESS) return;
  constexpr std::uint32_t kPlaybackId = 1;
  ca_proplist* properties = nullptr;
  bool playing = false;
  if (ca_context_open(context) == CA_SUCCESS && ca_proplist_create(&properties) == CA_SUCCESS) {
    ca_proplist_sets(properties, CA_PROP_MEDIA_FILENAME, path.c_str());
    ca_proplist_sets(properties, CA_PROP_EVENT_DESCRIPTION, "notify");
    // The signal outlives the context: this function holds it until destroy.
    playing = ca_context_play_full(context, kPlaybackId, properties, OnCanberraFinished,
                                   signal.get()) == CA_SUCCESS;
    ca_proplist_destroy(properties);
  }
  if (playing) {
    signal->waitFinishedOrAbandoned();
    if (signal->abandoned()) ca_context_cancel(context, kPlaybackId);
  }
  ca_context_destroy(context);
}

std::string NotifySoundPath() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("notify.wav")).toStdString();
}

#endif

#ifdef _WIN32
// PlaySoundA is synchronous and never hangs: it plays the file, the default
// sound or nothing.
void PlayNotifySound() { PlaySoundA(NotifySoundPath().c_str(), nullptr, 0); }
#else
void PlayNotifySound() { PlayWavBlocking(NotifySoundPath(), PlayWithEventSoundService); }
#endif

}  // namespace mireto
