// The pop-up chart window: a copy of the displayed chart, refilled per click.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "output_windows/popup_window.h"
#include "qt_test_classes.h"
#include "sample_chart.h"
#include "window_lifecycle.h"

using mireto::ChartSnapshot;
using mireto::PopupController;
using mireto::test::SampleChart;

namespace {

QString Text(const QWidget& window, const QString& name) {
  const QWidget* control = window.findChild<QWidget*>(name);
  return control ? control->property("text").toString() : QStringLiteral("<missing %1>").arg(name);
}

QString Indexed(const char* array, std::size_t index) {
  return QStringLiteral("%1(%2)").arg(QString::fromUtf8(array)).arg(index);
}

// The pop-up's controls, by the names of the main-window controls they copy,
// with the texts of `chart` each must show.
QList<QPair<QString, QString>> ExpectedTexts(const ChartSnapshot& chart) {
  const auto q = [](const std::string& text) { return QString::fromStdString(text); };
  const mireto::ChartDisplay& d = chart.display;
  QList<QPair<QString, QString>> expected = {
      {"txtBirthday", q(chart.birthday)},
      {"txtKoutai", q(d.luckStartAge)},
      {"txtKoutaiYM", q(d.luckChange)},
      {"txtKoukei", q(d.sunLongitude)},
      {"txtAge", q(d.age)},
      {"lblOu", q(d.seasonElement)},
      {"txtMW", q(chart.sex)},
  };
  const char* prefixes = "ymdh";
  int p = 0;
  for (mireto::Pillar pillar : mireto::kPillars) {
    expected.append({QStringLiteral("%1Kan").arg(prefixes[p]), q(d.stems[pillar])});
    expected.append({QStringLiteral("%1Shi").arg(prefixes[p]), q(d.branches[pillar])});
    expected.append({QStringLiteral("lbl_%1Zokan").arg(prefixes[p]), q(d.hiddenStems[pillar])});
    ++p;
  }
  for (std::size_t i = 0; i < d.luckFirstAges.size(); ++i) expected.append({Indexed("sai1", i), q(d.luckFirstAges[i])});
  for (std::size_t i = 0; i < d.luckStems.size(); ++i) {
    expected.append({Indexed("sai2", i), q(d.luckLastAges[i])});
    expected.append({Indexed("dun_kan", i), q(d.luckStems[i])});
    expected.append({Indexed("dun_shi", i), q(d.luckBranches[i])});
  }
  return expected;
}

// Every copied control of the pop-up shows the snapshot, bold column included.
void CheckShows(const QWidget& popup, const ChartSnapshot& chart) {
  for (const auto& [name, text] : ExpectedTexts(chart)) QCOMPARE(Text(popup, name), text);
  for (const char* array : {"dun_kan", "dun_shi"}) {
    for (std::size_t i = 0; i < chart.display.luckStems.size(); ++i) {
      const bool bold = chart.display.boldLuckColumn == static_cast<int>(i);
      QCOMPARE(popup.findChild<QLabel*>(Indexed(array, i))->font().bold(), bold);
    }
  }
}

}  // namespace

class PopupWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSnapshotOfEachClick() {
    PopupController popup;
    QCOMPARE(popup.window(), nullptr);  // created on first use only
    popup.open(SampleChart(2));
    QCOMPARE(popup.window()->objectName(), QStringLiteral("frmpop01"));
    CheckShows(*popup.window(), SampleChart(2));
    QCOMPARE(Text(*popup.window(), "txtMW"), QStringLiteral("女"));

