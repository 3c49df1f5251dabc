#include <cstdio>
#include <cstdlib>

#include "app/desktop_platform.h"
#include "app/display_check.h"
#include "app/font_check.h"

namespace mireto {

bool DesktopAvailable(int argc, char** argv, const std::string& programFolderText) {
  if (DisplayNamed(argc, argv, [](const char* name) { return std::getenv(name); })) return true;
  const std::string message = NoDisplayMessage(
      "グラフィカルな画面が見つからない（環境変数 DISPLAY も WAYLAND_DISPLAY も使えない）", programFolderText);
  std::fputs(message.c_str(), stderr);
  return false;
}

void PrepareJapaneseFonts(const QString&) { CheckJapaneseFonts(); }

}  // namespace mireto
