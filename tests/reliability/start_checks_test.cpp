// The checks the desktop program makes before its first window: whether a
// display is named, and whether the Japanese faces have an installed font.
#include <QApplication>
#include <QTest>
#include <map>
#include <string>

#include "app/display_check.h"
#include "app/font_check.h"
#include "ui/fonts.h"

namespace mireto::test {

using Environment = std::map<std::string, std::string>;

}  // namespace mireto::test

Q_DECLARE_METATYPE(mireto::test::Environment)

namespace mireto::test {

class StartChecksTest : public QObject {
  Q_OBJECT

 private slots:
  void displayNamed_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Environment>("environment");
    QTest::addColumn<bool>("named");
    const QStringList none;
    QTest::newRow("nothing") << none << Environment{} << false;
    QTest::newRow("empty DISPLAY") << none << Environment{{"DISPLAY", ""}} << false;
    QTest::newRow("DISPLAY") << none << Environment{{"DISPLAY", ":0"}} << true;
    QTest::newRow("WAYLAND_DISPLAY") << none << Environment{{"WAYLAND_DISPLAY", "wayland-0"}} << true;
    QTest::newRow("offscreen") << none << Environment{{"QT_QPA_PLATFORM", "offscreen"}} << true;
    QTest::newRow("xcb without DISPLAY") << none << Environment{{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "w"}}
                                         << false;
    QTest::newRow("xcb with options") << none << Environment{{"QT_QPA_PLATFORM", "xcb:foo=1"}, {"DISPLAY", ":0"}}
                                      << true;
    QTest::newRow("wayland without it") << none << Environment{{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}}
                                        << false;
    QTest::newRow("wayland-egl") << none << Environment{{"QT_QPA_PLATFORM", "wayland-egl"}, {"WAYLAND_DISPLAY", "w"}}
                                 << true;
    QTest::newRow("list falls back to xcb")
        << none << Environment{{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}} << true;
    QTest::newRow("list of unusable") << none << Environment{{"QT_QPA_PLATFORM", "wayland;xcb"}} << false;
    QTest::newRow("-platform beats the variable")
        << QStringList{"-platform", "offscreen"} << Environment{{"QT_QPA_PLATFORM", "xcb"}} << true;
    QTest::newRow("-platform xcb needs DISPLAY")
        << QStringList{"-platform", "xcb"} << Environment{{"QT_QPA_PLATFORM", "offscreen"}} << false;
    QTest::newRow("-platform without a name") << QStringList{"-platform"} << Environment{} << false;
  }
  void displayNamed() {
    QFETCH(QStringList, arguments);
    QFETCH(Environment, environment);
    QFETCH(bool, named);
    std::vector<QByteArray> storage = {QByteArrayLiteral("mireto")};
    for (const QString& argument : arguments) storage.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& each : storage) argv.push_back(each.data());
    argv.push_back(nullptr);
    const auto read = [&environment](const char* name) -> const char* {
      const auto it = environment.find(name);
      return it == environment.end() ? nullptr : it->second.c_str();
    };
    QCOMPARE(DisplayNamed(static_cast<int>(storage.size()), argv.data(), read), named);
  }

  void missingJapaneseFaces_data() {
    QTest::addColumn<bool>("fixedHasJapanese");
    QTest::addColumn<bool>("proportionalHasJapanese");
    QTest::newRow("neither") << false << false;
    QTest::newRow("fixed only") << true << false;
    QTest::newRow("proportional only") << false << true;
    QTest::newRow("both") << true << true;
  }
  void missingJapaneseFaces() {
    QFETCH(bool, fixedHasJapanese);
    QFETCH(bool, proportionalHasJapanese);
    const QStringList faces =
        MissingJapaneseFaces({{FontFace::Gothic, QStringLiteral("DejaVu Sans Mono"), fixedHasJapanese},
                              {FontFace::PGothic, QStringLiteral("DejaVu Sans"), proportionalHasJapanese}});
    QCOMPARE(faces.filter(kGothicFamily).isEmpty(), fixedHasJapanese);
    QCOMPARE(faces.filter(kPGothicFamily).isEmpty(), proportionalHasJapanese);
    if (faces.isEmpty()) return;
    const QString message = MissingFontsMessage(faces);
    QVERIFY(message.contains(QStringLiteral("sudo apt-get install fonts-ipafont")));
    // The fonts to install are named as they are spelled, not as Qt folds them.
    QVERIFY(message.contains(QStringLiteral("IPAPGothic")) || message.contains(QStringLiteral("IPAGothic")));
    QVERIFY(!message.contains(QStringLiteral("ipagothic")) && !message.contains(QStringLiteral("ipapgothic")));
  }

  // This machine has the fonts the program needs (installed with the build's
  // dependencies), so the real check passes without a box. Registered twice:
  // also under a Japanese locale, where fontconfig lists the IPA fonts under
  // their Japanese names.
  void theInstalledFontsPass() {
    for (const ResolvedFace& face : ResolveLayoutFaces()) QVERIFY2(face.hasJapanese, qPrintable(face.family));
    QVERIFY(CheckJapaneseFonts());
  }
};

}  // namespace mireto::test

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  mireto::InstallFontSubstitutions();
  mireto::test::StartChecksTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "start_checks_test.moc"
