#include <windows.h>
#include <mmsystem.h>

#include <algorithm>

#include "core/utf8_path.h"
#include "output_windows/notify_sound.h"

namespace mireto {

namespace {

std::wstring Wide(const std::string& utf8) { return PathFromUtf8(utf8).wstring(); }

}  // namespace

// The file is opened and checked through the same handle: only a file on a
// disk is read (a device such as NUL, a pipe or a folder is refused).
std::optional<std::string> ReadClipFile(const std::string& path, std::size_t maxBytes) {
  const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::string> result;
  BY_HANDLE_FILE_INFORMATION information{};
  if (GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &information) &&
      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    std::string bytes(maxBytes + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
      DWORD n = 0;
      const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1 << 20));
      if (!ReadFile(file, bytes.data() + filled, wanted, &n, nullptr) || n == 0) break;
      filled += n;
    }
    bytes.resize(filled);
    if (bytes.size() <= maxBytes) result = std::move(bytes);
  }
  CloseHandle(file);
  return result;
}

void PlayWithEventSoundService(const std::string& path, const std::shared_ptr<PlaybackSignal>& signal) {
  // Synchronous: returns when the sound has ended, or at once when there is
  // no sound device or the file cannot be played (no default sound instead).
  PlaySoundW(Wide(path).c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
  signal->finish();
}

std::string NotifySoundPath() {
  // The design's own sound: notify.wav in the Windows media folder.
  wchar_t folder[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return {};
  return Utf8Text(std::filesystem::path(folder) / L"Media" / L"notify.wav");
}

}  // namespace mireto
