// Runs the output window tests under one QApplication.
#include <QApplication>
#include <QFont>

int RunPopupWindowTests(int argc, char** argv);
int RunExportWindowTests(int argc, char** argv);
int RunAboutBoxTests(int argc, char** argv);
int RunNotifySoundTests(int argc, char** argv);

namespace {

// The program maps the layout's font names to the installed Japanese faces;
// the tests use the same mapping.
void InstallFontSubstitutions() {
  QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                             {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
  QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                             {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  int failures = 0;
  failures += RunPopupWindowTests(argc, argv);
  failures += RunExportWindowTests(argc, argv);
  failures += RunAboutBoxTests(argc, argv);
  failures += RunNotifySoundTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