    // The next click brings another chart: every text changes, the bold mark
    // moves from column 2 to column 3, the sex follows.
    popup.open(SampleChart(3));
    CheckShows(*popup.window(), SampleChart(3));
    QCOMPARE(Text(*popup.window(), "txtMW"), QStringLiteral("男"));
  }

  void noCurrentLuckPillarLeavesEveryColumnRegular() {
    ChartSnapshot chart = SampleChart(5);
    PopupController popup;
    popup.open(chart);
    chart.display.boldLuckColumn.reset();
    popup.open(chart);
    CheckShows(*popup.window(), chart);
  }

  void windowAndControls() {
    PopupController popup;
    popup.open(SampleChart(0));
    QWidget& window = *popup.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("ミレトPopUp"));
    QCOMPARE(window.size(), QSize(310, 233));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    // Text boxes are skipped by the tab key; only txtMW can be edited.
    for (auto* box : window.findChildren<QLineEdit*>()) {
      QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
      QCOMPARE(box->isReadOnly(), box->objectName() != QStringLiteral("txtMW"));
    }
    // One 17 x 17 curved-stroke image per luck column.
    int images = 0;
    for (auto* label : window.findChildren<QLabel*>()) {
      if (label->pixmap().isNull()) continue;
      QCOMPARE(label->pixmap().size(), QSize(17, 17));
      ++images;
    }
    QCOMPARE(images, 11);
    popup.unload();
    QCOMPARE(popup.window(), nullptr);
  }

  // Every caption ends before the text of the box on its right begins.
  void captionsEndBeforeTheirValues_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("box");
    QTest::newRow("誕生日") << "誕生日："
                            << "txtBirthday";
    QTest::newRow("大運交替") << "大運交替："
                              << "txtKoutai";
    QTest::newRow("交替年月") << "交替年月："
                              << "txtKoutaiYM";
    QTest::newRow("視黄経") << "視黄経："
                            << "txtKoukei";
    QTest::newRow("満年齢") << "満年齢："
                            << "txtAge";
  }

  void captionsEndBeforeTheirValues() {
    QFETCH(QString, caption);
    QFETCH(QString, box);
    PopupController popup;
    popup.open(SampleChart(2));
    QWidget& window = *popup.window();
    const QLabel* label = nullptr;
    for (const QLabel* each : window.findChildren<QLabel*>())
      if (each->text() == caption) label = each;
    QVERIFY(label != nullptr);
    auto* value = window.findChild<QLineEdit*>(box);
    QVERIFY(value != nullptr);
    const int captionEnd = label->x() + label->fontMetrics().horizontalAdvance(caption);
    const int textStart = value->x() + value->textMargins().left();
    QVERIFY2(captionEnd <= textStart,
             qPrintable(QStringLiteral("caption ends at %1 px, value starts at %2 px").arg(captionEnd).arg(textStart)));
    // The value still fits in its box.
    const int room = value->width() - value->textMargins().left();
    QVERIFY(value->fontMetrics().horizontalAdvance(value->text()) < room);
    popup.unload();
  }

  // Esc does what CLOSE does; Return presses the focused CLOSE.
  void keysCloseAsCloseDoes_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << static_cast<int>(Qt::Key_Escape);
    QTest::newRow("Return on CLOSE") << static_cast<int>(Qt::Key_Return);
    QTest::newRow("Enter on CLOSE") << static_cast<int>(Qt::Key_Enter);
  }

  void keysCloseAsCloseDoes() {
    QFETCH(int, key);
    PopupController popup;
    popup.open(SampleChart(0));
    QWidget* window = popup.window();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* close = window->findChild<QWidget*>(QStringLiteral("Command1"));
    close->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(close->hasFocus());
    QTest::keyClick(close, static_cast<Qt::Key>(key));
    QVERIFY(!window->isVisible());
    QCOMPARE(popup.window(), window);  // hidden, not destroyed
    popup.unload();
  }

  void closeHidesTitleBarCloseDestroys() {
    QWidget owner;  // a main window's size, with room beside it
    owner.setFixedSize(340, 360);
    owner.move(20, 20);
    owner.show();
    PopupController popup;
    popup.setOwner(&owner);
    mireto::test::CheckLifecycle([&] { popup.open(SampleChart(1)); }, [&] { return popup.window(); }, "Command1",
                                 owner);
  }
};

MIRETO_QT_TEST_CLASS(PopupWindow, PopupWindowTest)

#include "popup_window_test.moc"
