// The keyboard: Return on a focused button, the year dialog's first focus,
// the menus from Alt and F10 with every item reachable, and typed prefixes
// in the drop-down lists (with a clock the test moves).
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

#include "qt_test_classes.h"
#include "ui/drop_down_list.h"
#include "ui/main_controls.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  // Typed keys and the pause before each (ms) → the item selected after each.
  void typedPrefix_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QList<int>>("pauses");
    QTest::addColumn<QStringList>("selected");
    QTest::newRow("1 gives 1, not 10") << "1" << QList<int>{0} << QStringList{"1"};
    QTest::newRow("12 typed quickly") << "12" << QList<int>{0, 300} << QStringList{"1", "12"};
    QTest::newRow("1 then 2 after a pause") << "12" << QList<int>{0, 1500} << QStringList{"1", "2"};
    QTest::newRow("13 has no item: 3 starts anew") << "13" << QList<int>{0, 100} << QStringList{"1", "3"};
    QTest::newRow("no match keeps the choice") << "1x" << QList<int>{0, 2000} << QStringList{"1", "1"};
  }
  void typedPrefix() {
    QFETCH(QString, keys);
    QFETCH(QList<int>, pauses);
    QFETCH(QStringList, selected);
    Clock::time_point now{};
    QComboBox list;
    list.addItems(Numbers(1, 12));
    list.setCurrentIndex(4);
    ApplyDropDownBehaviour(list, [&now] { return now; });
    QSignalSpy activated(&list, &QComboBox::activated);
    for (int i = 0; i < keys.size(); ++i) {
      now += milliseconds(pauses[i]);
      QTest::keyClick(&list, keys[i].toLatin1());
      QCOMPARE(list.currentText(), selected[i]);
    }
    QVERIFY(activated.count() >= 1);  // a user's choice, as a click on the item
  }

  void menuMnemonics() {
    QCOMPARE(MenuMnemonic(QStringLiteral("ファイル（Ｆ）")), QKeySequence(QStringLiteral("Alt+F")));
    QCOMPARE(MenuMnemonic(QStringLiteral("ヘルプ（Ｈ）")), QKeySequence(QStringLiteral("Alt+H")));
    QVERIFY(MenuMnemonic(QStringLiteral("時差ゼロ")).isEmpty());
    QVERIFY(MenuMnemonic(QStringLiteral("日本地図表示（M)")).isEmpty());
  }

  // Alt+F opens ファイル; the arrow keys reach 名簿の書き出し, Return runs it.
  // F10 opens the first menu, Alt+T and Alt+H theirs.
  void menusFromTheKeyboard() {
    auto window = NewMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy exported(window.get(), &MainWindow::rosterExportRequested);
    const auto openMenu = [&] { return window->menuBar()->activeAction(); };
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(openMenu() != nullptr);
    QCOMPARE(openMenu()->text(), QStringLiteral("ファイル（Ｆ）"));
    QMenu* file = openMenu()->menu();
    QTRY_VERIFY(file->isVisible());
    // 名簿に保存 is disabled before a chart: the arrows skip it.
    QTest::keyClick(file, Qt::Key_Down);
    QTest::keyClick(file, Qt::Key_Down);
    QCOMPARE(file->activeAction()->text(), QStringLiteral("名簿の書き出し…"));
    QTest::keyClick(file, Qt::Key_Return);
    QCOMPARE(exported.count(), 1);
    QTRY_VERIFY(!file->isVisible());

    for (const auto& [key, modifiers, title] : {std::tuple{Qt::Key_T, Qt::AltModifier, "ツール（Ｔ）"},
                                                std::tuple{Qt::Key_H, Qt::AltModifier, "ヘルプ（Ｈ）"},
                                                std::tuple{Qt::Key_F10, Qt::NoModifier, "ファイル（Ｆ）"}}) {
      QTest::keyClick(window.get(), key, modifiers);
      QTRY_VERIFY(openMenu() != nullptr && openMenu()->menu()->isVisible());
      QCOMPARE(openMenu()->text(), QString::fromUtf8(title));
      openMenu()->menu()->close();
      QTRY_VERIFY(openMenu() == nullptr || !openMenu()->menu()->isVisible());
    }
  }

  // Return on the focused 地図 button presses it; the year dialog opens on
  // 1900年代, and Return on a focused century button shows that century.
  void returnPressesTheFocusedButton() {
    auto window = NewMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy map(window.get(), &MainWindow::mapRequested);
    auto* mapButton = Control<QPushButton>(window.get(), "btnmap");
    mapButton->setFocus();
    QTest::keyClick(mapButton, Qt::Key_Return);
    QCOMPARE(map.count(), 1);

    window->openYearDialog();
    QWidget* dialog = window->yearDialog();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    const auto focused = [dialog] { return dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString(); };
    QTRY_COMPARE(focused(), QStringLiteral("y1900"));
    auto* y1800 = Control<QPushButton>(dialog, "y1800");
    y1800->setFocus();
    QTest::keyClick(y1800, Qt::Key_Return);
    QCOMPARE(Control<QListWidget>(dialog, "List1")->item(0)->text(), QStringLiteral("1800"));
  }
};

MIRETO_QT_TEST_CLASS(Keyboard, KeyboardTest)

}  // namespace mireto::test

#include "keyboard_test.moc"
