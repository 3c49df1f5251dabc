#include "output_windows/notify_sound.h"

#include <cstdint>
#include <string_view>
#include <thread>

namespace mireto {

namespace {

std::uint32_t LittleEndian32(const unsigned char* bytes) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
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
  const auto bytes = ReadClipFile(path, kMaxClipBytes);
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

bool PlayWavBlocking(const std::string& path, const SoundPlayer& player, std::chrono::milliseconds grace) {
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

void PlayNotifySound() { PlayWavBlocking(NotifySoundPath(), PlayWithEventSoundService); }

}  // namespace mireto
