// File paths to and from UTF-8 text. The programs keep every text in UTF-8;
// a path's own string() is in the system's narrow encoding, which on Windows
// is the ANSI code page and loses Japanese names. On Linux both directions
// copy the bytes unchanged.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mireto {

inline std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8Text(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace mireto
