// The display button: a whole chart entered through the controls, and a
// refused input.
#include <QAction>
#include <QMessageBox>
#include <QTimer>

#include "qt_test_classes.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

QStringList Captions(const QObject* root, std::initializer_list<const char*> names) {
  QStringList captions;
  for (const char* name : names) captions << Caption(root, QString::fromUtf8(name));
  return captions;
}

QList<int> BoldColumns(const QObject* root) {
  QList<int> bold;
  for (int i = 0; i < 11; ++i) {
    const bool kan = FindControl<QLabel>(root, IndexedName("dun_kan", i))->font().bold();
    const bool shi = FindControl<QLabel>(root, IndexedName("dun_shi", i))->font().bold();
    if (kan != shi) return {-1};
    if (kan) bold << i;
  }
  return bold;
}

// Accepts the next modal message box and records its text.
void AcceptNextMessageBox(QString* text) {
  QTimer::singleShot(0, [text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    *text = box->text();
    box->accept();
  });
}

}  // namespace

class ChartDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  // 2000-01-01 12:00, female, time difference 0. Independent references: the
  // pillars 己卯 丙子 戊午 戊午 of almanacs; the equation of time near -3 min
  // at the start of January; the Sun near 279.98 degrees at 03:00 UT that
  // day (about 279.86 at 0h plus 0.12 day of 0.9856 degree a day).
  void firstOfJanuary2000() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    EnterChart(*w);
    QCOMPARE(Captions(w, {"yKan", "yShi", "mKan", "mShi", "dKan", "dShi", "hKan", "hShi"}),
             (QStringList{"己", "卯", "丙", "子", "戊", "午", "戊", "午"}));
    QCOMPARE(Captions(w, {"lbl_yZokan", "lbl_mZokan", "lbl_dZokan", "lbl_hZokan"}),
             (QStringList{"乙", "癸", "丁", "丁"}));
    QCOMPARE(Caption(w, QStringLiteral("lblOu")), QStringLiteral("水"));
    QCOMPARE(Text(w, "txtweek"), QStringLiteral("土曜日"));
    QVERIFY(Text(w, "txtShin").startsWith(QStringLiteral("2000年1月1日11時")));
    QVERIFY(Text(w, "txtKinjisa").startsWith(QStringLiteral("-3分")));
    QVERIFY(Text(w, "txtKoukei").startsWith(QStringLiteral("279.98")));
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("2000年1月1日12時0分"));
    for (int i = 0; i < 11; ++i) {
      QVERIFY(Caption(w, IndexedName("dun_kan", i)) != QStringLiteral("□"));
      QVERIFY(Caption(w, IndexedName("sai2", i)) != QStringLiteral("□"));
    }
    // The present day lies in exactly one luck pillar, marked on both labels.
    QCOMPARE(BoldColumns(w).size(), 1);
    QVERIFY(BoldColumns(w).front() >= 0);
  }

  // The hour "?" computes at 12:00 and leaves the hour pillar undetermined.
  void unknownHour() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 2000);
    Choose(w, "mSelect", 1);
    Choose(w, "dSelect", 1);
    Choose(w, "hSelect", QStringLiteral("?"));
    Click(w, "fInput");
    QVERIFY(Text(w, "txtShin").endsWith(QStringLiteral("確定不能")));
    QCOMPARE(Captions(w, {"dKan", "dShi", "hKan", "hShi"}), (QStringList{"戊", "午", "□", "□"}));
  }

  // A second chart replaces every text and moves the bold mark; the first
  // chart's mark does not remain.
  void recomputingReplacesTheChart() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    EnterChart(*w);
    // 1864 opened a sexagenary cycle (甲子), so mid-1870 is a 庚午 year.
    EnterChart(*w, LocalDateTime{1870, 6, 15, 9, 30});
    QCOMPARE(Captions(w, {"yKan", "yShi"}), (QStringList{"庚", "午"}));
    QCOMPARE(Text(w, "txtBirthday"), QStringLiteral("1870年6月15日9時30分"));
    QVERIFY(BoldColumns(w).size() <= 1);
    QVERIFY(!BoldColumns(w).contains(-1));
  }

  // A time difference beyond what the computation accepts (the map can write
  // any number) is reported and changes nothing on screen.
  void refusedInputChangesNothing() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    DecideYear(*w, 1980);
    Choose(w, "mSelect", 3);
    Choose(w, "dSelect", 3);
    Choose(w, "hSelect", 3);
    Choose(w, "mtSelect", 3);
    Control<QLineEdit>(w, "txtJisahun")->setText(QStringLiteral("100000"));
    QString message;
    AcceptNextMessageBox(&message);
    Click(w, "fInput");
    QVERIFY(!message.isEmpty());
    QCOMPARE(Caption(w, QStringLiteral("yKan")), QStringLiteral("□"));
    QVERIFY(Text(w, "txtShin").isEmpty());
    QVERIFY(!Enabled(w, "btnpop"));
    QVERIFY(!Control<QAction>(w, "menupop")->isEnabled());
  }
};

MIRETO_QT_TEST_CLASS(ChartDisplay, ChartDisplayTest)

}  // namespace mireto::test

#include "chart_display_test.moc"
