#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "roster/private_files.h"

namespace mireto::roster {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kOthers = S_IRWXG | S_IRWXO;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool closeNow() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string Reason(int errorNumber) {
  switch (errorNumber) {
    case ENOSPC:
    case EDQUOT: return "ディスクの空きがありません";
    case EACCES:
    case EPERM:
    case EROFS: return "書き込む権限がありません";
    case ENOENT: return "フォルダがありません";
    default: return std::strerror(errorNumber);
  }
}

}  // namespace

bool CreatePrivateFolder(const fs::path& folder) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return true;
  if (folder.has_parent_path() && folder.parent_path() != folder) fs::create_directories(folder.parent_path(), ec);
  if (mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) return false;
  // mkdir's mode passes through the umask; the final mode does not.
  chmod(folder.c_str(), S_IRWXU);
  return fs::is_directory(folder, ec);
}

bool CreatePrivateFile(const fs::path& file) {
  FileDescriptor fd(open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR));
  if (fd.get() < 0) return false;
  fchmod(fd.get(), S_IRUSR | S_IWUSR);
  return fd.closeNow();
}

bool IsOpenToOthers(const fs::path& path) {
  struct stat status {};
  if (lstat(path.c_str(), &status) != 0 || S_ISLNK(status.st_mode)) return false;
  return (status.st_mode & kOthers) != 0;
}

bool MakePrivate(const fs::path& path) {
  struct stat status {};
  if (lstat(path.c_str(), &status) != 0 || S_ISLNK(status.st_mode)) return false;
  return chmod(path.c_str(), status.st_mode & ~kOthers & 07777) == 0;
}

Publish PublishNoReplace(const fs::path& from, const fs::path& to) {
  // link() never replaces an existing name, unlike rename().
  if (link(from.c_str(), to.c_str()) != 0) {
    const Publish result = errno == EEXIST ? Publish::Exists : Publish::Failed;
    unlink(from.c_str());
    return result;
  }
  unlink(from.c_str());
  return Publish::Done;
}

void SyncFolder(const fs::path& folder) {
  FileDescriptor fd(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) fsync(fd.get());
}

bool WritePrivateFile(const fs::path& file, std::string_view bytes, std::string& error) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  std::string pattern = (folder / ("." + file.filename().string() + "-XXXXXX")).string();
  // mkstemp creates the file with mode 0600 whatever the umask.
  FileDescriptor fd(mkstemp(pattern.data()));
  if (fd.get() < 0) {
    error = Reason(errno);
    return false;
  }
  fchmod(fd.get(), S_IRUSR | S_IWUSR);
  const bool written = WriteAll(fd.get(), bytes) && fsync(fd.get()) == 0;
  const int writeError = errno;
  if (!fd.closeNow() || !written) {
    error = Reason(written ? errno : writeError);
    unlink(pattern.c_str());
    return false;
  }
  if (rename(pattern.c_str(), file.c_str()) != 0) {
    error = Reason(errno);
    unlink(pattern.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace mireto::roster

#include <ctime>

namespace mireto::roster {

std::string LocalStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

}  // namespace mireto::roster
