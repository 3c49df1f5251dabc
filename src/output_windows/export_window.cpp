#include "output_windows/export_window.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocumentFragment>

#include "chart/general_date.h"
#include "gui/fonts.h"
#include "gui/twips.h"
#include "gui/window_keys.h"
#include "gui/window_placement.h"

namespace mireto {

namespace {

constexpr int kClientWidth = 6150;
constexpr int kClientHeight = 4290;
constexpr TwipsRect kTextArea{75, 90, 5940, 3555};
constexpr TwipsRect kCloseButton{120, 3765, 705, 420};

// The chart text separates its lines with CR LF. The text area keeps plain
// line breaks, so the text is shown with one break per CR LF, and a copy out
// of it carries CR LF again.
QString ToDisplayLines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QString ToCrLfLines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

// Tab moves the focus on (to CLOSE); Ctrl+Tab types a tab character.
class ChartTextEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier && !isReadOnly()) {
      insertPlainText(QStringLiteral("\t"));
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }

  QMimeData* createMimeDataFromSelection() const override {
    auto* data = new QMimeData;
    data->setText(ToCrLfLines(textCursor().selection().toPlainText()));
    return data;
  }
};

// The window with its text area.
std::pair<QWidget*, QPlainTextEdit*> BuildExportWindow() {
  auto* window = new QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window->setObjectName(QStringLiteral("frmexport"));
  window->setWindowTitle(QStringLiteral("データのテキスト表示"));
  window->setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

  auto* text = new ChartTextEdit(window);
  text->setObjectName(QStringLiteral("txtmireto01"));
  text->setFont(LayoutFont(FontFace::Gothic, 9));
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text->setTabChangesFocus(true);
  PlaceInTwips(*text, kTextArea);

  auto* close = new QPushButton(QStringLiteral("CLOSE"), window);
  close->setObjectName(QStringLiteral("btnclose01"));
  PlaceInTwips(*close, kCloseButton);
  QObject::connect(close, &QPushButton::clicked, window, &QWidget::hide);
  BindWindowKeys(*window, *close);
  return {window, text};
}

}  // namespace

QString GeneralDateText(const QDateTime& moment) {
  const QDate date = moment.date();
  const QTime time = moment.time();
  const LocalDateTime minute{date.year(), date.month(), date.day(), time.hour(), time.minute()};
  return QString::fromStdString(mireto::GeneralDateText(minute, time.second()));
}

ExportController::ExportController(QObject* parent)
    : SecondaryWindow(parent), clock_([] { return QDateTime::currentDateTime(); }) {}

void ExportController::open(const ChartSnapshot& chart) {
  showWindow();  // creates the window and its text area when not loaded
  const QString now = GeneralDateText(clock_());
  const std::string chartText = MakeExportText(chart, now.toStdString());
  text_->setPlainText(ToDisplayLines(QString::fromStdString(chartText)));
}

QWidget* ExportController::createWindow() {
  const auto [window, text] = BuildExportWindow();
  text_ = text;
  return window;
}

}  // namespace mireto
