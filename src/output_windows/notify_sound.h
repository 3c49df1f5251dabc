// The notification sound of the About box, played synchronously.
//
// The caller stays blocked until the clip has ended, but never longer than
// the clip's length plus a grace period: with no sound device, an unreadable
// file or a player that never reports the end, it returns silently.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace mireto {

constexpr std::chrono::milliseconds kSoundGrace{2500};

// A notification clip lasts seconds; a file this large is not one.
constexpr std::size_t kMaxClipBytes = 16 * 1024 * 1024;

// The bytes of path when it is a regular file of at most maxBytes; nullopt at
// once for anything else (a FIFO, a device or a folder is never waited on).
std::optional<std::string> ReadClipFile(const std::string& path, std::size_t maxBytes);

// The playing time of a PCM RIFF/WAVE file, or nullopt when the file cannot be
// read or is not such a file. Only a regular file is read: a FIFO, a device or
// a folder in its place gives nullopt at once instead of blocking.
std::optional<std::chrono::milliseconds> WavDuration(const std::string& path);

// Shared between the waiting caller and the thread that plays.
class PlaybackSignal {
 public:
  // The player reports the end of the clip (or its failure).
  void finish();
  // The caller has stopped waiting; the player should stop.
  void abandon();
  bool abandoned() const;
  // Waits until finish() or the deadline; true when finished in time.
  bool waitFinished(std::chrono::steady_clock::time_point deadline);
  // Waits until finish() or abandon().
  void waitFinishedOrAbandoned();

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool finished_ = false;
  bool abandoned_ = false;
};

// Plays path and calls signal->finish() when it ends; runs on its own thread.
using SoundPlayer = std::function<void(const std::string& path, std::shared_ptr<PlaybackSignal> signal)>;

// Plays a WAVE file with the given player and waits for its end, at most the
// clip's length plus grace. Returns true when the player reported the end in
// time; false at once when the file is unreadable.
bool PlayWavBlocking(const std::string& path, const SoundPlayer& player, std::chrono::milliseconds grace = kSoundGrace);

// The system's player, as a SoundPlayer: the desktop's event-sound service
// (libcanberra) on Linux, PlaySoundW on Windows (notify_sound_linux.cpp,
// notify_sound_windows.cpp).
void PlayWithEventSoundService(const std::string& path, const std::shared_ptr<PlaybackSignal>& signal);

// Where the notification sound lives: on Windows %WINDIR%\Media\notify.wav;
// on Linux notify.wav beside the program.
std::string NotifySoundPath();

// Plays the notification sound synchronously with the system's player, with
// the limits of PlayWavBlocking; failures are silent.
void PlayNotifySound();

}  // namespace mireto
