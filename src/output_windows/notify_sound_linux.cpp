#include <alsa/asoundlib.h>
#include <canberra.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <mutex>

#include <QCoreApplication>
#include <QDir>

#include "output_windows/notify_sound.h"

namespace mireto {

// Opening a FIFO or a device could block for ever (a FIFO waits for a
// writer), so the file is opened without blocking and checked through the
// same descriptor before anything is read.
std::optional<std::string> ReadClipFile(const std::string& path, std::size_t maxBytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    return std::nullopt;
  }
  std::string bytes(maxBytes + 1, '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t n = read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    filled += static_cast<std::size_t>(n);
  }
  close(fd);
  bytes.resize(filled);
  if (bytes.size() > maxBytes) return std::nullopt;
  return bytes;
}

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

void PlayWithEventSoundService(const std::string& path, const std::shared_ptr<PlaybackSignal>& signal) {
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
    playing = ca_context_play_full(context, kPlaybackId, properties, OnCanberraFinished, signal.get()) == CA_SUCCESS;
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

}  // namespace mireto
