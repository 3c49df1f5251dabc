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

QStringList CopiedFieldNames() {
  return {"txtBirthday", "txtKoutai", "txtKoutaiYM", "txtKoukei", "txtAge"};
}

QStringList CopiedLabelNames() {
  QStringList names{"yKan", "yShi", "mKan", "mShi", "dKan", "dShi", "hKan", "hShi",
                    "lblOu", "lbl_yZokan", "lbl_mZokan", "lbl_dZokan", "lbl_hZokan"};
  for (int i = 0; i < 10; ++i) names << ArrayControlName("sai1", i);
  for (int i = 0; i < 11; ++i) {
    names << ArrayControlName("sai2", i) << ArrayControlName("dun_kan", i)
          << ArrayControlName("dun_shi", i);
  }
  return names;
}

// Fills the fields that ChartTexts does not hold with distinct texts.
void ShowExtraFields(StandInMainWindow& main, int variant) {
  main.set("txtKoukei", QStringLiteral("%1.25").arg(40 + variant));
  main.set("lblOu", variant % 2 ? QStringLiteral("木") : QStringLiteral("水"));
  for (int i = 0; i < 11; ++i) main.set(ArrayControlName("sai2", i), QString::number(variant + 10 * i + 1));
}

QString PopupText(const PopupController& popup, const QString& name) {
  QWidget* control = popup.window()->findChild<QWidget*>(name);
  return control ? control->property("text").toString() : QStringLiteral("<missing %1>").arg(name);
}

bool PopupBold(const PopupController& popup, const QString& name) {
  return popup.window()->findChild<QLabel*>(name)->font().bold();
}

}  // namespace

class PopupWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void unloadDestroysTheWindow() {
    StandInMainWindow main;
    PopupController popup(&main);
    QCOMPARE(popup.window(), nullptr);  // created on first use only
    popup.open();
    QPointer<QWidget> window = popup.window();
    QVERIFY(window);
    popup.unload();
    QVERIFY(window.isNull());
    QCOMPARE(popup.window(), nullptr);
  }

  void copiesEveryFieldAndCaption() {
    StandInMainWindow main;
    main.show(SampleChart(1));
    ShowExtraFields(main, 1);
    PopupController popup(&main);
    popup.open();
    QCOMPARE(popup.window()->objectName(), QStringLiteral("frmpop01"));
    for (const QString& name : CopiedFieldNames() + CopiedLabelNames()) {
      const QString shown = main.findChild<QWidget*>(name)->property("text").toString();
      QVERIFY2(!shown.isEmpty(), qPrintable(name));
      QCOMPARE(PopupText(popup, name), shown);
    }
    QCOMPARE(PopupText(popup, "txtMW"), QStringLiteral("男"));
  }

  void isASnapshotUntilTheNextClick() {
    StandInMainWindow main;
    main.show(SampleChart(2));
    ShowExtraFields(main, 2);
    main.markLuckColumn(3);
    PopupController popup(&main);
    popup.open();
    for (int i = 0; i < 11; ++i) {
      QCOMPARE(PopupBold(popup, ArrayControlName("dun_kan", i)), i == 3);
      QCOMPARE(PopupBold(popup, ArrayControlName("dun_shi", i)), i == 3);
    }

    // A recomputation in the main window moves the mark and changes every text.
    main.show(SampleChart(3));
    ShowExtraFields(main, 3);
    main.markLuckColumn(4);
    QCOMPARE(PopupText(popup, "txtBirthday"), QString::fromStdString(SampleChart(2).birthday));
    QCOMPARE(PopupText(popup, "sai2(5)"), QStringLiteral("53"));
    QVERIFY(PopupBold(popup, "dun_kan(3)"));
    QCOMPARE(PopupText(popup, "txtMW"), QStringLiteral("女"));

    popup.open();
    QCOMPARE(PopupText(popup, "txtBirthday"), QString::fromStdString(SampleChart(3).birthday));
    QCOMPARE(PopupText(popup, "sai2(5)"), QStringLiteral("54"));
    QCOMPARE(PopupText(popup, "txtMW"), QStringLiteral("男"));
    for (int i = 0; i < 11; ++i) {
      QCOMPARE(PopupBold(popup, ArrayControlName("dun_kan", i)), i == 4);
      QCOMPARE(PopupBold(popup, ArrayControlName("dun_shi", i)), i == 4);
    }
  }

  void sexReadsFemaleUnlessMaleIsSelected() {
    StandInMainWindow main;
    PopupController popup(&main);
    main.selectMale(false);
    popup.open();
    QCOMPARE(PopupText(popup, "txtMW"), QStringLiteral("女"));
    main.selectMale(true);
    popup.open();
    QCOMPARE(PopupText(popup, "txtMW"), QStringLiteral("男"));
    // Neither option selected still reads as female.
    for (auto* option : main.findChildren<QRadioButton*>()) {
      option->setAutoExclusive(false);
      option->setChecked(false);
    }
    popup.open();
    QCOMPARE(PopupText(popup, "txtMW"), QStringLiteral("女"));
  }

  void layoutAndFonts() {
    StandInMainWindow main;
    PopupController popup(&main);
    popup.open();
    QWidget& window = *popup.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("ミレトPopUp"));
    QCOMPARE(window.size(), QSize(4650 / 15, 3495 / 15));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.minimumSize(), window.maximumSize());

    // Year column at the right, hour column at the left; luck column 0 right of column 1.
    const auto left = [&](const char* name) {
      return window.findChild<QWidget*>(QString::fromUtf8(name))->x();
    };
    QCOMPARE(left("yKan"), 4290 / 15);
    QCOMPARE(left("hShi"), 2940 / 15);
    QCOMPARE(left("dun_kan(0)"), 4065 / 15);
    QCOMPARE(left("sai1(0)"), left("dun_kan(1)"));
    QCOMPARE(window.findChild<QWidget*>("sai1(9)")->x(), 45 / 15);

    const QFont luck = window.findChild<QLabel*>("dun_kan(0)")->font();
    QCOMPARE(luck.family(), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(luck.pixelSize(), 16);
    QVERIFY(!luck.bold());
    QVERIFY(window.findChild<QLabel*>("yKan")->font().bold());
    QCOMPARE(window.findChild<QLabel*>("sai2(3)")->font().family(), QStringLiteral("ＭＳ ゴシック"));

    // Every text box is skipped by the tab key; only txtMW can be edited.
    for (auto* box : window.findChildren<QLineEdit*>()) {
      QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
      QCOMPARE(box->isReadOnly(), box->objectName() != QStringLiteral("txtMW"));
    }
    // Eleven curved-stroke images, one per luck column.
    int images = 0;
    for (auto* label : window.findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) {
        QCOMPARE(label->pixmap().size(), QSize(17, 17));
        ++images;
      }
    }
    QCOMPARE(images, 11);
  }

  void closeHidesTitleBarCloseDestroys() {
    StandInMainWindow main;
    PopupController popup(&main);
    mireto::test::CheckLifecycle([&] { popup.open(); }, [&] { return popup.window(); }, "Command1");
  }
};

int RunPopupWindowTests(int argc, char** argv) {
  PopupWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "popup_window_test.moc"
