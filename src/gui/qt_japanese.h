// Qt's own windows in Japanese whatever the desktop's language: the standard
// buttons, the file and print dialogs and their dates. ミレト speaks only
// Japanese.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QApplication;
class QStyle;
class QTranslator;

namespace mireto {

// An environment variable to set (a value) or to remove (nullopt).
using EnvironmentChange = std::pair<std::string, std::optional<std::string>>;
using EnvironmentReader = std::function<const char*(const char* name)>;

// What makes Qt's system locale format dates in Japanese (Qt reads LC_ALL,
// then LC_TIME, then LANG): LC_TIME set to ja_JP.UTF-8 and, when LC_ALL
// overrides it, LC_ALL moved to LANG. Nothing when the dates are Japanese
// already. Applied before the application object exists.
std::vector<EnvironmentChange> JapaneseDatesEnvironment(const EnvironmentReader& read);
void ApplyEnvironment(const std::vector<EnvironmentChange>& changes);

// Loads Qt's Japanese translations (qtbase_ja from Qt's translations folder)
// into translator and installs it; false when they cannot be found.
bool InstallQtJapanese(QApplication& app, QTranslator& translator);

// The folder file dialogs open in: the user's documents folder, else home.
QString DocumentsFolder();

// The application's style (base, or the platform's default when null)
// without icons on the buttons of dialogs and message boxes.
QStyle* PlainButtonStyle(QStyle* base = nullptr);

}  // namespace mireto
