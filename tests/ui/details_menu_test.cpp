// 命式詳細 from the main window: the menu item waits for the first chart,
// Ctrl+D opens one window owned by the main window, and every 八字表示
// refreshes it.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTableWidget>

#include "app/secondary_windows.h"
#include "output_windows/details_controller.h"
#include "output_windows/details_window.h"
#include "qt_test_classes.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

QString PillarCell(const DetailsWindow& window, int row, int column) {
  return window.findChild<QTableWidget*>(QStringLiteral("tblPillars"))->item(row, column)->text();
}

}  // namespace

class DetailsMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void itemFollowsThePopupItemAndWaitsForAChart() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    auto* item = Control<QAction>(w, "menudetail");
    QCOMPARE(item->text(), QStringLiteral("命式詳細（Ｄ）"));
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    const QList<QAction*> tools = Control<QMenu>(w, "menutool")->actions();
    const auto pop = std::find(tools.begin(), tools.end(), Control<QAction>(w, "menupop"));
    QVERIFY(pop != tools.end() && pop + 1 != tools.end());
    QCOMPARE(*(pop + 1), item);
    QVERIFY(!item->isEnabled());
    QSignalSpy requested(w, &MainWindow::detailsRequested);
    item->trigger();
    QCOMPARE(requested.count(), 0);
    EnterChart(*w);
    QVERIFY(item->isEnabled());
    item->trigger();
    QCOMPARE(requested.count(), 1);
  }

  void ctrlDOpensTheWorkedChartAndEveryChartRefreshesIt() {
    auto window = NewMainWindow();
    MainWindow* w = window.get();
    auto* windows = new SecondaryWindows(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    EnterChart(*w);
    QCOMPARE(windows->details().window(), nullptr);  // created on first use
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_D, Qt::ControlModifier);
    DetailsWindow* details = windows->details().window();
    QVERIFY(details != nullptr);
    QVERIFY(details->isVisible());
    QVERIFY(!details->isModal());
    QCOMPARE(details->parentWidget(), w);
    // 1 January 2000, 12:00: 時柱 通変星 比肩, 月柱 十二運 胎, 年柱 納音 城頭土.
    QCOMPARE(PillarCell(*details, 0, 0), QStringLiteral("比肩"));
    QCOMPARE(PillarCell(*details, 5, 2), QStringLiteral("胎"));
    QCOMPARE(PillarCell(*details, 6, 3), QStringLiteral("城頭土"));
    QCOMPARE(details->details().annual.front().year, 2000);
    // The terms around the birth: 大雪 of December 1999 and 小寒 of January 2000.
    const QString birthTime = details->findChild<QLabel*>(QStringLiteral("lblBirthTime"))->text();
    QVERIFY2(birthTime.contains(QStringLiteral("前の節入り：大雪　この出生地での切り替え 1999年12月")),
             qPrintable(birthTime));
    QVERIFY2(birthTime.contains(QStringLiteral("次の節入り：小寒　この出生地での切り替え 2000年1月6日")),
             qPrintable(birthTime));
    QVERIFY2(birthTime.contains(QStringLiteral("夏時刻：該当なし")), qPrintable(birthTime));

    // 3 May 1990, 14:27: day 乙酉 (the main window shows it), 空亡 午未.
    EnterChart(*w, LocalDateTime{1990, 5, 3, 14, 27});
    QCOMPARE(windows->details().window(), details);
    QCOMPARE(PillarCell(*details, 1, 1), Control<QLabel>(w, "dKan")->text());
    QCOMPARE(PillarCell(*details, 2, 3), Control<QLabel>(w, "yShi")->text());
    QCOMPARE(PillarCell(*details, 0, 1), QStringLiteral("日主"));
    QCOMPARE(details->details().annual.front().year, 1990);
    QCOMPARE(details->details().annual.size(), 101u);
    QVERIFY(details->findChild<QLabel*>(QStringLiteral("lblBirthTime"))
                ->text()
                .contains(QStringLiteral("次の節入り：立夏　この出生地での切り替え 1990年5月")));

    // Hidden, it still follows; shown again it has the latest chart.
    details->hide();
    EnterChart(*w);
    QCOMPARE(PillarCell(*details, 6, 3), QStringLiteral("城頭土"));
    Control<QAction>(w, "menudetail")->trigger();
    QVERIFY(details->isVisible());
    QCOMPARE(windows->details().window(), details);
  }
};

MIRETO_QT_TEST_CLASS(DetailsMenu, DetailsMenuTest)

}  // namespace mireto::test

#include "details_menu_test.moc"
