// The desktop program under a locale whose decimal separator is a comma
// (de_DE, generated with localedef into the build folder and selected through
// LOCPATH before QApplication adopts the environment's locale): every number
// the program formats keeps its decimal point, and every text of the main
// window equals what mireto-chart --json prints for the same birth.
#include <spawn.h>
#include <sys/wait.h>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "chart/text_format.h"
#include "core/numeric.h"
#include "find_control.h"
#include "gui/resources.h"
#include "map/map_conversions.h"
#include "qt_input.h"
#include "ui/fonts.h"
#include "ui/main_window.h"

Q_DECLARE_METATYPE(mireto::roster::BirthTexts)

namespace mireto::test {
namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

// Generates the comma locale into the build folder and selects it for this
// process. Returns why it could not be, or an empty text.
std::string SelectCommaLocale() {
  const std::string directory = MIRETO_LOCALE_DIR;
  QDir().mkpath(QString::fromStdString(directory));
  const std::string target = directory + "/" + kCommaLocale;
  // -c: write the locale even where the source draws warnings.
  const char* argv[] = {"localedef", "-c", "-i", "de_DE", "-f", "UTF-8", target.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "localedef", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
    return "localedef is not installed (Debian package libc-bin, locale sources in locales)";
  int status = 0;
  waitpid(pid, &status, 0);
  if (!QFileInfo::exists(QString::fromStdString(target + "/LC_NUMERIC")))
    return "localedef could not generate " + std::string(kCommaLocale) +
           " (are the sources of package locales installed?)";
  setenv("LOCPATH", directory.c_str(), 1);
  setenv("LC_ALL", kCommaLocale, 1);
  return {};
}

// How the C library now writes 2.5: "2,5" once the comma locale is in force.
std::string CLibraryTwoAndAHalf() {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.1f", 2.5);
  return buffer;
}

template <typename T>
T* Find(const QObject* root, const QString& name) {
  T* control = root->findChild<T*>(name);
  if (control == nullptr) qFatal("no control named %s", qPrintable(name));
  return control;
}

// Each displayed text as "key=text", in the vocabulary of mireto-chart's JSON.
QStringList WindowTexts(const MainWindow& w) {
  QStringList texts;
  const auto field = [&](const char* key, const char* name) {
    texts << QStringLiteral("%1=%2").arg(QString::fromUtf8(key), Find<QLineEdit>(&w, QString::fromUtf8(name))->text());
  };
  const auto label = [&](const QString& key, const QString& name) {
    texts << QStringLiteral("%1=%2").arg(key, Find<QLabel>(&w, name)->text());
  };
  field("birthday", "txtBirthday");
  texts << QStringLiteral("sex=%1").arg(
      Find<QRadioButton>(&w, QStringLiteral("optM"))->isChecked() ? QStringLiteral("男") : QStringLiteral("女"));
  field("age", "txtAge");
  field("weekday", "txtweek");
  field("equationOfTime", "txtKinjisa");
  field("trueSolarTime", "txtShin");
  field("sunLongitude", "txtKoukei");
  field("luckStart", "txtKoutai");
  field("luckChange", "txtKoutaiYM");
  label(QStringLiteral("seasonElement"), QStringLiteral("lblOu"));
  const char* pillars[] = {"year", "month", "day", "hour"};
  const char* prefixes[] = {"y", "m", "d", "h"};
  for (int i = 0; i < 4; ++i) {
    const QString key = QString::fromUtf8(pillars[i]);
    const QString prefix = QString::fromUtf8(prefixes[i]);
    label(key + QStringLiteral(".stem"), prefix + QStringLiteral("Kan"));
    label(key + QStringLiteral(".branch"), prefix + QStringLiteral("Shi"));
    label(key + QStringLiteral(".hidden"), QStringLiteral("lbl_%1Zokan").arg(prefix));
  }
  // Every label of each row, as many as the window has.
  for (const auto& [key, array] : {std::pair{"stems", "dun_kan"}, std::pair{"branches", "dun_shi"},
                                   std::pair{"firstAges", "sai1"}, std::pair{"lastAges", "sai2"}})
    for (int i = 0; w.findChild<QLabel*>(IndexedName(array, i)) != nullptr; ++i)
      label(QStringLiteral("%1[%2]").arg(QString::fromUtf8(key)).arg(i), IndexedName(array, i));
  QString current = QStringLiteral("null");
  for (int i = 0; w.findChild<QLabel*>(IndexedName("dun_kan", i)) != nullptr; ++i)
    if (Find<QLabel>(&w, IndexedName("dun_kan", i))->font().bold()) current = QString::number(i);
  texts << QStringLiteral("current=%1").arg(current);
  return texts;
}

QStringList JsonTexts(const nlohmann::json& j) {
  QStringList texts;
  const auto text = [&](const QString& key, const nlohmann::json& value) {
    texts << QStringLiteral("%1=%2").arg(key, QString::fromStdString(value.get<std::string>()));
  };
  for (const char* key : {"birthday", "sex", "age", "weekday", "equationOfTime", "trueSolarTime", "sunLongitude",
                          "luckStart", "luckChange", "seasonElement"})
    text(QString::fromUtf8(key), j.at(key));
  for (const char* pillar : {"year", "month", "day", "hour"})
    for (const char* part : {"stem", "branch", "hidden"})
      text(QStringLiteral("%1.%2").arg(QString::fromUtf8(pillar), QString::fromUtf8(part)),
           j.at("pillars").at(pillar).at(part));
  const nlohmann::json& luck = j.at("luck");
  for (const char* key : {"stems", "branches", "firstAges", "lastAges"})
    for (std::size_t i = 0; i < luck.at(key).size(); ++i)
      text(QStringLiteral("%1[%2]").arg(QString::fromUtf8(key)).arg(i), luck.at(key).at(i));
  const nlohmann::json& current = luck.at("current");
  texts << QStringLiteral("current=%1")
               .arg(current.is_null() ? QStringLiteral("null") : QString::number(current.get<int>()));
  return texts;
}

}  // namespace

class CommaLocaleTest : public QObject {
  Q_OBJECT

