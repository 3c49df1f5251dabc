// The pop-up chart window: a snapshot of the main window, refilled per click.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "output/main_window_reader.h"
#include "output/popup_window.h"
#include "stand_in_main_window.h"
#include "window_lifecycle.h"

using mireto::ArrayControlName;
using mireto::PopupController;
using mireto::test::SampleChart;
using mireto::test::StandInMainWindow;

namespace {

// Shows chart `variant`, plus the fields that ChartTexts does not hold.
void ShowChart(StandInMainWindow& main, int variant, int boldColumn) {
  main.show(SampleChart(variant));
  main.set("txtKoukei", QStringLiteral("%1.25").arg(40 + variant));
  main.set("lblOu", variant % 2 ? QStringLiteral("木") : QStringLiteral("水"));
  for (int i = 0; i < 11; ++i) main.set(ArrayControlName("sai2", i), QString::number(variant + 10 * i + 1));
  main.markLuckColumn(boldColumn);
}

QStringList CopiedNames() {
  QStringList names{"txtBirthday", "txtKoutai", "txtKoutaiYM", "txtKoukei", "txtAge", "yKan", "yShi",
                    "mKan", "mShi", "dKan", "dShi", "hKan", "hShi", "lblOu", "lbl_yZokan",
                    "lbl_mZokan", "lbl_dZokan", "lbl_hZokan"};
  for (int i = 0; i < 10; ++i) names << ArrayControlName("sai1", i);
  for (const char* array : {"sai2", "dun_kan", "dun_shi"}) {
    for (int i = 0; i < 11; ++i) names << ArrayControlName(array, i);
  }
  return names;
}

QString Text(const QWidget& window, const QString& name) {
  const QWidget* control = window.findChild<QWidget*>(name);
  return control ? control->property("text").toString() : QStringLiteral("<missing %1>").arg(name);
}

// Every copied control of the pop-up equals the main window's, bold flags included.
void CheckCopyOf(const QWidget& main, const QWidget& popup, int boldColumn) {
  for (const QString& name : CopiedNames()) QCOMPARE(Text(popup, name), Text(main, name));
  for (const char* array : {"dun_kan", "dun_shi"}) {
    for (int i = 0; i < 11; ++i) {
      QCOMPARE(popup.findChild<QLabel*>(ArrayControlName(array, i))->font().bold(), i == boldColumn);
    }
  }
}

}  // namespace

class PopupWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void copiesTheChartOnlyOnEachClick() {
    StandInMainWindow main;
    ShowChart(main, 2, 3);
    PopupController popup(&main);
    QCOMPARE(popup.window(), nullptr);  // created on first use only
    popup.open();
    QCOMPARE(popup.window()->objectName(), QStringLiteral("frmpop01"));
    CheckCopyOf(main, *popup.window(), 3);
    QCOMPARE(Text(*popup.window(), "txtMW"), QStringLiteral("女"));

    // A recomputation changes every text and moves the mark; the pop-up keeps
    // the old chart until the next click, then the bold column 3 turns regular.
    StandInMainWindow before;
    ShowChart(before, 2, 3);
    ShowChart(main, 3, 4);
    CheckCopyOf(before, *popup.window(), 3);
    popup.open();
    CheckCopyOf(main, *popup.window(), 4);
    QCOMPARE(Text(*popup.window(), "txtMW"), QStringLiteral("男"));
  }

  void sexReadsFemaleUnlessMaleIsSelected() {
    StandInMainWindow main;
    PopupController popup(&main);
    main.selectMale(true);
    popup.open();
    QCOMPARE(Text(*popup.window(), "txtMW"), QStringLiteral("男"));
    for (auto* option : main.findChildren<QRadioButton*>()) {  // neither selected
      option->setAutoExclusive(false);
      option->setChecked(false);
    }
    popup.open();
    QCOMPARE(Text(*popup.window(), "txtMW"), QStringLiteral("女"));
  }

  void windowAndControls() {
    StandInMainWindow main;
    PopupController popup(&main);
    popup.open();
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
    QTest::newRow("誕生日") << "誕生日：" << "txtBirthday";
    QTest::newRow("大運交替") << "大運交替：" << "txtKoutai";
    QTest::newRow("交替年月") << "交替年月：" << "txtKoutaiYM";
    QTest::newRow("視黄経") << "視黄経：" << "txtKoukei";
    QTest::newRow("満年齢") << "満年齢：" << "txtAge";
  }

  void captionsEndBeforeTheirValues() {
    QFETCH(QString, caption);
    QFETCH(QString, box);
    StandInMainWindow main;
    ShowChart(main, 2, 3);
    PopupController popup(&main);
    popup.open();
    QWidget& window = *popup.window();
    const QLabel* label = nullptr;
    for (const QLabel* each : window.findChildren<QLabel*>())
      if (each->text() == caption) label = each;
    QVERIFY(label != nullptr);
    auto* value = window.findChild<QLineEdit*>(box);
    QVERIFY(value != nullptr);
    const int captionEnd = label->x() + label->fontMetrics().horizontalAdvance(caption);
    const int textStart = value->x() + value->textMargins().left();
    QVERIFY2(captionEnd <= textStart, qPrintable(QStringLiteral("caption ends at %1 px, value starts at %2 px")
                                                     .arg(captionEnd).arg(textStart)));
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
    StandInMainWindow main;
    PopupController popup(&main);
    popup.open();
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
    StandInMainWindow main;
    PopupController popup(&main);
    mireto::test::CheckLifecycle([&] { popup.open(); }, [&] { return popup.window(); }, "Command1", main);
  }
};

int RunPopupWindowTests(int argc, char** argv) {
  PopupWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "popup_window_test.moc"
