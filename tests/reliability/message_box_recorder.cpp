// Loaded into the desktop program with LD_PRELOAD by the data-file tests: the
// program's calls of QMessageBox::critical/warning/information land here
// instead of in Qt, which would wait for a click that never comes on the
// offscreen platform. Each call appends one record to the file named by
// MIRETO_MESSAGE_LOG: kind, US (0x1F), title, US, text, RS (0x1E), in UTF-8,
// and answers OK at once. When the library is loaded it first appends the
// record "loaded" (empty title and text), so that a test can tell that the
// preload took.
#include <QByteArray>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace {

void Record(const char* kind, const QString& title, const QString& text) {
  const char* path = std::getenv("MIRETO_MESSAGE_LOG");
  if (path == nullptr) return;
  std::FILE* log = std::fopen(path, "ab");
  if (log == nullptr) return;
  const QByteArray record = QByteArray(kind) + '\x1f' + title.toUtf8() + '\x1f' + text.toUtf8() + '\x1e';
  std::fwrite(record.constData(), 1, static_cast<std::size_t>(record.size()), log);
  std::fclose(log);
}

// Runs when the dynamic loader maps the library, before the program's main.
__attribute__((constructor)) void AnnounceLoaded() {
  const char* path = std::getenv("MIRETO_MESSAGE_LOG");
  if (path == nullptr) return;
  if (std::FILE* log = std::fopen(path, "ab")) {
    std::fputs("loaded\x1f\x1f\x1e", log);
    std::fclose(log);
  }
}

}  // namespace

QMessageBox::StandardButton QMessageBox::critical(QWidget*, const QString& title, const QString& text, StandardButtons,
                                                  StandardButton) {
  Record("critical", title, text);
  return QMessageBox::Ok;
}

QMessageBox::StandardButton QMessageBox::warning(QWidget*, const QString& title, const QString& text, StandardButtons,
                                                 StandardButton) {
  Record("warning", title, text);
  return QMessageBox::Ok;
}

QMessageBox::StandardButton QMessageBox::information(QWidget*, const QString& title, const QString& text,
                                                     StandardButtons, StandardButton) {
  Record("information", title, text);
  return QMessageBox::Ok;
}
