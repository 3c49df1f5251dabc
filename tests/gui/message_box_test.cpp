// Message boxes and Qt in Japanese: texts end as sentences and break at
// readable places; buttons carry no icons; Qt's own texts and the dates of
// its dialogs are Japanese whatever the locale.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <map>

#include "gui/message_box.h"
#include "gui/qt_japanese.h"

namespace {

// A style that, like some desktops' themes, puts icons on dialog buttons.
class IconButtonsStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void finishedSentence_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("adds 。") << "時刻を確かめてください"
                             << "時刻を確かめてください。";
    QTest::newRow("keeps 。") << "計算しました。"
                              << "計算しました。";
    QTest::newRow("keeps ？") << "計算しますか？"
                              << "計算しますか？";
    QTest::newRow("after a quoted path") << "書き込めません「/tmp/a」"
                                         << "書き込めません「/tmp/a」。";
    QTest::newRow("empty") << ""
                           << "";
  }
  void finishedSentence() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(mireto::FinishedSentence(text), expected);
  }

  // Lines at 48 columns (24 kanji).
  void brokenLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one sentence a line")
        << "この日時は夏時刻（サマータイム）の期間です。1時間戻した日本標準時で計算しますか？"
        << QStringList{"この日時は夏時刻（サマータイム）の期間です。", "1時間戻した日本標準時で計算しますか？"};
    // Too long for one line: broken after the comma, not where it runs out.
    QTest::newRow("no lone last character") << "しばらくしてから、もう一度やり直してみてください。"
                                            << QStringList{"しばらくしてから、", "もう一度やり直してみてください。"};
    QTest::newRow("before a bracket, not inside a Latin word")
        << "名簿ファイルに書き込めません（/home/user/roster.sqlite3）。"
        << QStringList{"名簿ファイルに書き込めません", "（/home/user/roster.sqlite3）。"};
    QTest::newRow("line breaks and blank lines stay")
        << "一行目です。\n\n二行目です。" << QStringList{"一行目です。", "", "二行目です。"};
    QTest::newRow("closing bracket stays with its sentence")
        << "後は乙丑です。）次です。" << QStringList{"後は乙丑です。）", "次です。"};
  }
  void brokenLines() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    const QStringList shown = mireto::BrokenLines(text, 48).split(u'\n');
    QCOMPARE(shown, lines);
    for (const QString& line : shown) {
      QVERIFY2(mireto::TextColumns(line) <= 48, qPrintable(line));
      QVERIFY2(line.size() != 1, qPrintable(line));
    }
  }

  // The real messages of a chart near a term, at every width a box may have:
  // no line is a lone character or starts with closing punctuation.
  void longMessagesBreakCleanly() {
    const QString message = QStringLiteral(
        "立春の節入り（2024年2月4日17時27分0秒）の12.3分後の生まれです。節入り前なら年柱・月柱は癸卯年乙丑月です。");
    for (int columns = 24; columns <= 60; ++columns) {
      for (const QString& line : mireto::BrokenLines(message, columns).split(u'\n')) {
        QVERIFY2(line.size() > 1, qPrintable(QStringLiteral("%1: %2").arg(columns).arg(line)));
        QVERIFY2(!QStringLiteral("。、）").contains(line.front()), qPrintable(line));
        QVERIFY2(mireto::TextColumns(line) <= columns, qPrintable(QStringLiteral("%1: %2").arg(columns).arg(line)));
      }
    }
  }

  // Under a style that decorates dialog buttons, neither a prepared box nor
  // one under the program's style shows an icon on OK, はい or いいえ.
  void buttonsCarryNoIcons() {
    const QString original = QApplication::style()->name();
    QApplication::setStyle(new IconButtonsStyle);
    {
      QMessageBox prepared;
      prepared.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
      QVERIFY(!prepared.button(QMessageBox::Ok)->icon().isNull());  // the style's doing
      mireto::PrepareMessageBox(prepared, QStringLiteral("確かめてください"));
      for (QAbstractButton* button : prepared.buttons()) QVERIFY(button->icon().isNull());
      QCOMPARE(prepared.text(), QStringLiteral("確かめてください。"));
      QCOMPARE(prepared.windowTitle(), QStringLiteral("ミレト"));
    }
    QApplication::setStyle(mireto::PlainButtonStyle(new IconButtonsStyle));
    {
      QMessageBox styled;
      styled.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
      for (QAbstractButton* button : styled.buttons()) QVERIFY(button->icon().isNull());
    }
    QApplication::setStyle(original);
  }

  // Qt's Japanese texts come from the installed translations.
  void qtSpeaksJapanese() {
    QTranslator translator;
    QVERIFY(mireto::InstallQtJapanese(*qApp, translator));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
    QApplication::removeTranslator(&translator);
    QVERIFY(QDir(mireto::DocumentsFolder()).exists());
  }

  // The environment that makes the dates of Qt's dialogs Japanese.
  void japaneseDatesEnvironment_data() {
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcTime");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("changes");  // name=value, or name alone to remove
    QTest::newRow("C.UTF-8 everywhere") << "C.UTF-8"
                                        << ""
                                        << "C.UTF-8" << QStringList{"LANG=C.UTF-8", "LC_ALL", "LC_TIME=ja_JP.UTF-8"};
    QTest::newRow("English LANG") << ""
                                  << ""
                                  << "en_US.UTF-8" << QStringList{"LC_TIME=ja_JP.UTF-8"};
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << "" << QStringList{"LC_TIME=ja_JP.UTF-8"};
    QTest::newRow("Japanese desktop") << ""
                                      << ""
                                      << "ja_JP.UTF-8" << QStringList{};
    QTest::newRow("Japanese dates only") << ""
                                         << "ja_JP.UTF-8"
                                         << "C" << QStringList{};
    QTest::newRow("LC_ALL over Japanese LANG")
        << "C"
        << ""
        << "ja_JP.UTF-8" << QStringList{"LANG=C", "LC_ALL", "LC_TIME=ja_JP.UTF-8"};
  }
  void japaneseDatesEnvironment() {
    QFETCH(QString, lcAll);
    QFETCH(QString, lcTime);
    QFETCH(QString, lang);
    QFETCH(QStringList, changes);
    const std::map<std::string, std::string> environment{
        {"LC_ALL", lcAll.toStdString()}, {"LC_TIME", lcTime.toStdString()}, {"LANG", lang.toStdString()}};
    const auto read = [&](const char* name) -> const char* {
      const auto found = environment.find(name);
      return found == environment.end() || found->second.empty() ? nullptr : found->second.c_str();
    };
    QStringList shown;
    for (const auto& [name, value] : mireto::JapaneseDatesEnvironment(read))
      shown << QString::fromStdString(value ? name + "=" + *value : name);
    QCOMPARE(shown, changes);
  }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
