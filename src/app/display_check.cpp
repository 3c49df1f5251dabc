#include "app/display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace mireto {

namespace {

bool IsSet(const char* value) { return value != nullptr && value[0] != '\0'; }

// The platform asked for on the command line ("-platform NAME") or in
// QT_QPA_PLATFORM; empty when none. Qt reads a list "a;b" and tries each.
std::string RequestedPlatform(int argc, char** argv, const EnvironmentReader& environment) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return argv[i + 1];
  const char* variable = environment("QT_QPA_PLATFORM");
  return IsSet(variable) ? variable : "";
}

// Given by the guard, read by the message handler (which has no context of its own).
std::string platformFailureProgramDirectory;
QtMessageHandler previousHandler = nullptr;

// Qt's messages while the platform starts, held back: when it fails they
// would only repeat the failure in English; when it starts they are passed on.
struct HeldMessage {
  QtMsgType type;
  QString category;
  QString text;
};
std::vector<HeldMessage> heldMessages;

void HandleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    heldMessages.push_back({type, QString::fromUtf8(context.category ? context.category : ""), message});
    return;
  }
  const std::string text =
      NoDisplayMessage("画面（表示用のプラットフォーム）に接続できない", platformFailureProgramDirectory);
  std::fputs(text.c_str(), stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

bool DisplayNamed(int argc, char** argv, const EnvironmentReader& environment) {
  const std::string platform = RequestedPlatform(argc, argv, environment);
  const bool x11 = IsSet(environment("DISPLAY"));
  const bool wayland = IsSet(environment("WAYLAND_DISPLAY"));
  if (platform.empty()) return x11 || wayland;
  // Each entry of the list in turn: the first one that can start is used.
  for (std::size_t start = 0; start <= platform.size();) {
    std::size_t end = platform.find(';', start);
    if (end == std::string::npos) end = platform.size();
    const std::string name = platform.substr(start, end - start);
    const std::string base = name.substr(0, name.find(':'));  // "xcb:option" carries options
    if (base == "xcb") {
      if (x11) return true;
    } else if (base.rfind("wayland", 0) == 0) {
      if (wayland) return true;
    } else if (!base.empty()) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

std::string NoDisplayMessage(std::string_view reason, std::string_view programDirectory) {
  std::string chartTool = std::string(programDirectory);
  if (!chartTool.empty() && chartTool.back() != '/') chartTool += '/';
  chartTool += "mireto-chart";
  return "ミレト: " + std::string(reason) +
         "ため、ウィンドウを表示できません。\n"
         "同じ命式はコマンドラインで計算できます。例:\n"
         "  " +
         chartTool + " --sex M --jisa 0:0 2000-01-01 12:00\n";
}

ExitOnPlatformFailure::ExitOnPlatformFailure(std::string programDirectory) {
  platformFailureProgramDirectory = std::move(programDirectory);
  previousHandler = qInstallMessageHandler(HandleMessage);
}

ExitOnPlatformFailure::~ExitOnPlatformFailure() {
  qInstallMessageHandler(previousHandler);
  for (const HeldMessage& held : heldMessages) {
    const QByteArray category = held.category.toUtf8();
    const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
    qt_message_output(held.type, context, held.text);
  }
  heldMessages.clear();
}

}  // namespace mireto
