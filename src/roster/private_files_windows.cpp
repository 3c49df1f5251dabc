// Windows: a user's profile folder is private to the user already, so files
// are created with the folder's rights, and nothing is tightened.
#include <fstream>
#include <system_error>

#include "roster/private_files.h"

namespace mireto::roster {

namespace fs = std::filesystem;

bool CreatePrivateFolder(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return fs::is_directory(folder, ec);
}

bool CreatePrivateFile(const fs::path& file) {
  std::error_code ec;
  if (fs::exists(file, ec)) return false;
  std::ofstream out(file, std::ios::binary);
  return static_cast<bool>(out);
}

bool IsOpenToOthers(const fs::path&) { return false; }

bool MakePrivate(const fs::path&) { return true; }

Publish PublishNoReplace(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(to, ec)) {
    fs::remove(from, ec);
    return Publish::Exists;
  }
  fs::rename(from, to, ec);
  if (ec) {
    fs::remove(from, ec);
    return Publish::Failed;
  }
  return Publish::Done;
}

void SyncFolder(const fs::path&) {}

bool WritePrivateFile(const fs::path& file, std::string_view bytes, std::string& error) {
  const fs::path temporary = fs::path(file).concat(".tmp");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      error = "書き込めません";
      std::error_code ec;
      fs::remove(temporary, ec);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temporary, file, ec);
  if (ec) {
    error = "書き込めません";
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace mireto::roster

#include <ctime>

namespace mireto::roster {

std::string LocalStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_s(&local, &now);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

}  // namespace mireto::roster
