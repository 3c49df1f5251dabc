#include "output/about_text.h"

namespace mireto {

namespace {

constexpr const char* kTitle = "ミレト Ver.  ";  // one blank before Ver., two after
constexpr const char* kNotice = "Copyright (C) 2025 ミレト開発チーム";
// 7 × U+0020 and one U+3000 before the e-mail address.
constexpr const char* kContactIndent = "       \u3000";
constexpr const char* kContact = "mireto@example.org";
// 2 × U+0020, 3 × U+3000 and one U+0020 before the web address.
constexpr const char* kWebIndent = "  \u3000\u3000\u3000 ";
constexpr const char* kWeb = "https://www.example.org/mireto/";

constexpr const char* kParagraphBreak = "\r\r\n";  // a line break and an empty line
constexpr const char* kLineBreak = "\r\n";

}  // namespace

std::string AboutText(int major, int minor, int revision) {
  std::string text = kTitle;
  text += std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
  text += kParagraphBreak;
  text += kNotice;
  text += kParagraphBreak;
  text += std::string(kContactIndent) + kContact;
  text += kLineBreak;
  text += std::string(kWebIndent) + kWeb;
  return text;
}

}  // namespace mireto
