// The synchronous notification sound never blocks past its bound.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

#include <atomic>
#include <thread>
#include <vector>

#include "output_windows/notify_sound.h"
#include "qt_test_classes.h"
#include "test_system.h"

using namespace std::chrono_literals;

namespace {

void Append32(QByteArray& bytes, quint32 value) {
  for (int i = 0; i < 4; ++i) bytes.append(char((value >> (8 * i)) & 0xFF));
}

void Append16(QByteArray& bytes, quint16 value) {
  bytes.append(char(value & 0xFF));
  bytes.append(char(value >> 8));
}

// A mono 16-bit PCM clip of silence, with an extra chunk before "fmt ".
QByteArray SilentWav(int sampleRate, int milliseconds) {
  const quint32 dataBytes = quint32(sampleRate) * 2 * milliseconds / 1000;
  QByteArray wav("RIFF");
  Append32(wav, 4 + (8 + 4) + (8 + 16) + 8 + dataBytes);
  wav.append("WAVE");
  wav.append("LIST");
  Append32(wav, 3);
  wav.append("abc\0", 4);  // odd size, padded to even
  wav.append("fmt ");
  Append32(wav, 16);
  Append16(wav, 1);  // PCM
  Append16(wav, 1);  // mono
  Append32(wav, sampleRate);
  Append32(wav, sampleRate * 2);  // bytes per second
  Append16(wav, 2);
  Append16(wav, 16);
  wav.append("data");
  Append32(wav, dataBytes);
  wav.append(QByteArray(int(dataBytes), '\0'));
  return wav;
}

std::string WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile file(dir.filePath(name));
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(bytes);
  return file.fileName().toStdString();
}

}  // namespace

class NotifySoundTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void unreadableFilesReturnAtOnceWithoutPlaying() {
    const std::string wav = WriteFile(dir_, "clip.wav", SilentWav(8000, 500));
    QCOMPARE(mireto::WavDuration(wav).value_or(0ms).count(), 501);
    std::atomic<int> started{0};
    const mireto::SoundPlayer player = [&](const std::string&, const std::shared_ptr<mireto::PlaybackSignal>&) {
      ++started;
    };
    // A FIFO without a writer would block an ordinary open for ever; a
    // device or a folder is no clip either.
    const std::string folder = dir_.filePath("folder.wav").toStdString();
    QVERIFY(QDir().mkpath(QString::fromStdString(folder)));
    std::vector<std::string> files = {dir_.filePath("missing.wav").toStdString(),
                                      WriteFile(dir_, "text.wav", "not a wave file at all"),
                                      WriteFile(dir_, "short.wav", SilentWav(8000, 500).left(30)),
                                      WriteFile(dir_, "cut.wav", SilentWav(8000, 500).left(44 + 12 - 5)), folder};
    for (const std::string& special : mireto::test::SpecialFiles(dir_.path().toStdString())) files.push_back(special);
    for (const std::string& bad : files) {
      QVERIFY2(!mireto::WavDuration(bad), bad.c_str());
      QVERIFY2(!mireto::PlayWavBlocking(bad, player), bad.c_str());
    }
    QCOMPARE(started.load(), 0);
  }

  void waitsForThePlayerToFinish() {
    const std::string wav = WriteFile(dir_, "clip.wav", SilentWav(8000, 300));
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(mireto::PlayWavBlocking(
        wav,
        [](const std::string&, const std::shared_ptr<mireto::PlaybackSignal>& signal) {
          std::this_thread::sleep_for(200ms);
          signal->finish();
        },
        500ms));
    QVERIFY(elapsed.elapsed() >= 195);  // returned only after the player's end
  }

  void aStuckPlayerIsAbandonedAtTheDeadline() {
    const std::string wav = WriteFile(dir_, "clip.wav", SilentWav(8000, 300));
    auto released = std::make_shared<std::atomic<bool>>(false);
    const mireto::SoundPlayer player = [released](const std::string&,
                                                  const std::shared_ptr<mireto::PlaybackSignal>& signal) {
      signal->waitFinishedOrAbandoned();  // never finishes by itself
      *released = signal->abandoned();
    };
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!mireto::PlayWavBlocking(wav, player, 400ms));
    // Not before the clip's 300 ms plus 400 ms of grace. (How late it may be
    // depends on the machine's load, so no upper bound is asserted: a caller
    // that never returned would be stopped by the test's timeout.)
    QVERIFY2(elapsed.elapsed() >= 695, qPrintable(QString::number(elapsed.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(released->load(), 60'000);  // the player was told to stop
  }

  void theEventSoundServiceStaysWithinItsBound() {
    // Whatever this machine has (usually no sound device), the real player
    // returns (a hang is stopped by the test's timeout) without a word on
    // standard error, and a missing file is refused before the service is asked.
    const std::string wav = WriteFile(dir_, "chime.wav", SilentWav(22050, 400));
    QVERIFY(mireto::WavDuration(wav).has_value());
    const QString errors = StandardErrorOf([&] {
      mireto::PlayWavBlocking(wav, mireto::PlayWithEventSoundService);
      mireto::PlayWavBlocking(wav, mireto::PlayWithEventSoundService);
    });
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    QVERIFY(!mireto::PlayWavBlocking(dir_.filePath("missing.wav").toStdString(), mireto::PlayWithEventSoundService));
  }

 private:
  // What the action writes on the process's standard error (descriptor 2).
  QString StandardErrorOf(const std::function<void()>& action) {
    const QString path = dir_.filePath(QStringLiteral("stderr.txt"));
    std::fflush(stderr);
    const int saved = dup(2);
    const int capture = open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(capture, 2);
    close(capture);
    action();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(not captured)");
    return QString::fromLocal8Bit(file.readAll());
  }

  QTemporaryDir dir_;
};

MIRETO_QT_TEST_CLASS(NotifySound, NotifySoundTest)

#include "notify_sound_test.moc"
