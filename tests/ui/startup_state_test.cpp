// The main window right after start-up, its layout and its fonts.
#include <QAction>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenuBar>
#include <QRadioButton>
#include <QSysInfo>
#include <QTextLayout>

#include "qt_test_classes.h"
#include "ui/fonts.h"
#include "ui/main_layout.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace ml = main_layout;

class StartupStateTest : public QObject {
  Q_OBJECT

 private slots:
  void onlyTheFirstInputsAreUsable() {
    auto window = NewMainWindow();
    for (const char* name : {"mSelect", "dSelect", "hSelect", "mtSelect", "fInput", "btnpop", "btnexport"})
      QVERIFY2(!Enabled(window.get(), name), name);
    QVERIFY(!Control<QAction>(window.get(), "menupop")->isEnabled());
    for (const char* name : {"yearInput", "optW", "optM", "udJisahun", "udJisabyo", "btnmap", "endbtn"})
      QVERIFY2(Enabled(window.get(), name), name);
  }

  void startsFemaleWithZeroDifferenceAndEmptyFields() {
    auto window = NewMainWindow();
    QVERIFY(Control<QRadioButton>(window.get(), "optW")->isChecked());
    QVERIFY(!Control<QRadioButton>(window.get(), "optM")->isChecked());
    QCOMPARE(Text(window.get(), "txtJisahun"), QStringLiteral("0"));
    QCOMPARE(Text(window.get(), "txtJisabyo"), QStringLiteral("0"));
    for (const char* name :
         {"txtBirthday", "txtAge", "txtweek", "txtKinjisa", "txtShin", "txtKoukei", "txtKoutai", "txtKoutaiYM"})
      QVERIFY2(Text(window.get(), name).isEmpty(), name);
    for (const char* name : {"mSelect", "dSelect", "hSelect", "mtSelect"})
      QCOMPARE(List(window.get(), name)->currentIndex(), -1);
    QCOMPARE(List(window.get(), "dSelect")->count(), 0);
    QCOMPARE(Items(List(window.get(), "hSelect")), QStringList{"?"} + Numbers(0, 23));
  }

  void everyChartLabelShowsThePlaceholder() {
    auto window = NewMainWindow();
    QStringList names;
    for (const auto& row : ml::kPillarLabels) names << QString::fromUtf8(row.name);
    for (int i = 0; i < 11; ++i)
      names << IndexedName("dun_kan", i) << IndexedName("dun_shi", i) << IndexedName("sai2", i);
    for (int i = 0; i < 10; ++i) names << IndexedName("sai1", i);
    QCOMPARE(names.size(), 13 + 43);
    for (const QString& name : names) {
      auto* label = FindControl<QLabel>(window.get(), name);
      QVERIFY2(label != nullptr, qPrintable(name));
      QCOMPARE(label->text(), QStringLiteral("□"));
    }
  }

  // Twips / 15 give pixels; the client area is fixed and the frame follows it.
  void controlsSitAtTheirTwipsPositions() {
    auto window = NewMainWindow();
    QCOMPARE(window->centralWidget()->size(), QSize(337, 338));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->windowTitle(), QStringLiteral("ミレト"));
    QCOMPARE(window->objectName(), QStringLiteral("mainform01"));
    QCOMPARE(Control<QWidget>(window.get(), "yearInput")->geometry(), QRect(8, 5, 50, 21));
    QCOMPARE(Control<QWidget>(window.get(), "txtKinjisa")->geometry(), QRect(66, 120, 87, 13));
    QCOMPARE(FindControl<QWidget>(window.get(), IndexedName("dun_shi", 0))->geometry(), QRect(292, 311, 18, 17));
    QCOMPARE(FindControl<QWidget>(window.get(), IndexedName("dun_shi", 1))->geometry(), QRect(264, 311, 18, 19));
  }

  // The fixed face: a half-width digit is half a kanji; every caption has glyphs.
  void fontsMapToInstalledJapaneseFaces() {
    if (QSysInfo::productType() == QLatin1String("windows") &&
        QGuiApplication::platformName() == QLatin1String("offscreen"))
      QSKIP("Qt's offscreen platform on Windows rounds each advance to whole pixels (a 6.5 px digit is 7)");
    for (FontRole role : {FontRole::Default, FontRole::Gothic12}) {
      const QFontMetricsF gothic(FontFor(role));
      QCOMPARE(gothic.horizontalAdvance(QStringLiteral("0")) * 2, gothic.horizontalAdvance(QStringLiteral("年")));
      QCOMPARE(gothic.horizontalAdvance(QStringLiteral("年")), qreal(FontFor(role).pixelSize()));
    }
    QCOMPARE(FontFor(FontRole::Gothic12).pixelSize(), 16);
    QCOMPARE(FontFor(FontRole::Gothic9).pixelSize(), 12);
    QCOMPARE(FontFor(FontRole::Gothic11).pixelSize(), 15);
    const QFontMetrics proportional(FontFor(FontRole::PGothic12));
    QVERIFY(proportional.horizontalAdvance(QStringLiteral("i")) < proportional.horizontalAdvance(QStringLiteral("W")));

    QString captions;
    for (const auto& row : ml::kCaptions) captions += QString::fromUtf8(row.text);
    for (const auto& row : ml::kButtons) captions += QString::fromUtf8(row.caption);
    captions +=
        QStringLiteral("□甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥木火土金水曜日確定不能出生時間不明頃約カ月歳");
    for (FontRole role : {FontRole::Default, FontRole::PGothic12Bold}) {
      QTextLayout layout(captions, FontFor(role));
      layout.beginLayout();
      layout.createLine();
      layout.endLayout();
      for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes()) QVERIFY2(glyph != 0, "missing glyph");
    }
  }
};

MIRETO_QT_TEST_CLASS(StartupState, StartupStateTest)

}  // namespace mireto::test

#include "startup_state_test.moc"
