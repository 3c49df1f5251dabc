// The About box: its exact text, its box, and the sound after it.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include "gui/version.h"
#include "output/about_text.h"
#include "output_windows/about_box.h"
#include "output_windows/notify_sound.h"
#include "qt_test_classes.h"
#include "window_lifecycle.h"

class AboutBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void textIsExactByteForByte() {
    // Title, CR CR LF, notice, CR CR LF, 7 sp + U+3000 + e-mail, CR LF,
    // 2 sp + 3 × U+3000 + 1 sp + web address.
    const std::string expected =
        "\xE3\x83\x9F\xE3\x83\xAC\xE3\x83\x88 Ver.  1.3.15"
        "\r\r\n"
        "Copyright (C) 2025 \xE3\x83\x9F\xE3\x83\xAC\xE3\x83\x88\xE9\x96\x8B\xE7\x99\xBA"
        "\xE3\x83\x81\xE3\x83\xBC\xE3\x83\xA0"
        "\r\r\n"
        "       \xE3\x80\x80mireto@example.org"
        "\r\n"
        "  \xE3\x80\x80\xE3\x80\x80\xE3\x80\x80 https://www.example.org/mireto/";
    QCOMPARE(mireto::AboutText(1, 3, 15), expected);
    // The box's text carries the program's version.
    QVERIFY(mireto::AboutText().toStdString().starts_with("\xE3\x83\x9F\xE3\x83\xAC\xE3\x83\x88 Ver.  " +
                                                          mireto::VersionText().toStdString() + "\r\r\n"));
    QVERIFY(mireto::AboutText(2, 0, 107).rfind("\xE3\x83\x9F\xE3\x83\xAC\xE3\x83\x88 Ver.  2.0.107\r\r\n", 0) == 0);
  }

  void boxHasTitleOneOkButtonAndNoIcon() {
    auto box = mireto::MakeAboutBox(nullptr);
    QCOMPARE(box->windowTitle(), QStringLiteral("バージョン情報"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    // The box shows the text exactly as built.
    QCOMPARE(box->text(), mireto::AboutText());
  }

  // Also under a style that decorates standard buttons with icons.
  void okButtonCarriesNoIcon() {
    class IconButtonsStyle : public QProxyStyle {
     public:
      using QProxyStyle::QProxyStyle;
      int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                    QStyleHintReturn* data) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
      }
    };
    const QString original = QApplication::style()->name();
    QApplication::setStyle(new IconButtonsStyle(QStyleFactory::create(original)));
    QMessageBox reference;
    reference.setStandardButtons(QMessageBox::Ok);
    const bool decorated = !reference.button(QMessageBox::Ok)->icon().isNull();
    auto box = mireto::MakeAboutBox(nullptr);
    const bool noIcon = box->button(QMessageBox::Ok)->icon().isNull();
    box.reset();
    QApplication::setStyle(original);
    QVERIFY2(decorated, "the style does not decorate standard buttons; the check would prove nothing");
    QVERIFY(noIcon);
  }

  void boxIsCentredOnTheScreen() {
    bool centred = false;
    int ticks = 0;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      centred = mireto::test::IsCentred(*box);
      if (centred || ++ticks > 25) box->button(QMessageBox::Ok)->click();
    });
    closer.start();
    mireto::ShowAboutBox(nullptr);
    closer.stop();
    QVERIFY(centred);
  }

  void crCrLfShowsALineBreakAndAnEmptyLine() {
    // The label of the box lays the exact text out like the same lines
    // separated by LF: two empty lines, six lines in all.
    auto box = mireto::MakeAboutBox(nullptr);
    box->show();
    QLabel* shown = nullptr;
    for (auto* label : box->findChildren<QLabel*>()) {
      if (label->text() == box->text()) shown = label;
    }
    QVERIFY(shown);
    QLabel lines;
    lines.setFont(shown->font());
    lines.setTextFormat(Qt::PlainText);
    QString withLf = box->text();
    withLf.replace(QStringLiteral("\r\r\n"), QStringLiteral("\n\n"))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(withLf.count(QLatin1Char('\n')), 5);
    lines.setText(withLf);
    QCOMPARE(shown->sizeHint(), lines.sizeHint());
  }

  void soundFollowsTheClosedBoxWithinItsBound() {
    // Close the modal box with OK as soon as it is shown.
    bool boxWasShown = false;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boxWasShown = true;
        box->button(QMessageBox::Ok)->click();
      }
    });
    closer.start();
    QElapsedTimer elapsed;
    elapsed.start();
    mireto::ShowAboutBox(nullptr);
    closer.stop();
    QVERIFY(boxWasShown);
    const auto clip = mireto::WavDuration(mireto::NotifySoundPath()).value_or(std::chrono::milliseconds{0});
    QVERIFY2(elapsed.elapsed() < (clip + mireto::kSoundGrace).count() + 1000,
             qPrintable(QString::number(elapsed.elapsed())));
  }
};

MIRETO_QT_TEST_CLASS(AboutBox, AboutBoxTest)

#include "about_box_test.moc"
