#include "output/notify_sound.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <thread>

#include <QCoreApplication>
#include <QDir>

#ifdef _WIN32
#include <windows.h>
#include <mmsystem.h>
#else
#include <canberra.h>
#endif

namespace mireto {

namespace {

std::uint32_t LittleEndian32(const unsigned char* bytes) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

}  // namespace

std::optional<std::chrono::milliseconds> WavDuration(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::array<unsigned char, 12> riff{};
  if (!file.read(reinterpret_cast<char*>(riff.data()), riff.size())) return std::nullopt;
  if (std::string(riff.begin(), riff.begin() + 4) != "RIFF" ||
      std::string(riff.begin() + 8, riff.end()) != "WAVE") {
    return std::nullopt;
  }
  std::uint32_t bytesPerSecond = 0;
  // Walk the chunks: "fmt " gives the byte rate, "data" the clip's size.
  for (;;) {
    std::array<unsigned char, 8> header{};
    if (!file.read(reinterpret_cast<char*>(header.data()), header.size())) return std::nullopt;
    const std::string id(header.begin(), header.begin() + 4);
    const std::uint32_t size = LittleEndian32(header.data() + 4);
    if (id == "fmt ") {
      std::array<unsigned char, 16> format{};
      if (size < format.size() || !file.read(reinterpret_cast<char*>(format.data()), format.size())) {
        return std::nullopt;
      }
      bytesPerSecond = LittleEndian32(format.data() + 8);
      file.seekg(size - format.size() + (size & 1), std::ios::cur);
    } else if (id == "data") {
      if (bytesPerSecond == 0) return std::nullopt;
      return std::chrono::milliseconds{std::uint64_t{size} * 1000 / bytesPerSecond + 1};
    } else {
      file.seekg(size + (size & 1), std::ios::cur);
    }
    if (!file) return std::nullopt;
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

}  // namespace

void PlayWithEventSoundService(const std::string& path, std::shared_ptr<PlaybackSignal> signal) {
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
