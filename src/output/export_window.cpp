#include "output/export_window.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "gui/fonts.h"
#include "gui/twips.h"
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

class ChartTextEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  QMimeData* createMimeDataFromSelection() const override {
    auto* data = new QMimeData;
    data->setText(ToCrLfLines(textCursor().selection().toPlainText()));
    return data;
  }
};

QWidget* BuildExportWindow() {
  auto* window = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window->setObjectName(QStringLiteral("frmexport"));
  window->setWindowTitle(QStringLiteral("データのテキスト表示"));
  window->setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

  auto* text = new ChartTextEdit(window);
  text->setObjectName(QStringLiteral("txtmireto01"));
  text->setFont(LayoutFont(FontFace::Gothic, 9));
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  PlaceInTwips(*text, kTextArea);

  auto* close = new QPushButton(QStringLiteral("CLOSE"), window);
  close->setObjectName(QStringLiteral("btnclose01"));
  PlaceInTwips(*close, kCloseButton);
  QObject::connect(close, &QPushButton::clicked, window, &QWidget::hide);
  return window;
}

}  // namespace

QString GeneralDateText(const QDateTime& moment, const QLocale& locale) {
  // The locale's long time without its time-zone field: a general date names
  // the local time only.
  static const QRegularExpression kZoneField(QStringLiteral("\\s*(?<![A-Za-z'])t+(?![A-Za-z'])"));
  const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove(kZoneField).trimmed();
  return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(moment.time(), timeFormat);
}

ExportController::ExportController(QObject* parent)
    : SecondaryWindow(parent), clock_([] { return QDateTime::currentDateTime(); }) {}

void ExportController::open(const ChartSnapshot& chart) {
  QWidget& window = showWindow();
  const QString now = GeneralDateText(clock_(), QLocale::system());
  const std::string chartText = make_export_text(chart, now.toStdString());
  if (auto* area = window.findChild<QPlainTextEdit*>(QStringLiteral("txtmireto01"))) {
    area->setPlainText(ToDisplayLines(QString::fromStdString(chartText)));
  }
}

QWidget* ExportController::createWindow() { return BuildExportWindow(); }

}  // namespace mireto
