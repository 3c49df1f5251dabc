// Start-up: the splash, the data files, exactly one main window; the end.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "app/startup.h"
#include "app/table_location.h"
#include "gui/version.h"
#include "qt_test_classes.h"
#include "ui/splash_window.h"
#include "ui_fixture.h"

namespace mireto::test {

// The splash of the cases that are not about its time.
constexpr int kShortSplashMs = 10;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void splashShowsTheVersion() {
    SplashWindow splash;
    QCOMPARE(splash.objectName(), QStringLiteral("startmireto"));
    QCOMPARE(splash.size(), QSize(324, 227));
    QCOMPARE(Caption(&splash, QStringLiteral("Label1")), QStringLiteral("Ver. ") + VersionText());
  }

  // The main window appears no earlier than 3000 ms after the splash, once,
  // and the splash is gone by then.
  void mainWindowFollowsTheSplash() {
    int loads = 0;
    QStringList reports;
    Startup startup(
        [&loads] {
          ++loads;
          return LoadTablesNearProgram(QCoreApplication::applicationDirPath());
        },
        [&reports](const QString& message) { reports << message; });
    QSignalSpy ready(&startup, &Startup::ready);
    // When ready() comes, measured as it is emitted: a loaded machine may
    // deliver the wait's return much later, never earlier.
    QElapsedTimer clock;
    qint64 readyAfterMs = -1;
    connect(&startup, &Startup::ready, this, [&] { readyAfterMs = clock.elapsed(); });
    clock.start();  // before the splash's timer starts, so never late
    startup.start();
    QVERIFY(startup.splash() != nullptr && startup.splash()->isVisible());
    QVERIFY(startup.mainWindow() == nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 1, 60'000);
    QVERIFY2(readyAfterMs >= SplashWindow::kIntervalMs, qPrintable(QString::number(readyAfterMs)));
    QCOMPARE(loads, 1);
    QVERIFY(reports.isEmpty());
    QVERIFY(startup.splash() == nullptr || !startup.splash()->isVisible());
    QVERIFY(startup.mainWindow()->isVisible());
    QTest::qWait(100);
    int mainWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == QStringLiteral("mainform01")) ++mainWindows;
    QCOMPARE(mainWindows, 1);
    QVERIFY(startup.splash() == nullptr);

    // Closing the main window ends the program.
    QSignalSpy finished(&startup, &Startup::finished);
    startup.mainWindow()->close();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60'000);
  }

  // Missing data files: a Japanese message naming the file, no main window.
  void missingDataFilesAreReported() {
    QTemporaryDir empty;
    QStringList reports;
    Startup startup([&empty] { return LoadTablesNearProgram(empty.path()); },
                    [&reports](const QString& message) { reports << message; }, kShortSplashMs);
    QSignalSpy failed(&startup, &Startup::failed);
    startup.start();
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 60'000);
    QVERIFY(startup.mainWindow() == nullptr);
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.front().contains(QStringLiteral("planet.txt")));
    QVERIFY(reports.front().contains(QStringLiteral("ミレト")));
  }

  // The installed layout keeps the data under share/mireto beside bin.
  void dataFilesAreFoundInTheInstalledLayout() {
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("share/mireto")));
    const QDir source(QCoreApplication::applicationDirPath());
    for (const char* name : {"planet.txt", "latitude.txt"})
      QVERIFY(QFile::copy(source.filePath(QString::fromUtf8(name)),
                          root.filePath(QStringLiteral("share/mireto/") + QString::fromUtf8(name))));
    const TablesOrError loaded = LoadTablesNearProgram(root.filePath(QStringLiteral("bin")));
    QVERIFY2(loaded.tables.has_value(), loaded.error.c_str());
  }
};

MIRETO_QT_TEST_CLASS(Startup, StartupTest)

}  // namespace mireto::test

#include "startup_test.moc"
