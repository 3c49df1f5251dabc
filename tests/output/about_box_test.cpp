// The About box: its exact text, its box, and the sound after it.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "output/about_box.h"
#include "output/about_text.h"
#include "output/notify_sound.h"

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
    // The box's text carries the project's version, in decimal without leading zeros.
    QCOMPARE(mireto::AboutText().toStdString(),
             mireto::AboutText(MIRETO_TEST_VERSION_MAJOR, MIRETO_TEST_VERSION_MINOR, MIRETO_TEST_VERSION_PATCH));
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
    withLf.replace(QStringLiteral("\r\r\n"), QStringLiteral("\n\n")).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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

int RunAboutBoxTests(int argc, char** argv) {
  AboutBoxTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "about_box_test.moc"