 public:
  explicit CommaLocaleTest(std::string unavailable) : unavailable_(std::move(unavailable)) {}

 private slots:
  void init() {
    if (!unavailable_.empty()) QSKIP(qPrintable(QString::fromStdString("comma locale not available: " + unavailable_)));
    // QApplication has adopted the environment's locale: printf now writes a comma.
    if (CLibraryTwoAndAHalf() != "2,5")
      QSKIP(qPrintable(QStringLiteral("the C library ignored the generated %1 locale").arg(kCommaLocale)));
  }

  void numberForms_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one decimal") << QString::fromStdString(FormatOneDecimal(2.5)) << "2.5";
    QTest::newRow("one decimal, negative") << QString::fromStdString(FormatOneDecimal(-3.25)) << "-3.3";
    QTest::newRow("one decimal, carry") << QString::fromStdString(FormatOneDecimal(9.96)) << "10.0";
    QTest::newRow("general") << QString::fromStdString(FormatGeneral(279.981969267678)) << "279.981969267678";
    QTest::newRow("general, exponent") << QString::fromStdString(FormatGeneral(0.000015)) << "1.5E-05";
    QTest::newRow("general, large") << QString::fromStdString(FormatGeneral(1234567.5)) << "1234567.5";
    const DmsTexts dms = SplitDms(135.875);  // exact in binary: 52.5 minutes
    QTest::newRow("map degrees") << QString::fromStdString(dms.degrees + "/" + dms.minutes + "/" + dms.seconds)
                                 << "135/52/30";
    QTest::newRow("leading number") << QString::number(LeadingNumber("12.75abc"), 'f', 2) << "12.75";
  }
  void numberForms() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
  }

  void windowEqualsChartTool_data() {
    using roster::BirthTexts;
    QTest::addColumn<BirthTexts>("birth");
    QTest::newRow("2000-01-01 12:00 F") << BirthTexts{"2000-01-01", "12", "0", "F", "0", "0"};
    QTest::newRow("1990-05-03 14:27 M +18:45") << BirthTexts{"1990-05-03", "14", "27", "M", "18", "45"};
    QTest::newRow("1975-11-08 23:59 F -19:00") << BirthTexts{"1975-11-08", "23", "59", "F", "-19", "0"};
    QTest::newRow("1801-02-04 06:05 M +0:07") << BirthTexts{"1801-02-04", "6", "5", "M", "0", "7"};
    QTest::newRow("2079-12-31 ?:? M") << BirthTexts{"2079-12-31", "?", "?", "M", "3", "59"};
    QTest::newRow("1888-07-21 3:? F") << BirthTexts{"1888-07-21", "3", "?", "F", "10", "30"};
  }
  void windowEqualsChartTool() {
    QFETCH(roster::BirthTexts, birth);
    // The window computes at the present minute; the tool is told the same
    // minute. A display that straddles a minute boundary is repeated.
    for (int attempt = 0; attempt < 3; ++attempt) {
      MainWindow window(tables_());
      window.show();
      if (!test::EnterBirth(window, birth)) return;
      const QString minuteBefore = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm"));
      test::Click(&window, "fInput");
      const QString minuteAfter = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm"));
      if (minuteBefore != minuteAfter) continue;

      const auto text = [](const std::string& s) { return QString::fromStdString(s); };
      QProcess tool;
      tool.start(QStringLiteral(MIRETO_CHART_PROGRAM),
                 {QStringLiteral("--json"), QStringLiteral("--sex"), text(birth.sex), QStringLiteral("--jisa"),
                  text(birth.jisaMinutes + ":" + birth.jisaSeconds), QStringLiteral("--now"), minuteBefore,
                  text(birth.date), text(birth.hour + ":" + birth.minute)});
      QVERIFY(tool.waitForFinished(60'000));
      QCOMPARE(tool.exitCode(), 0);
      const auto json = nlohmann::json::parse(tool.readAllStandardOutput().toStdString());
      const QStringList shown = WindowTexts(window);
      for (const QString& text : shown) QVERIFY2(!text.contains(QLatin1Char(',')), qPrintable(text));
      QCOMPARE(shown, JsonTexts(json));
      return;
    }
    QFAIL("three displays in a row straddled a minute boundary");
  }

 private:
  static const CalendarTables& tables_();
  std::string unavailable_;
};

const CalendarTables& CommaLocaleTest::tables_() {
  static const CalendarTables tables = [] {
    const TablesOrError loaded = LoadCalendarTables(MIRETO_DATA_DIR);
    if (!loaded.tables) qFatal("data files not loadable: %s", loaded.error.c_str());
    return *loaded.tables;
  }();
  return tables;
}

}  // namespace mireto::test

int main(int argc, char** argv) {
  const std::string unavailable = mireto::test::SelectCommaLocale();
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  mireto::InitResources();
  mireto::InstallFontSubstitutions();
  mireto::test::CommaLocaleTest test(unavailable);
  return QTest::qExec(&test, argc, argv);
}

#include "comma_locale_test.moc"
