#include "gui/qt_japanese.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QStandardPaths>
#include <QTranslator>
#include <cstdlib>
#include <string_view>

namespace mireto {

namespace {

constexpr const char* kJapanese = "ja_JP.UTF-8";

bool IsJapanese(const char* locale) { return locale != nullptr && std::string_view(locale).starts_with("ja"); }
bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

class PlainButtons : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

std::vector<EnvironmentChange> JapaneseDatesEnvironment(const EnvironmentReader& read) {
  const char* all = read("LC_ALL");
  const char* time = read("LC_TIME");
  const char* lang = read("LANG");
  const char* effective = IsSet(all) ? all : IsSet(time) ? time : lang;
  if (IsJapanese(effective)) return {};
  std::vector<EnvironmentChange> changes;
  if (IsSet(all)) {
    changes.emplace_back("LANG", std::string(all));
    changes.emplace_back("LC_ALL", std::nullopt);
  }
  changes.emplace_back("LC_TIME", std::string(kJapanese));
  return changes;
}

void ApplyEnvironment(const std::vector<EnvironmentChange>& changes) {
  for (const auto& [name, value] : changes) {
    if (value) {
      qputenv(name.c_str(), QByteArray::fromStdString(*value));
    } else {
      qunsetenv(name.c_str());
    }
  }
}

bool InstallQtJapanese(QApplication& app, QTranslator& translator) {
  // Qt's own folder (Debian's package), else translations/ beside the
  // program, where the Windows build puts them.
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
  if (!translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      !translator.load(QStringLiteral("qtbase_ja"), beside))
    return false;
  return app.installTranslator(&translator);
}

QString DocumentsFolder() {
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QDir(documents).exists()) return documents;
  return QDir::homePath();
}

QStyle* PlainButtonStyle(QStyle* base) { return base != nullptr ? new PlainButtons(base) : new PlainButtons(); }

}  // namespace mireto
