// The one layout-font helper: each face maps to an installed Japanese face of
// the right pitch, sizes in points become pixels at 96 dpi; and the version text.
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTest>

#include "gui/fonts.h"
#include "gui/twips.h"
#include "gui/version.h"

using mireto::FontFace;

class LayoutFontTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { mireto::InstallFontSubstitutions(); }

  void pointsBecomePixels_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("9") << 9.0 << 12;
    QTest::newRow("9.75") << 9.75 << 13;
    QTest::newRow("11.25") << 11.25 << 15;
    QTest::newRow("12") << 12.0 << 16;
  }

  void pointsBecomePixels() {
    QFETCH(double, points);
    QFETCH(int, pixels);
    for (FontFace face : {FontFace::Gothic, FontFace::PGothic}) {
      for (bool bold : {false, true}) {
        const QFont font = mireto::LayoutFont(face, points, bold);
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(font.bold(), bold);
      }
    }
  }

  void facesResolveToInstalledJapaneseFonts() {
    const QFont gothic = mireto::LayoutFont(FontFace::Gothic, 12);
    const QFont pgothic = mireto::LayoutFont(FontFace::PGothic, 12);
    QCOMPARE(gothic.family(), mireto::kGothicFamily);
    QCOMPARE(pgothic.family(), mireto::kPGothicFamily);
    QVERIFY2(QFontInfo(gothic).family().contains(QStringLiteral("IPAGothic")) ||
                 QFontInfo(gothic).family().contains(QStringLiteral("Noto")),
             qPrintable(QFontInfo(gothic).family()));
    // Fixed pitch: a digit is half a kanji. Proportional: i is narrower than W.
    const QFontMetricsF fixed(gothic);
    QCOMPARE(fixed.horizontalAdvance(QStringLiteral("0")) * 2, fixed.horizontalAdvance(QStringLiteral("年")));
    const QFontMetricsF proportional(pgothic);
    QVERIFY(proportional.horizontalAdvance(QStringLiteral("i")) < proportional.horizontalAdvance(QStringLiteral("W")));
  }

  void twipsRoundToTheNearestPixel() {
    QCOMPARE(mireto::TwipsToPixels(1794), 120);
    QCOMPARE(mireto::TwipsToPixels(7), 0);
    QCOMPARE(mireto::TwipsToPixels(8), 1);
    QCOMPARE(mireto::TwipsToPixels(-8), -1);
    QCOMPARE(mireto::ToPixels(mireto::TwipsRect{855, 2010, 1680, 300}), QRect(57, 134, 112, 20));
  }

  // The version shown is the one the package's changelog names last (the
  // package check holds the package, its metadata and manual pages to it).
  void versionIsThePackagedVersion() {
    QFile changelog(QStringLiteral(MIRETO_CHANGELOG));
    QVERIFY(changelog.open(QIODevice::ReadOnly));
    const QString first = QString::fromUtf8(changelog.readLine());
    const QRegularExpression entry(QStringLiteral("^mireto \\(([0-9.]+)\\) "));
    const QRegularExpressionMatch match = entry.match(first);
    QVERIFY2(match.hasMatch(), qPrintable(first));
    QCOMPARE(mireto::VersionText(), match.captured(1));
    const mireto::ProgramVersion v = mireto::Version();
    QCOMPARE(mireto::VersionText(), QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.patch));
  }
};

QTEST_MAIN(LayoutFontTest)
#include "layout_font_test.moc"
